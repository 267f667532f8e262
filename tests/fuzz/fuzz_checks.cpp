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

const FuzzCommand kCommands[] = {
    {"binary", {IDC_BINARY}, IDC_BINARY, Notification::TextChanged, IDC_DECIMAL},
    {"divide", {IDC_FIRST_NUMBER, IDC_SECOND_NUMBER}, IDC_DIVIDE, Notification::Clicked, IDC_RESULT},
    {"gcf_lcm", {IDC_FIRST_NUMBER, IDC_SECOND_NUMBER}, IDC_GCF_LCM, Notification::Clicked, IDC_RESULT},
    {"prime_factors", {IDC_SINGLE_NUMBER}, IDC_PRIME_FACTORS, Notification::Clicked, IDC_RESULT},
    {"all_factors", {IDC_SINGLE_NUMBER}, IDC_ALL_FACTORS, Notification::Clicked, IDC_RESULT},
    {"bits", {IDC_SINGLE_NUMBER}, IDC_BITS, Notification::Clicked, IDC_RESULT},
};

int32_t SignedField(const MemoryForm& form, ControlId id) {
  return static_cast<int32_t>(ReadFieldNumber(form.FieldText(id), Reading::Signed));
}

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
  const std::string expected =
      divisor == 0 ? std::string(kDivideByZeroText) : DivideLiterallyWithLookup(dividend, divisor);
  Expect(after.FieldText(IDC_RESULT) == expected, "the division matches the literal one");
}

void CheckBits(const MemoryForm& before, const MemoryForm& after) {
  const auto n = static_cast<int32_t>(ReadFieldNumber(before.FieldText(IDC_SINGLE_NUMBER), Reading::Signed));
  const std::string& text = after.FieldText(IDC_RESULT);
  // The digit register grows with the square of n: past a few thousand bits it
  // is too slow to run per input, and the whole range is the unit tests' job.
  if (n <= 3000) {
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
  Expect(boxShown == (first == 0 || second == 0), "only a zero is refused");
  if (FitsTheLiteralTable(first) && FitsTheLiteralTable(second)) {
    Expect(after.FieldText(IDC_RESULT) == reference::WriteGcfLcm(first, second),
           "GCF/LCM matches the literal one");
  }
}

void CheckAllFactors(const MemoryForm& before, const MemoryForm& after) {
  const int32_t n = SignedField(before, IDC_SINGLE_NUMBER);
  if (n == 0 || FitsTheLiteralTable(n)) {
    Expect(after.FieldText(IDC_RESULT) == reference::WriteAllFactors(n),
           "all factors match the literal listing");
  }
}

void CheckPrimeFactors(const MemoryForm& before, const MemoryForm& after) {
  const int32_t n = SignedField(before, IDC_SINGLE_NUMBER);
  if (n >= 0) {
    Expect(after.FieldText(IDC_RESULT) == reference::WritePrimeFactorization(n),
           "the prime factorization matches the literal one");
  }
}

}  // namespace

const FuzzCommand& FuzzCommandNumber(int number) { return kCommands[number]; }

void CheckRun(const FuzzCommand& command, const MemoryForm& before, const MemoryForm& after) {
  Expect(after.WaitDepth() == 0, "the busy pointer is back");
  for (const ControlId id : command.fields) {
    if (id != command.output) {
      Expect(after.FieldText(id) == before.FieldText(id), "input fields keep their text");
    }
  }
  bool wroteOutput = false;
  for (const MemoryForm::Event& event : after.Events()) {
    if (event.kind == MemoryForm::EventKind::SetText) {
      Expect(event.id == command.output, "only the output field is written");
      wroteOutput = true;
    }
  }
  Expect(wroteOutput, "the output field is written");

  if (command.source == IDC_BINARY) CheckBinary(before, after);
  if (command.source == IDC_DIVIDE) CheckDivide(before, after);
  if (command.source == IDC_BITS) CheckBits(before, after);
  if (command.source == IDC_GCF_LCM) CheckGcfLcm(before, after);
  if (command.source == IDC_ALL_FACTORS) CheckAllFactors(before, after);
  if (command.source == IDC_PRIME_FACTORS) CheckPrimeFactors(before, after);
}
