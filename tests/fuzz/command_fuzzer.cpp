// Feeds arbitrary field texts to one command through the in-memory form and the
// real command table, then checks what every run must leave behind: the busy
// pointer back, the input fields untouched, only the output written, and the
// text equal to the literal reference wherever that is defined. A failed check
// aborts, which the fuzzer reports with its input. The command is named at run
// time (NUMBREL_FUZZ_COMMAND), so that coverage and corpora stay per command;
// NUMBREL_FUZZ_LIST lists the commands with the inputs of their bounded runs.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "commands/command_table.h"
#include "form/field_reading.h"
#include "form/memory_form.h"
#include "ops/divide.h"
#include "ops/divisor_table.h"
#include "tests/reference/all_factors_reference.h"
#include "tests/reference/bits_reference.h"
#include "tests/reference/divide_reference.h"
#include "tests/reference/gcf_lcm_reference.h"
#include "tests/reference/prime_factors_reference.h"

namespace {

void Expect(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "check failed: %s\n", what);
  std::abort();
}

// A field as the command reads it: its number, or nothing when out of range.
struct Read {
  uint32_t number;
  bool outOfRange;
};
Read ReadField(const MemoryForm& form, ControlId id, Reading reading) {
  return {ReadFieldNumber(form.FieldText(id), reading), IsOutOfRange(form.FieldText(id), reading)};
}

// The literal divisor table holds 1,000 divisors; past that it has no answer.
bool FitsTheLiteralTable(uint32_t n) {
  DivisorTable divisors;
  return n < 2147483648u && ListDivisors(n, divisors) <= 1000;
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
  const Read dividend = ReadField(before, IDC_FIRST_NUMBER, Reading::Unsigned);
  const Read divisor = ReadField(before, IDC_SECOND_NUMBER, Reading::Unsigned);
  const std::string expected =
      dividend.outOfRange || divisor.outOfRange ? "Invalid Input, Numbers from 0 to 4,294,967,295 only"
      : divisor.number == 0 ? std::string(kDivideByZeroText)
                            : DivideLiterallyWithLookup(dividend.number, divisor.number);
  Expect(after.FieldText(IDC_RESULT) == expected, "the division matches the literal one");
}

void CheckGcfLcm(const MemoryForm& before, const MemoryForm& after) {
  const Read first = ReadField(before, IDC_FIRST_NUMBER, Reading::Signed);
  const Read second = ReadField(before, IDC_SECOND_NUMBER, Reading::Signed);
  const bool boxShown = after.Events().back().kind == MemoryForm::EventKind::MessageBox;
  Expect(boxShown == (first.outOfRange || second.outOfRange || first.number == 0 ||
                      second.number == 0),
         "only a zero or a range is refused");
  if (!boxShown && FitsTheLiteralTable(first.number) && FitsTheLiteralTable(second.number)) {
    Expect(after.FieldText(IDC_RESULT) == reference::WriteGcfLcm(static_cast<int32_t>(first.number),
                                                                 static_cast<int32_t>(second.number)),
           "GCF/LCM matches the literal one");
  }
}

// Prime factors and all factors: the literal text for every non-negative number
// the literal divisor table can hold.
template <std::string (*kReference)(int32_t)>
void CheckFactors(const MemoryForm& before, const MemoryForm& after) {
  const Read n = ReadField(before, IDC_SINGLE_NUMBER, Reading::Signed);
  const std::string& text = after.FieldText(IDC_RESULT);
  if (n.outOfRange) {
    Expect(text == "Invalid Input, Numbers from -2,147,483,647 to 2,147,483,647 only",
           "a factoring command refuses the range");
  } else if (n.number == 0 || FitsTheLiteralTable(n.number)) {
    Expect(text == kReference(static_cast<int32_t>(n.number)), "the factors match the literal text");
  }
}

void CheckBits(const MemoryForm& before, const MemoryForm& after) {
  const Read n = ReadField(before, IDC_SINGLE_NUMBER, Reading::Signed);
  const std::string& text = after.FieldText(IDC_RESULT);
  // The digit register grows with the square of n: past a few thousand bits it
  // is too slow to run per input, and the whole range is the unit tests' job.
  if (n.outOfRange) {
    Expect(text.ends_with(" is too large, max input is 262,144\r\n"), "an unreadable n is refused");
  } else if (n.number == 0) {
    Expect(text.ends_with("The result of 0 Bits is:\r\n\r\n1"), "2 to the power 0 is 1");
  } else if (n.number <= 3000 || n.number >= 2147483648u) {
    Expect(text == FindBitCombinationsLiterally(static_cast<int32_t>(n.number)),
           "the bits text matches the digit register");
  } else {
    Expect(text.size() > 164 && text.back() != ',', "a long bits text ends in a digit");
  }
}

// Sized so that the whole bounded run takes about half a minute: a fuzzed
// division is checked against the literal one, and a bits text against the
// digit register where n is small.
struct FuzzPlan {
  ControlId source;
  int runs;  // inputs in the bounded run of make test
  void (*check)(const MemoryForm& before, const MemoryForm& after);
};
constexpr FuzzPlan kPlans[] = {
    {IDC_BINARY, 100000, CheckBinary},          {IDC_DIVIDE, 20000, CheckDivide},
    {IDC_GCF_LCM, 30000, CheckGcfLcm},
    {IDC_PRIME_FACTORS, 30000, CheckFactors<reference::WritePrimeFactorization>},
    {IDC_ALL_FACTORS, 30000, CheckFactors<reference::WriteAllFactors>},
    {IDC_BITS, 1500, CheckBits},
};

const FuzzPlan* PlanOf(const Command& command) {
  for (const FuzzPlan& plan : kPlans) {
    if (plan.source == command.source) return &plan;
  }
  return nullptr;
}

const Command* fuzzed = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  if (std::getenv("NUMBREL_FUZZ_LIST") != nullptr) {
    for (const Command& command : kCommandTable) {
      if (const FuzzPlan* plan = PlanOf(command)) std::printf("%s %d\n", command.name, plan->runs);
    }
    std::exit(0);
  }
  const char* name = std::getenv("NUMBREL_FUZZ_COMMAND");
  fuzzed = name == nullptr ? nullptr : FindCommand(name);
  if (fuzzed == nullptr || PlanOf(*fuzzed) == nullptr) {
    std::fprintf(stderr, "NUMBREL_FUZZ_COMMAND must name a command with fields\n");
    std::exit(2);
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  MemoryForm form;
  CNumbersDlg dialog(form);
  // The fields are read in order; the last one takes the rest of the input,
  // so a one-field corpus file is simply that field's text.
  for (std::size_t f = 0; f < fuzzed->fields.size(); ++f) {
    const bool last = f + 1 == fuzzed->fields.size();
    form.Type(fuzzed->fields[f].id, last ? input.ConsumeRemainingBytesAsString()
                                         : input.ConsumeRandomLengthString(200000));
  }
  const MemoryForm before = form;
  DispatchCommand(dialog, fuzzed->source, fuzzed->notification);

  Expect(form.WaitDepth() == 0, "the busy pointer is back");
  bool wroteOutput = false;
  for (const MemoryForm::Event& event : form.Events()) {
    if (event.kind != MemoryForm::EventKind::SetText) continue;
    Expect(event.id == fuzzed->output, "only the output field is written");
    wroteOutput = true;
  }
  Expect(wroteOutput, "the output field is written");
  for (const CommandField& field : fuzzed->fields) {
    Expect(form.FieldText(field.id) == before.FieldText(field.id), "input fields keep their text");
  }
  PlanOf(*fuzzed)->check(before, form);
  return 0;
}
