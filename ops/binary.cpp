#include "ops/binary.h"

#include "form/control_ids.h"

uint32_t ConvertBinaryText(std::string_view text) {
  uint32_t value = 0;
  const std::size_t weighed = text.size() < 32 ? text.size() : 32;
  for (std::size_t k = 0; k < weighed; ++k) {
    if (text[text.size() - 1 - k] == '1') value |= uint32_t{1} << k;
  }
  return value;
}

void HandleChangeBinary(Form& form) {
  // The field is read through a 100-character buffer: a longer text is weighed
  // by its first 99 characters, not by its last 32.
  form.SetDlgItemInt(IDC_DECIMAL, ConvertBinaryText(form.GetDlgItemText(IDC_BINARY, 100)));
}
