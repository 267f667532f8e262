// The calculator's seven command handlers. Each reads its fields through the
// form operations of the Form it was given, calls an operation, writes the
// answer to its output field and says whether it answered or refused. Every
// shell owns one of these next to its realization of Form.
#pragma once

#include "commands/outcome.h"
#include "form/form.h"

class CNumbersDlg {
 public:
  explicit CNumbersDlg(Form& form) : form_(form) {}

  Outcome OnChangeBinary();
  Outcome OnDivide();
  Outcome OnGcfLcm();
  Outcome OnPrimeFactors();
  Outcome OnAllFactors();
  Outcome OnBits();
  Outcome OnAbout();

 private:
  Form& form_;
};
