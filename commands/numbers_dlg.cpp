#include "commands/numbers_dlg.h"

#include <cstddef>
#include <optional>
#include <string>

#include "commands/command_table.h"
#include "commands/refusals.h"
#include "form/program.h"
#include "ops/all_factors.h"
#include "ops/binary.h"
#include "ops/bits.h"
#include "ops/divide.h"
#include "ops/gcf_lcm.h"
#include "ops/prime_factors.h"

namespace {

// The Binary field is read through a buffer of this many characters, its end
// mark included: a longer text is weighed by its first 99 characters, not by
// its last 32.
constexpr std::size_t kBinaryBuffer = 100;

// What a number field holds: its text, fetched once, and the number that text
// reads as by the field's reading; no number when the text holds one the
// reading cannot, since the form's rule would make that a 0 the user never typed.
struct FieldInput {
  std::string text;
  std::optional<int64_t> number;
};

FieldInput ReadInput(const Form& form, const CommandField& field) {
  FieldInput input{form.FieldText(field.id), std::nullopt};
  input.number = ReadFieldValue(input.text, field.numbers->reading);
  return input;
}

Outcome OutcomeOf(bool answered) { return answered ? Outcome::Answered : Outcome::Refused; }

// Prime Factors and All Factors: the number to factorize written about, or
// its field's range refused.
Outcome AnswerForNumber(Form& form, const Command& command, std::string (*write)(int32_t)) {
  const CommandField& field = command.fields[0];
  const std::optional<int64_t> number = ReadInput(form, field).number;
  if (!number) {
    form.SetDlgItemText(command.output, RefuseRange(field.numbers->reading));
    return Outcome::Refused;
  }
  form.SetDlgItemText(command.output, write(static_cast<int32_t>(*number)));
  return OutcomeOf(field.numbers->Takes(*number));
}

}  // namespace

Outcome CNumbersDlg::OnChangeBinary(const Command& command) {
  const std::string text = form_.GetDlgItemText(command.fields[0].id, kBinaryBuffer);
  form_.SetDlgItemInt(command.output, ConvertBinaryText(text));
  return Outcome::Answered;
}

Outcome CNumbersDlg::OnDivide(const Command& command) {
  const CommandField& first = command.fields[0];
  const CommandField& second = command.fields[1];
  form_.BeginWaitCursor();
  const std::optional<int64_t> dividend = ReadInput(form_, first).number;
  const std::optional<int64_t> divisor = ReadInput(form_, second).number;
  Outcome outcome = Outcome::Refused;
  if (dividend && divisor) {
    // A divisor of 0, below SECOND's range, is refused in the division's own words.
    form_.SetDlgItemText(command.output, DivideWithRepeat(static_cast<uint32_t>(*dividend),
                                                          static_cast<uint32_t>(*divisor)));
    outcome = OutcomeOf(first.numbers->Takes(*dividend) && second.numbers->Takes(*divisor));
  } else {
    form_.SetDlgItemText(command.output,
                         RefuseRange(dividend ? second.numbers->reading : first.numbers->reading));
  }
  form_.EndWaitCursor();
  return outcome;
}

Outcome CNumbersDlg::OnGcfLcm(const Command& command) {
  const CommandField& firstField = command.fields[0];
  const CommandField& secondField = command.fields[1];
  form_.SetDlgItemText(command.output, kGcfLcmBanner);
  const std::optional<int64_t> first = ReadInput(form_, firstField).number;
  const std::optional<int64_t> second = ReadInput(form_, secondField).number;
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
  form_.SetDlgItemText(command.output,
                       WriteGcfLcm(static_cast<int32_t>(*first), static_cast<int32_t>(*second)));
  return Outcome::Answered;
}

Outcome CNumbersDlg::OnPrimeFactors(const Command& command) {
  return AnswerForNumber(form_, command, WritePrimeFactorization);
}

Outcome CNumbersDlg::OnAllFactors(const Command& command) {
  return AnswerForNumber(form_, command, WriteAllFactors);
}

Outcome CNumbersDlg::OnBits(const Command& command) {
  const CommandField& field = command.fields[0];
  const FieldInput n = ReadInput(form_, field);
  if (!n.number) {
    // Too large even to read: refused as typed.
    form_.SetDlgItemText(command.output, RefuseBitCombinations(TypedNumber(n.text)));
    return Outcome::Refused;
  }
  // A number outside the field's range is refused by the operation in the same words.
  form_.SetDlgItemText(command.output, FindBitCombinations(static_cast<int32_t>(*n.number)));
  return OutcomeOf(field.numbers->Takes(*n.number));
}

Outcome CNumbersDlg::OnAbout(const Command& /*command*/) {
  form_.MessageBox(kAboutText, kAboutCaption);
  return Outcome::Answered;
}
