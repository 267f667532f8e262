#include "app/qt/digit_field.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <cmath>

#include "app/qt/text_edge.h"
#include "form/typing_rule.h"

namespace {

// QLineEdit keeps this many pixels clear on each side of its text, and needs
// one more for the cursor.
constexpr int kLineEditSideMargin = 2;
constexpr int kCursorRoom = 1;

// Printable text without Control or Meta held; Control with Alt is AltGr on
// some keyboards. Shortcuts such as Ctrl+V pass through as shortcuts.
bool IsTypedText(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  const bool altGr = modifiers.testFlag(Qt::ControlModifier) && modifiers.testFlag(Qt::AltModifier);
  if ((modifiers & (Qt::ControlModifier | Qt::MetaModifier)) && !altGr) return false;
  const QString text = event.text();
  return !text.isEmpty() &&
         std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}

}  // namespace

DigitField::DigitField(QWidget* parent, const ControlPlace& place)
    : QLineEdit(parent), place_(place) {
  setAlignment(Qt::AlignCenter);
}

bool DigitField::AcceptsTyped(const QString& typed) const {
  const qsizetype start = hasSelectedText() ? selectionStart() : cursorPosition();
  const qsizetype end = hasSelectedText() ? selectionEnd() : start;
  const QString before = text().left(start);
  const QString kept = text().mid(end);
  if (!::AcceptsTyped(place_, FromQString(before), FromQString(typed), FromQString(kept))) {
    return false;
  }
  const QString after = before + typed + kept;
  QStyleOptionFrame option;
  initStyleOption(&option);
  const QRect contents = style()
                             ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                             .marginsRemoved(textMargins());
  const int room = contents.width() - 2 * kLineEditSideMargin;
  const auto width = static_cast<int>(std::ceil(QFontMetricsF(font()).horizontalAdvance(after)));
  return width + kCursorRoom <= room;
}

void DigitField::keyPressEvent(QKeyEvent* event) {
  if (!isReadOnly() && IsTypedText(*event) && !AcceptsTyped(event->text())) {
    QApplication::beep();
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void DigitField::inputMethodEvent(QInputMethodEvent* event) {
  if (!isReadOnly() && !event->commitString().isEmpty() && !AcceptsTyped(event->commitString())) {
    QInputMethodEvent refused(event->preeditString(), event->attributes());
    QLineEdit::inputMethodEvent(&refused);
    QApplication::beep();
    return;
  }
  QLineEdit::inputMethodEvent(event);
}
