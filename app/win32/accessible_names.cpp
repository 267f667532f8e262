#include "app/win32/accessible_names.h"

// Defines the property service's class, interface and property ids here.
#include <initguid.h>

#include <oleacc.h>

#include "app/win32/framework/wide_text.h"
#include "app/win32/label_windows.h"
#include "form/form_layout.h"

std::vector<AccessibleName> AccessibleNamesOf(HWND dialog) {
  std::vector<AccessibleName> names;
  for (const ControlPlace& place : kControls) {
    const HWND control = GetDlgItem(dialog, place.id);
    if (control != nullptr) names.push_back({control, WideOfCp1252(place.accessibleName)});
  }
  return names;
}

void PlaceLabelsBeforeTheirFields(HWND dialog) {
  for (const LabelPlace& label : kLabels) {
    const HWND labelWindow = LabelWindow(dialog, label);
    const HWND field = GetDlgItem(dialog, label.buddy);
    if (labelWindow == nullptr || field == nullptr) continue;
    const HWND before = GetWindow(field, GW_HWNDPREV);
    if (before == labelWindow) continue;
    SetWindowPos(labelWindow, before != nullptr ? before : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
  }
}

CAccessibleNames::~CAccessibleNames() { Clear(); }

bool CAccessibleNames::Annotate(HWND dialog) {
  Clear();
  m_comStarted = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IAccPropServices, reinterpret_cast<void**>(&m_services)))) {
    m_services = nullptr;
    return false;
  }
  bool named = true;
  for (const AccessibleName& entry : AccessibleNamesOf(dialog)) {
    if (FAILED(m_services->SetHwndPropStr(entry.control, static_cast<DWORD>(OBJID_CLIENT),
                                          CHILDID_SELF, PROPID_ACC_NAME, entry.name.c_str()))) {
      named = false;
      continue;
    }
    m_annotated.push_back(entry.control);
  }
  return named;
}

void CAccessibleNames::Clear() {
  if (m_services != nullptr) {
    MSAAPROPID name = PROPID_ACC_NAME;
    for (const HWND control : m_annotated) {
      m_services->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &name, 1);
    }
    m_services->Release();
    m_services = nullptr;
  }
  m_annotated.clear();
  if (m_comStarted) CoUninitialize();
  m_comStarted = false;
}
