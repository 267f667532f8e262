// The command table: every fact of a command written once. Which notification
// runs which handler, the name scripts call it by, the fields it reads and the
// field it writes: a handler is given its entry and takes both from there.
// Every shell forwards its notifications here, and the terminal program, the
// fuzzer and the benchmarks read their commands here and learn from it whether
// a run answered or refused.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "commands/command_fields.h"
#include "commands/numbers_dlg.h"
#include "form/control_ids.h"

enum class Notification { TextChanged, Clicked };

struct Command {
  const char* name;  // for scripts: "gcf-lcm"
  const char* description;
  ControlId source;
  Notification notification;
  std::span<const CommandField> fields;
  ControlId output;  // the field the answer is written to; 0 when only a box is shown
  Outcome (CNumbersDlg::*handler)(const Command& command);
};

inline constexpr std::array<Command, 7> kCommandTable{{
    {"binary", "what the Decimal field shows for a Binary field's text", IDC_BINARY,
     Notification::TextChanged, command_fields::kBinary, IDC_DECIMAL, &CNumbersDlg::OnChangeBinary},
    {"divide", "long division of FIRST by SECOND, the repeating block marked", IDC_DIVIDE,
     Notification::Clicked, command_fields::kDivision, IDC_RESULT, &CNumbersDlg::OnDivide},
    {"gcf-lcm", "greatest common factor and least common multiple", IDC_GCF_LCM,
     Notification::Clicked, command_fields::kPair, IDC_RESULT, &CNumbersDlg::OnGcfLcm},
    {"prime-factors", "prime factorization of NUMBER", IDC_PRIME_FACTORS, Notification::Clicked,
     command_fields::kFactorized, IDC_RESULT, &CNumbersDlg::OnPrimeFactors},
    {"all-factors", "every factor of NUMBER, largest first", IDC_ALL_FACTORS, Notification::Clicked,
     command_fields::kFactorized, IDC_RESULT, &CNumbersDlg::OnAllFactors},
    {"bits", "2 to the power NUMBER, written out in full", IDC_BITS, Notification::Clicked,
     command_fields::kBits, IDC_RESULT, &CNumbersDlg::OnBits},
    {"about", "the About box", IDC_ABOUT, Notification::Clicked, {}, 0, &CNumbersDlg::OnAbout},
}};

// Runs the command's handler to its end and passes on how it ended.
Outcome RunCommand(CNumbersDlg& dialog, const Command& command);

// Runs the handler of the first matching entry to its end. A notification
// without an entry does nothing and gives false.
bool DispatchCommand(CNumbersDlg& dialog, ControlId source, Notification notification);

// The command scripts call by this name, or nullptr.
const Command* FindCommand(std::string_view name);
