#include "tests/fuzz/fuzz_checks.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "form/field_reading.h"
#include "ops/binary.h"
#include "ops/divide.h"
#include "ops/divisor_table.h"
#include "tests/reference/all_factors_reference.h"
#include "tests/reference/bits_reference.h"
#include "tests/reference/gcf_lcm_reference.h"
#include "tests/reference/prime_factors_reference.h"
#include "tests/reference/divide_reference.h"

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "check failed: %s\n", what);
  std::abort();
}

void Expect(bool holds, const char* what) {
  if (!holds) Fail(what);
}

int32_t SignedField(const MemoryForm& form, ControlId id) {
  return static_cast<int32_t>(ReadFieldNumber(form.FieldText(id), Reading::Signed));
}

bool OutOfRange(const MemoryForm& form, ControlId id, Reading reading) {
  return IsOutOfRange(form.FieldText(id), reading);
}

constexpr const char* kSignedRefusal = "Invalid Input, Numbers from -2,147,483,647 to 2,147,483,647 only";

void CheckBinary(const MemoryForm& before, const MemoryForm& after) {
  // The conversion bit by bit, straight from the first 99 characters.
  std::string text = before.FieldText(IDC_BINARY).substr(0, 99);
  text = text.substr(0, text.find('\0'));
  uint64_t value = 0;
  for (std::size_t k = 0; k < 32 && k < text.size(); ++k) {
    if (text[text.size() - 1 - k] == '1') value += uint64_t{1} << k;
  }
  Expect(after.FieldText(IDC_DECIMAL) == std::to_string(value), "binary matches its bit sum");
}

void CheckDivide(const MemoryForm& before, const MemoryForm& after) {
  const uint32_t dividend = ReadFieldNumber(before.FieldText(IDC_FIRST_NUMBER), Reading::Unsigned);
  const uint32_t divisor = ReadFieldNumber(before.FieldText(IDC_SECOND_NUMBER), Reading::Unsigned);
  const bool refused = OutOfRange(before, IDC_FIRST_NUMBER, Reading::Unsigned) ||
                       OutOfRange(before, IDC_SECOND_NUMBER, Reading::Unsigned);
  const std::string expected =
      refused        ? std::string("Invalid Input, Numbers from 0 to 4,294,967,295 only")
      : divisor == 0 ? std::string(kDivideByZeroText)
                     : DivideLiterallyWithLookup(dividend, divisor);
  Expect(after.FieldText(IDC_RESULT) == expected, "the division matches the literal one");
}

void CheckBits(const MemoryForm& before, const MemoryForm& after) {
  const auto n = static_cast<int32_t>(ReadFieldNumber(before.FieldText(IDC_SINGLE_NUMBER), Reading::Signed));
  const std::string& text = after.FieldText(IDC_RESULT);
  // The digit register grows with the square of n: past a few thousand bits it
  // is too slow to run per input, and the whole range is the unit tests' job.
  if (OutOfRange(before, IDC_SINGLE_NUMBER, Reading::Signed)) {
    Expect(text.ends_with(" is too large, max input is 262,144\r\n"), "an unreadable n is refused");
  } else if (n == 0) {
    Expect(text.ends_with("The result of 0 Bits is:\r\n\r\n1"), "2 to the power 0 is 1");
  } else if (n <= 3000) {
    Expect(text == FindBitCombinationsLiterally(n), "the bits text matches the digit register");
  } else {
    Expect(text.size() > 164 && text.back() != ',', "a long bits text ends in a digit");
  }
}

// The literal divisor table holds 1,000 divisors; past that it has no answer.
bool FitsTheLiteralTable(int32_t n) {
  DivisorTable divisors;
  return n > 0 && ListDivisors(static_cast<uint32_t>(n), divisors) <= 1000;
}

void CheckGcfLcm(const MemoryForm& before, const MemoryForm& after) {
  const int32_t first = SignedField(before, IDC_FIRST_NUMBER);
  const int32_t second = SignedField(before, IDC_SECOND_NUMBER);
  bool boxShown = false;
  for (const MemoryForm::Event& event : after.Events()) {
    boxShown = boxShown || event.kind == MemoryForm::EventKind::MessageBox;
  }
  const bool outOfRange = OutOfRange(before, IDC_FIRST_NUMBER, Reading::Signed) ||
                          OutOfRange(before, IDC_SECOND_NUMBER, Reading::Signed);
  Expect(boxShown == (outOfRange || first == 0 || second == 0), "only a zero or a range is refused");
  if (!boxShown && FitsTheLiteralTable(first) && FitsTheLiteralTable(second)) {
    Expect(after.FieldText(IDC_RESULT) == reference::WriteGcfLcm(first, second),
           "GCF/LCM matches the literal one");
  }
}

void CheckAllFactors(const MemoryForm& before, const MemoryForm& after) {
  const int32_t n = SignedField(before, IDC_SINGLE_NUMBER);
  if (OutOfRange(before, IDC_SINGLE_NUMBER, Reading::Signed)) {
    Expect(after.FieldText(IDC_RESULT) == kSignedRefusal, "all factors refuse the range");
  } else if (n == 0 || FitsTheLiteralTable(n)) {
    Expect(after.FieldText(IDC_RESULT) == reference::WriteAllFactors(n),
           "all factors match the literal listing");
  }
}

void CheckPrimeFactors(const MemoryForm& before, const MemoryForm& after) {
  const int32_t n = SignedField(before, IDC_SINGLE_NUMBER);
  if (OutOfRange(before, IDC_SINGLE_NUMBER, Reading::Signed)) {
    Expect(after.FieldText(IDC_RESULT) == kSignedRefusal, "prime factors refuse the range");
  } else if (n >= 0) {
    Expect(after.FieldText(IDC_RESULT) == reference::WritePrimeFactorization(n),
           "the prime factorization matches the literal one");
  }
}

// Sized so that the whole bounded run takes about half a minute: a fuzzed
// division is checked against the literal one, and a bits text against the
// digit register where n is small.
constexpr FuzzPlan kPlans[] = {
    {IDC_BINARY, 100000, CheckBinary},          {IDC_DIVIDE, 20000, CheckDivide},
    {IDC_GCF_LCM, 30000, CheckGcfLcm},          {IDC_PRIME_FACTORS, 30000, CheckPrimeFactors},
    {IDC_ALL_FACTORS, 30000, CheckAllFactors},  {IDC_BITS, 1500, CheckBits},
};

}  // namespace

const FuzzPlan* FuzzPlanOf(const Command& command) {
  for (const FuzzPlan& plan : kPlans) {
    if (plan.source == command.source) return &plan;
  }
  return nullptr;
}

void CheckRun(const Command& command, const MemoryForm& before, const MemoryForm& after) {
  Expect(after.WaitDepth() == 0, "the busy pointer is back");
  for (const CommandField& field : command.fields) {
    Expect(after.FieldText(field.id) == before.FieldText(field.id), "input fields keep their text");
  }
  bool wroteOutput = false;
  for (const MemoryForm::Event& event : after.Events()) {
    if (event.kind == MemoryForm::EventKind::SetText) {
      Expect(event.id == command.output, "only the output field is written");
      wroteOutput = true;
    }
  }
  Expect(wroteOutput, "the output field is written");

  FuzzPlanOf(command)->check(before, after);
}
