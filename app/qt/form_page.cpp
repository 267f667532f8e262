#include "app/qt/form_page.h"

#include <QLabel>
#include <QPalette>
#include <utility>

#include "app/qt/digit_field.h"
#include "app/qt/form_button.h"
#include "app/qt/result_field.h"
#include "app/qt/text_edge.h"

namespace {

// What a screen reader adds after a control's name, where the name alone
// leaves the user guessing.
struct Description {
  ControlId id;
  const char* text;
};
constexpr std::array<Description, 4> kDescriptions{{
    {IDC_BINARY, "Binary digits, 0 and 1; the Decimal field shows their value as you type"},
    {IDC_DECIMAL, "The value of the binary number"},
    {IDC_FIRST_NUMBER, "The number Divide divides and GCF/LCM takes first"},
    {IDC_RESULT, "What the last button pressed found"},
}};

QString DescriptionOf(ControlId id) {
  for (const Description& description : kDescriptions) {
    if (description.id == id) return QString::fromLatin1(description.text);
  }
  return {};
}

}  // namespace

FormPage::FormPage(QWidget* parent, const QFont& font, Notify notify)
    : QWidget(parent), units_(FormUnitsOf(QFontMetrics(font))), notify_(std::move(notify)) {
  setFont(font);
  setMinimumSize(PixelsOf({0, 0, kFormWidth, kFormHeight}, units_).size());
  QWidget* previous = nullptr;
  for (const ControlPlace& place : kControls) {
    QWidget* control = MakeControl(place);
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
}

QWidget* FormPage::MakeControl(const ControlPlace& place) {
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
              [this, id = place.id] { notify_(id, Notification::TextChanged); });
      return field;
    }
    case ControlKind::Button: {
      auto* button = new FormButton(ToQString(place.caption), this);
      connect(button, &QPushButton::clicked, this,
              [this, id = place.id] { notify_(id, Notification::Clicked); });
      return button;
    }
    case ControlKind::ResultField:
      break;
  }
  return new ResultField(this, PixelsOf({0, 0, kResultTabStop, 0}, units_).width());
}

QWidget* FormPage::Control(ControlId id) const {
  const auto control = controls_.find(id);
  return control == controls_.end() ? nullptr : control->second;
}

void FormPage::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const QSize gained = size() - FormSize();
  for (const ControlPlace& place : kControls) {
    if (place.kind != ControlKind::ResultField) continue;
    Control(place.id)->setGeometry(
        PixelsOf(place.rect, units_).adjusted(0, 0, gained.width(), gained.height()));
  }
}
