// The calculator's seven command handlers. Each reaches the window only
// through the form operations of the Form it was given; the arithmetic lives
// in ops/. Every shell owns one of these next to its realization of Form.
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
