#include "commands/numbers_dlg.h"

#include <optional>

#include "form/control_ids.h"
#include "form/program.h"
#include "ops/all_factors.h"
#include "ops/binary.h"
#include "ops/bits.h"
#include "ops/divide.h"
#include "ops/gcf_lcm.h"
#include "ops/prime_factors.h"

namespace {

int32_t ReadSigned(const Form& form, ControlId id) {
  return static_cast<int32_t>(form.GetDlgItemInt(id, Reading::Signed));
}

}  // namespace

void CNumbersDlg::OnChangeBinary() {
  // The field is read through a 100-character buffer: a longer text is weighed
  // by its first 99 characters, not by its last 32.
  form_.SetDlgItemInt(IDC_DECIMAL, ConvertBinaryText(form_.GetDlgItemText(IDC_BINARY, 100)));
}

void CNumbersDlg::OnDivide() {
  form_.BeginWaitCursor();
  const uint32_t dividend = form_.GetDlgItemInt(IDC_FIRST_NUMBER, Reading::Unsigned);
  const uint32_t divisor = form_.GetDlgItemInt(IDC_SECOND_NUMBER, Reading::Unsigned);
  form_.SetDlgItemText(IDC_RESULT, DivideWithRepeat(dividend, divisor));
  form_.EndWaitCursor();
}

void CNumbersDlg::OnGcfLcm() {
  form_.SetDlgItemText(IDC_RESULT, kGcfLcmBanner);
  const int32_t first = ReadSigned(form_, IDC_FIRST_NUMBER);
  const int32_t second = ReadSigned(form_, IDC_SECOND_NUMBER);
  if (first == 0 || second == 0) {
    form_.MessageBox(kZeroInputMessage, std::nullopt);
    return;
  }
  form_.SetDlgItemText(IDC_RESULT, WriteGcfLcm(first, second));
}

void CNumbersDlg::OnPrimeFactors() {
  form_.SetDlgItemText(IDC_RESULT, WritePrimeFactorization(ReadSigned(form_, IDC_SINGLE_NUMBER)));
}

void CNumbersDlg::OnAllFactors() {
  form_.SetDlgItemText(IDC_RESULT, WriteAllFactors(ReadSigned(form_, IDC_SINGLE_NUMBER)));
}

void CNumbersDlg::OnBits() {
  form_.SetDlgItemText(IDC_RESULT, FindBitCombinations(ReadSigned(form_, IDC_SINGLE_NUMBER)));
}

void CNumbersDlg::OnAbout() { form_.MessageBox(kAboutText, kAboutCaption); }
