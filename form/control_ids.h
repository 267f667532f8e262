// The ids of the calculator form's fields and buttons.
// Plain #defines on purpose: the Windows resource compiler reads this header too.
#ifndef NUMBREL_FORM_CONTROL_IDS_H
#define NUMBREL_FORM_CONTROL_IDS_H

#define IDC_FIRST_NUMBER 1000
#define IDC_SECOND_NUMBER 1001
#define IDC_DIVIDE 1002
#define IDC_RESULT 1003
#define IDC_GCF_LCM 1004
#define IDC_SINGLE_NUMBER 1005
#define IDC_PRIME_FACTORS 1006
#define IDC_ALL_FACTORS 1007
#define IDC_BINARY 1008
#define IDC_DECIMAL 1009
#define IDC_BITS 1010
#define IDC_ABOUT 1012

#endif
