// The calculator's seven command handlers. Each reads its fields through the
// form operations of the Form it was given, calls an operation, and writes the
// answer to its output field. Every shell owns one of these next to its
// realization of Form.
#pragma once

#include "form/form.h"

class CNumbersDlg {
 public:
  explicit CNumbersDlg(Form& form) : form_(form) {}

  void OnChangeBinary();
  void OnDivide();
  void OnGcfLcm();
  void OnPrimeFactors();
  void OnAllFactors();
  void OnBits();
  void OnAbout();

 private:
  Form& form_;
};
