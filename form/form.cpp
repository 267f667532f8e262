#include "form/form.h"

#include <array>
#include <charconv>

std::string Form::GetDlgItemText(ControlId id, std::size_t maxCount) const {
  if (maxCount == 0) return {};
  std::string text = FieldText(id);
  if (text.size() > maxCount - 1) text.resize(maxCount - 1);
  if (const auto zero = text.find('\0'); zero != std::string::npos) text.resize(zero);
  return text;
}

void Form::BeginWaitCursor() {
  if (waitDepth_++ == 0) ShowBusyPointer(true);
}

void Form::EndWaitCursor() {
  if (waitDepth_ == 0) return;
  if (--waitDepth_ == 0) ShowBusyPointer(false);
}

void Form::SetDlgItemInt(ControlId id, uint32_t value) {
  std::array<char, 10> digits{};  // "4294967295"
  const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
  SetFieldText(id, std::string_view(digits.data(), static_cast<std::size_t>(end - digits.data())));
}
