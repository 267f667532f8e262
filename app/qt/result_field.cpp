#include "app/qt/result_field.h"

#include <QMimeData>
#include <QScrollBar>
#include <QTextDocumentFragment>

#include "app/qt/wrap_choice.h"

ResultField::ResultField(QWidget* parent, int tabStopPixels) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  setTabChangesFocus(true);
  setUndoRedoEnabled(false);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTabStopDistance(tabStopPixels);
}

void ResultField::ShowText(const QString& text) {
  const QTextOption::WrapMode mode = WrapModeFor(text, fontMetrics(), viewport()->width());
  if (mode != wordWrapMode()) {
    // Changing the mode lays out the old text again: empty the field first.
    clear();
    setWordWrapMode(mode);
  }
  setPlainText(text);
  verticalScrollBar()->setValue(0);
}

QString ResultField::RawText() const { return document()->toRawText(); }

QMimeData* ResultField::createMimeDataFromSelection() const {
  QString text = textCursor().selection().toRawText();
  text.replace(QChar::ParagraphSeparator, u'\n');
  auto* mime = new QMimeData;
  mime->setText(text);
  return mime;
}
