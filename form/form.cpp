#include "form/form.h"

#include "ops/number_text.h"

std::string Form::GetDlgItemText(ControlId id, std::size_t maxCount) const {
  if (maxCount == 0) return {};
  std::string text = FieldText(id);
  if (text.size() > maxCount - 1) text.resize(maxCount - 1);
  if (const auto zero = text.find('\0'); zero != std::string::npos) text.resize(zero);
  return text;
}

uint32_t Form::GetDlgItemInt(ControlId id, Reading reading) const {
  return ReadFieldNumber(FieldText(id), reading);
}

void Form::SetDlgItemInt(ControlId id, uint32_t value) {
  std::string text;
  AppendUnsigned(text, value);
  SetFieldText(id, text);
}
