// The input fields of the commands: for each, the name scripts give it, what
// it holds in plain words, and, for a number, the reading of its text and the
// numbers the command takes from it. The command table lists them; the
// handlers read their fields through its entries, and the help, the fuzzer and
// the benchmarks take the fields' names and ranges there.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "form/control_ids.h"
#include "form/field_reading.h"
#include "form/form.h"
#include "ops/bits.h"

// The numbers a command takes from a number field: its text is read by
// reading; a number the reading cannot hold, or one outside lowest to highest,
// or 0 where zero is refused, is refused by the command.
struct TakenNumbers {
  Reading reading;
  int64_t lowest = RangeOf(reading).lowest;
  int64_t highest = RangeOf(reading).highest;
  bool takesZero = true;

  constexpr bool Takes(int64_t number) const {
    return number >= lowest && number <= highest && (takesZero || number != 0);
  }
};

// One input field of a command, in the order a script gives them.
struct CommandField {
  ControlId id = 0;
  const char* name = nullptr;           // for scripts: "FIRST"
  const char* holds = nullptr;          // what the field holds, in plain words, before its range
  std::optional<TakenNumbers> numbers;  // none: the text is not read as a number
};

// "a whole number from -2,147,483,647 to 2,147,483,647, not 0": what the field
// holds with the numbers the command takes.
std::string FieldMeaning(const CommandField& field);

namespace command_fields {
inline constexpr std::array kBinary{
    CommandField{IDC_BINARY, "TEXT", "1 to 32 binary digits", std::nullopt}};
inline constexpr std::array kDivision{
    CommandField{IDC_FIRST_NUMBER, "FIRST", "a whole number", TakenNumbers{Reading::Unsigned}},
    CommandField{IDC_SECOND_NUMBER, "SECOND", "a whole number",
                 TakenNumbers{Reading::Unsigned, 1}}};
inline constexpr TakenNumbers kNonZeroSigned{Reading::Signed, RangeOf(Reading::Signed).lowest,
                                             RangeOf(Reading::Signed).highest, false};
inline constexpr std::array kPair{
    CommandField{IDC_FIRST_NUMBER, "FIRST", "a whole number", kNonZeroSigned},
    CommandField{IDC_SECOND_NUMBER, "SECOND", "a whole number", kNonZeroSigned}};
inline constexpr std::array kFactorized{
    CommandField{IDC_SINGLE_NUMBER, "NUMBER", "a whole number", TakenNumbers{Reading::Signed}}};
inline constexpr std::array kBits{CommandField{IDC_SINGLE_NUMBER, "NUMBER",
                                               "a whole number of bits",
                                               TakenNumbers{Reading::Signed, 0, kMostBits}}};
}  // namespace command_fields
