// What a screen reader calls each control of the form. Windows names a field
// after the static text just before it in the z-order, so each label is moved
// there (labels are no tab stops: the tab order stays); and every control is
// given its name from the layout through the accessibility property service,
// which also names the first number, a field without a label.
#pragma once

#include <string>
#include <vector>

#include "app/win32/framework/windows_api.h"

struct IAccPropServices;

struct AccessibleName {
  HWND control;
  std::wstring name;
};

// Each control of the dialog with the name it is given.
std::vector<AccessibleName> AccessibleNamesOf(HWND dialog);

// Puts each label just before the field it names in the z-order.
void PlaceLabelsBeforeTheirFields(HWND dialog);

class CAccessibleNames {
 public:
  CAccessibleNames() = default;
  ~CAccessibleNames();
  CAccessibleNames(const CAccessibleNames&) = delete;
  CAccessibleNames& operator=(const CAccessibleNames&) = delete;

  // Names every control for assistive technology. False where the system has
  // no property service or refuses the names (Wine has none): the names then
  // come from the labels alone.
  bool Annotate(HWND dialog);
  // Takes the names back; before the controls go.
  void Clear();

 private:
  bool m_comStarted = false;
  IAccPropServices* m_services = nullptr;
  std::vector<HWND> m_annotated;
};
