#include "app/qt/numbers_window.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "app/qt/text_edge.h"
#include "app/qt/window_icon.h"
#include "form/program.h"

QFont FormFont() {
  QFont font;
  font.setFamilies({QString::fromLatin1(kFormFontFace), QString::fromLatin1(kFormFontFallback)});
  font.setPointSize(kFormFontPoints);
  font.setWeight(QFont::Normal);
  font.setItalic(false);
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

NumbersWindow::NumbersWindow()
    : form_(*this),
      dialog_(form_),
      scroll_(new QScrollArea(this)),
      page_(new FormPage(scroll_, FormFont(), [this](ControlId id, Notification notification) {
        Notify(id, notification);
      })) {
  // A plain top-level window with its own task-bar entry.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                 Qt::WindowCloseButtonHint);
  setWindowTitle(ToQString(kProgramTitle));
  setWindowIcon(WindowIcon());
  setFont(FormFont());

  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setWidgetResizable(true);
  scroll_->setWidget(page_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll_);

  // Never smaller than the form, unless the screen is.
  const QSize opening = page_->FormSize().boundedTo(screen()->availableGeometry().size());
  setMinimumSize(opening);
  resize(opening);

  connect(qobject_cast<QPlainTextEdit*>(Control(IDC_RESULT)), &QPlainTextEdit::textChanged, this,
          &NumbersWindow::ShowResultTop);
  Control(IDC_BINARY)->setFocus();
}

void NumbersWindow::Press(const CommandCall& call) {
  for (std::size_t f = 0; f < call.command->fields.size(); ++f) {
    auto* field = qobject_cast<QLineEdit*>(Control(call.command->fields[f].id));
    field->setText(QString::fromStdString(call.texts[f]));
  }
  if (call.command->notification == Notification::Clicked) {
    qobject_cast<QAbstractButton*>(Control(call.command->source))->click();
  }
}

void NumbersWindow::Notify(ControlId id, Notification notification) {
  DispatchCommand(dialog_, id, notification);
}

void NumbersWindow::ShowResultTop() {
  const QWidget* result = Control(IDC_RESULT);
  const int shown = std::min(result->height(), scroll_->viewport()->height());
  // Qt scrolls the least that brings the point and its margins into view.
  scroll_->ensureVisible(scroll_->horizontalScrollBar()->value(), result->y() + shown / 2, 0,
                         shown / 2);
}
