#include "commands/numbers_dlg.h"

#include <optional>
#include <string>

#include "commands/refusals.h"
#include "form/control_ids.h"
#include "form/program.h"
#include "ops/all_factors.h"
#include "ops/binary.h"
#include "ops/bits.h"
#include "ops/divide.h"
#include "ops/gcf_lcm.h"
#include "ops/prime_factors.h"

namespace {

// A number field's text, fetched once, and what it reads as: nothing when it
// holds a number its reading cannot, since the form's rule would make that a
// 0 the user never typed.
struct NumberField {
  std::string text;
  std::optional<uint32_t> number;
};

NumberField ReadNumber(const Form& form, ControlId id, Reading reading) {
  NumberField field{form.FieldText(id), std::nullopt};
  if (!IsOutOfRange(field.text, reading)) field.number = ReadFieldNumber(field.text, reading);
  return field;
}

std::optional<int32_t> ReadSigned(const Form& form, ControlId id) {
  const std::optional<uint32_t> number = ReadNumber(form, id, Reading::Signed).number;
  if (!number) return std::nullopt;
  return static_cast<int32_t>(*number);
}

}  // namespace

void CNumbersDlg::OnChangeBinary() {
  // The field is read through a 100-character buffer: a longer text is weighed
  // by its first 99 characters, not by its last 32.
  form_.SetDlgItemInt(IDC_DECIMAL, ConvertBinaryText(form_.GetDlgItemText(IDC_BINARY, 100)));
}

void CNumbersDlg::OnDivide() {
  form_.BeginWaitCursor();
  const std::optional<uint32_t> dividend =
      ReadNumber(form_, IDC_FIRST_NUMBER, Reading::Unsigned).number;
  const std::optional<uint32_t> divisor =
      ReadNumber(form_, IDC_SECOND_NUMBER, Reading::Unsigned).number;
  if (dividend && divisor) {
    form_.SetDlgItemText(IDC_RESULT, DivideWithRepeat(*dividend, *divisor));
  } else {
    form_.SetDlgItemText(IDC_RESULT, kUnsignedRangeRefusal);
  }
  form_.EndWaitCursor();
}

void CNumbersDlg::OnGcfLcm() {
  form_.SetDlgItemText(IDC_RESULT, kGcfLcmBanner);
  const std::optional<int32_t> first = ReadSigned(form_, IDC_FIRST_NUMBER);
  const std::optional<int32_t> second = ReadSigned(form_, IDC_SECOND_NUMBER);
  if (!first || !second) {
    form_.MessageBox(kSignedRangeMessage, std::nullopt);
  } else if (*first == 0 || *second == 0) {
    form_.MessageBox(kZeroInputMessage, std::nullopt);
  } else {
    form_.SetDlgItemText(IDC_RESULT, WriteGcfLcm(*first, *second));
  }
}

void CNumbersDlg::OnPrimeFactors() {
  const std::optional<int32_t> number = ReadSigned(form_, IDC_SINGLE_NUMBER);
  form_.SetDlgItemText(IDC_RESULT,
                       number ? WritePrimeFactorization(*number) : std::string(kSignedRangeRefusal));
}

void CNumbersDlg::OnAllFactors() {
  const std::optional<int32_t> number = ReadSigned(form_, IDC_SINGLE_NUMBER);
  form_.SetDlgItemText(IDC_RESULT,
                       number ? WriteAllFactors(*number) : std::string(kSignedRangeRefusal));
}

void CNumbersDlg::OnBits() {
  const NumberField n = ReadNumber(form_, IDC_SINGLE_NUMBER, Reading::Signed);
  form_.SetDlgItemText(IDC_RESULT, n.number ? FindBitCombinations(static_cast<int32_t>(*n.number))
                                            : RefuseBitCombinations(TypedNumber(n.text)));
}

void CNumbersDlg::OnAbout() { form_.MessageBox(kAboutText, kAboutCaption); }
