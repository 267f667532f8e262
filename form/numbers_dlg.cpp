#include "form/numbers_dlg.h"

#include "form/about.h"
#include "ops/all_factors.h"
#include "ops/binary.h"
#include "ops/bits.h"
#include "ops/divide.h"
#include "ops/gcf_lcm.h"
#include "ops/prime_factors.h"

void CNumbersDlg::OnChangeBinary() { HandleChangeBinary(form_); }
void CNumbersDlg::OnDivide() { HandleDivide(form_); }
void CNumbersDlg::OnGcfLcm() { HandleGcfLcm(form_); }
void CNumbersDlg::OnPrimeFactors() { HandlePrimeFactors(form_); }
void CNumbersDlg::OnAllFactors() { HandleAllFactors(form_); }
void CNumbersDlg::OnBits() { HandleBits(form_); }
void CNumbersDlg::OnAbout() { form_.MessageBox(kAboutText, kAboutCaption); }
