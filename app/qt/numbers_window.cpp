#include "app/qt/numbers_window.h"

#include <QLabel>
#include <QPalette>

#include "app/qt/digit_field.h"
#include "app/qt/form_button.h"
#include "app/qt/result_field.h"
#include "app/qt/text_edge.h"
#include "app/qt/window_icon.h"
#include "form/program.h"

namespace {

// What a screen reader adds after a control's name, where the name alone
// leaves the user guessing.
struct Description {
  ControlId id;
  const char* text;
};
constexpr Description kDescriptions[] = {
    {IDC_BINARY, "Binary digits, 0 and 1; the Decimal field shows their value as you type"},
    {IDC_DECIMAL, "The value of the binary number"},
    {IDC_FIRST_NUMBER, "The number Divide divides and GCF/LCM takes first"},
    {IDC_RESULT, "What the last button pressed found"},
};

QString DescriptionOf(ControlId id) {
  for (const Description& description : kDescriptions) {
    if (description.id == id) return QString::fromLatin1(description.text);
  }
  return {};
}

}  // namespace

QFont FormFont() {
  QFont font;
  font.setFamilies({QString::fromLatin1(kFormFontFace), QString::fromLatin1(kFormFontFallback)});
  font.setPointSize(kFormFontPoints);
  font.setWeight(QFont::Normal);
  font.setItalic(false);
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

NumbersWindow::NumbersWindow() : form_(*this), dialog_(form_) {
  // A plain top-level window: it can be minimized and closed, not resized or
  // maximized, and has its own task-bar entry.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setWindowTitle(ToQString(kProgramTitle));
  setWindowIcon(WindowIcon());
  setFont(FormFont());
  const QFontMetrics metrics(font());
  units_ = FormUnitsOf(metrics);
  setFixedSize(PixelsOf({0, 0, kFormWidth, kFormHeight}, units_).size());

  QWidget* previous = nullptr;
  for (const ControlPlace& place : kControls) {
    QWidget* control = nullptr;
    switch (place.kind) {
      case ControlKind::Field:
      case ControlKind::ReadOnlyField: {
        auto* field = new DigitField(this, place);
        if (place.kind == ControlKind::ReadOnlyField) {
          field->setReadOnly(true);
          // Qt's styles draw a read-only line the same as an editable one; the
          // platforms draw it on the window's own colour.
          QPalette palette = field->palette();
          palette.setColor(QPalette::Base, palette.color(QPalette::Window));
          field->setPalette(palette);
        }
        connect(field, &QLineEdit::textChanged, this,
                [this, id = place.id] { Notify(id, Notification::TextChanged); });
        control = field;
        break;
      }
      case ControlKind::Button: {
        auto* button = new FormButton(ToQString(place.caption), this);
        connect(button, &QPushButton::clicked, this,
                [this, id = place.id] { Notify(id, Notification::Clicked); });
        control = button;
        break;
      }
      case ControlKind::ResultField:
        control = new ResultField(this, PixelsOf({0, 0, kResultTabStop, 0}, units_).width());
        break;
    }
    control->setObjectName(QString::fromLatin1(place.name));
    control->setAccessibleName(ToQString(place.accessibleName));
    control->setAccessibleDescription(DescriptionOf(place.id));
    control->setGeometry(PixelsOf(place.rect, units_));
    if (previous != nullptr) setTabOrder(previous, control);
    previous = control;
    controls_[place.id] = control;
  }
  for (const LabelPlace& place : kLabels) {
    auto* label = new QLabel(ToQString(place.text), this);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(PixelsOf(place.rect, units_));
    label->setBuddy(Control(place.buddy));
  }
  Control(IDC_BINARY)->setFocus();
}

QWidget* NumbersWindow::Control(ControlId id) const {
  const auto control = controls_.find(id);
  return control == controls_.end() ? nullptr : control->second;
}

void NumbersWindow::Notify(ControlId id, Notification notification) {
  DispatchCommand(dialog_, id, notification);
}
