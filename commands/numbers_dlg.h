// The calculator's seven command handlers. Each is given its entry of the
// command table, reads that entry's fields through the form operations of the
// Form it was given, calls an operation, writes the answer to the entry's
// output field and says whether it answered or refused. Every shell owns one
// of these next to its realization of Form.
#pragma once

#include "commands/outcome.h"
#include "form/form.h"

struct Command;

class CNumbersDlg {
 public:
  explicit CNumbersDlg(Form& form) : form_(form) {}

  Outcome OnChangeBinary(const Command& command);
  Outcome OnDivide(const Command& command);
  Outcome OnGcfLcm(const Command& command);
  Outcome OnPrimeFactors(const Command& command);
  Outcome OnAllFactors(const Command& command);
  Outcome OnBits(const Command& command);
  Outcome OnAbout(const Command& command);

 private:
  Form& form_;
};
