// The command table: every fact of a command written once. Which notification
// runs which handler, the name scripts call it by, the fields it reads and the
// field it writes. Every shell forwards its notifications here, and the
// terminal program, the fuzzers and the benchmarks read their commands here.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "commands/numbers_dlg.h"
#include "form/control_ids.h"

enum class Notification { TextChanged, Clicked };

// One input field of a command, in the order a script gives them.
struct CommandField {
  ControlId id;
  const char* name;     // for scripts: "FIRST"
  const char* meaning;  // what the field holds, in plain words
};

struct Command {
  const char* name;  // for scripts: "gcf-lcm"
  const char* description;
  ControlId source;
  Notification notification;
  std::span<const CommandField> fields;
  ControlId output;  // the field the answer is written to; 0 when only a box is shown
  void (CNumbersDlg::*handler)();
};

namespace command_fields {
inline constexpr CommandField kBinary[] = {
    {IDC_BINARY, "TEXT", "binary digits; the last 32 count, and a character other than 1 weighs 0"}};
inline constexpr CommandField kDivision[] = {
    {IDC_FIRST_NUMBER, "FIRST", "a whole number from 0 to 4,294,967,295"},
    {IDC_SECOND_NUMBER, "SECOND", "a whole number from 1 to 4,294,967,295"}};
inline constexpr CommandField kPair[] = {
    {IDC_FIRST_NUMBER, "FIRST", "a whole number from -2,147,483,647 to 2,147,483,647, not 0"},
    {IDC_SECOND_NUMBER, "SECOND", "a whole number from -2,147,483,647 to 2,147,483,647, not 0"}};
inline constexpr CommandField kFactorized[] = {
    {IDC_SINGLE_NUMBER, "NUMBER", "a whole number from -2,147,483,647 to 2,147,483,647"}};
inline constexpr CommandField kBits[] = {
    {IDC_SINGLE_NUMBER, "NUMBER", "a whole number of bits from 0 to 262,144"}};
}  // namespace command_fields

inline constexpr std::array<Command, 7> kCommandTable{{
    {"binary", "what the Decimal field shows for a Binary field's text", IDC_BINARY,
     Notification::TextChanged, command_fields::kBinary, IDC_DECIMAL,
     &CNumbersDlg::OnChangeBinary},
    {"divide", "long division of FIRST by SECOND, the repeating block marked", IDC_DIVIDE,
     Notification::Clicked, command_fields::kDivision, IDC_RESULT, &CNumbersDlg::OnDivide},
    {"gcf-lcm", "greatest common factor and least common multiple",
     IDC_GCF_LCM, Notification::Clicked, command_fields::kPair, IDC_RESULT,
     &CNumbersDlg::OnGcfLcm},
    {"prime-factors", "prime factorization of NUMBER", IDC_PRIME_FACTORS, Notification::Clicked,
     command_fields::kFactorized, IDC_RESULT, &CNumbersDlg::OnPrimeFactors},
    {"all-factors", "every factor of NUMBER, largest first", IDC_ALL_FACTORS,
     Notification::Clicked, command_fields::kFactorized, IDC_RESULT, &CNumbersDlg::OnAllFactors},
    {"bits", "2 to the power NUMBER, written out in full", IDC_BITS, Notification::Clicked,
     command_fields::kBits, IDC_RESULT, &CNumbersDlg::OnBits},
    {"about", "the About box", IDC_ABOUT, Notification::Clicked, {}, 0, &CNumbersDlg::OnAbout},
}};

// Runs the handler of the first matching entry to its end. A notification
// without an entry does nothing and gives false.
bool DispatchCommand(CNumbersDlg& dialog, ControlId source, Notification notification);

// The command scripts call by this name, or nullptr.
const Command* FindCommand(std::string_view name);
