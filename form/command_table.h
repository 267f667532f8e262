// The command table: which handler a notification from the form runs.
// Every shell forwards its notifications here and nowhere else.
#pragma once

#include <array>

#include "form/control_ids.h"
#include "form/numbers_dlg.h"

enum class Notification { TextChanged, Clicked };

struct Command {
  ControlId source;
  Notification notification;
  void (CNumbersDlg::*handler)();
};

inline constexpr std::array<Command, 7> kCommandTable{{
    {IDC_BINARY, Notification::TextChanged, &CNumbersDlg::OnChangeBinary},
    {IDC_DIVIDE, Notification::Clicked, &CNumbersDlg::OnDivide},
    {IDC_GCF_LCM, Notification::Clicked, &CNumbersDlg::OnGcfLcm},
    {IDC_PRIME_FACTORS, Notification::Clicked, &CNumbersDlg::OnPrimeFactors},
    {IDC_ALL_FACTORS, Notification::Clicked, &CNumbersDlg::OnAllFactors},
    {IDC_BITS, Notification::Clicked, &CNumbersDlg::OnBits},
    {IDC_ABOUT, Notification::Clicked, &CNumbersDlg::OnAbout},
}};

// Runs the handler of the first matching entry to its end. A notification
// without an entry does nothing and gives false.
bool DispatchCommand(CNumbersDlg& dialog, ControlId source, Notification notification);
