#include "commands/numbers_dlg.h"

#include <optional>
#include <string>

#include "commands/command_fields.h"
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

// A number field's text, fetched once, and what it reads as by the field's
// reading: nothing when it holds a number the reading cannot, since the form's
// rule would make that a 0 the user never typed.
struct FieldNumber {
  std::string text;
  std::optional<int64_t> number;
};

FieldNumber ReadNumber(const Form& form, const CommandField& field) {
  FieldNumber read{form.FieldText(field.id), std::nullopt};
  const Reading reading = field.numbers->reading;
  if (!IsOutOfRange(read.text, reading)) read.number = ReadFieldValue(read.text, reading);
  return read;
}

Outcome OutcomeOf(bool answered) { return answered ? Outcome::Answered : Outcome::Refused; }

// Prime Factors and All Factors: the number to factorize written about, or
// its field's range refused.
Outcome AnswerForNumber(Form& form, std::string (*write)(int32_t)) {
  const CommandField& field = command_fields::kFactorized[0];
  const std::optional<int64_t> number = ReadNumber(form, field).number;
  if (!number) {
    form.SetDlgItemText(IDC_RESULT, RefuseRange(field.numbers->reading));
    return Outcome::Refused;
  }
  form.SetDlgItemText(IDC_RESULT, write(static_cast<int32_t>(*number)));
  return OutcomeOf(field.numbers->Takes(*number));
}

}  // namespace

Outcome CNumbersDlg::OnChangeBinary() {
  // The field is read through a 100-character buffer: a longer text is weighed
  // by its first 99 characters, not by its last 32.
  form_.SetDlgItemInt(IDC_DECIMAL, ConvertBinaryText(form_.GetDlgItemText(IDC_BINARY, 100)));
  return Outcome::Answered;
}

Outcome CNumbersDlg::OnDivide() {
  const auto& [first, second] = command_fields::kDivision;
  form_.BeginWaitCursor();
  const std::optional<int64_t> dividend = ReadNumber(form_, first).number;
  const std::optional<int64_t> divisor = ReadNumber(form_, second).number;
  Outcome outcome = Outcome::Refused;
  if (dividend && divisor) {
    // A divisor of 0, below SECOND's range, is refused in the division's own words.
    form_.SetDlgItemText(IDC_RESULT, DivideWithRepeat(static_cast<uint32_t>(*dividend),
                                                      static_cast<uint32_t>(*divisor)));
    outcome = OutcomeOf(first.numbers->Takes(*dividend) && second.numbers->Takes(*divisor));
  } else {
    form_.SetDlgItemText(IDC_RESULT,
                         RefuseRange(dividend ? second.numbers->reading : first.numbers->reading));
  }
  form_.EndWaitCursor();
  return outcome;
}

Outcome CNumbersDlg::OnGcfLcm() {
  const auto& [firstField, secondField] = command_fields::kPair;
  form_.SetDlgItemText(IDC_RESULT, kGcfLcmBanner);
  const std::optional<int64_t> first = ReadNumber(form_, firstField).number;
  const std::optional<int64_t> second = ReadNumber(form_, secondField).number;
  if (!first || !second) {
    form_.MessageBox(
        RefuseRangeInABox(first ? secondField.numbers->reading : firstField.numbers->reading),
        std::nullopt);
    return Outcome::Refused;
  }
  if (!firstField.numbers->Takes(*first) || !secondField.numbers->Takes(*second)) {
    form_.MessageBox(kZeroInputMessage, std::nullopt);
    return Outcome::Refused;
  }
  form_.SetDlgItemText(IDC_RESULT,
                       WriteGcfLcm(static_cast<int32_t>(*first), static_cast<int32_t>(*second)));
  return Outcome::Answered;
}

Outcome CNumbersDlg::OnPrimeFactors() { return AnswerForNumber(form_, WritePrimeFactorization); }

Outcome CNumbersDlg::OnAllFactors() { return AnswerForNumber(form_, WriteAllFactors); }

Outcome CNumbersDlg::OnBits() {
  const CommandField& field = command_fields::kBits[0];
  const FieldNumber n = ReadNumber(form_, field);
  if (!n.number) {
    // Too large even to read: refused as typed.
    form_.SetDlgItemText(IDC_RESULT, RefuseBitCombinations(TypedNumber(n.text)));
    return Outcome::Refused;
  }
  // A number outside the field's range is refused by the operation in the same words.
  form_.SetDlgItemText(IDC_RESULT, FindBitCombinations(static_cast<int32_t>(*n.number)));
  return OutcomeOf(field.numbers->Takes(*n.number));
}

Outcome CNumbersDlg::OnAbout() {
  form_.MessageBox(kAboutText, kAboutCaption);
  return Outcome::Answered;
}
