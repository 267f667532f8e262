#include "app/win32/framework/dialog.h"

#include "app/win32/framework/win_app.h"

namespace {

// The few messages whose result a dialog procedure returns itself instead of
// through DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message) {
  switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
      return true;
    default:
      return false;
  }
}

}  // namespace

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_parent(parent) {}

INT_PTR CDialog::DoModal() {
  const HWND owner = m_parent != nullptr ? m_parent->m_hWnd : nullptr;
  return DialogBoxParamW(AfxGetApp()->Instance(), ResourceName(m_templateId), owner,
                         &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(INT_PTR result) { ::EndDialog(m_hWnd, result); }

BOOL CDialog::OnInitDialog() { return TRUE; }

void CDialog::OnOK() { EndDialog(IDOK); }

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

std::span<const CDialog::MessageMapEntry> CDialog::GetMessageMap() const { return {}; }

void CDialog::OnCommand(WPARAM wParam) {
  const auto id = LOWORD(wParam);
  if (HIWORD(wParam) != BN_CLICKED) {
    Default();
  } else if (id == IDOK) {
    OnOK();
  } else if (id == IDCANCEL) {
    OnCancel();
  } else {
    Default();
  }
}

bool CDialog::DispatchTo(std::span<const MessageMapEntry> map, UINT message, WPARAM wParam,
                         LPARAM lParam, LRESULT& result) {
  for (const MessageMapEntry& entry : map) {
    if (entry.message != message) continue;
    m_defaultRequested = false;
    result = entry.handler(*this, wParam, lParam);
    if (!m_defaultRequested) return true;
  }
  return false;
}

bool CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  static constexpr MessageMapEntry kDialogMap[] = {
      {WM_COMMAND,
       [](CDialog& dialog, WPARAM w, LPARAM) -> LRESULT {
         dialog.OnCommand(w);
         return 0;
       }},
  };
  return DispatchTo(GetMessageMap(), message, wParam, lParam, result) ||
         DispatchTo(kDialogMap, message, wParam, lParam, result);
}

void CDialog::CenterIfAtOrigin() {
  if ((GetWindowLongW(m_hWnd, GWL_STYLE) & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN)) != 0) return;
  RECT window;
  GetWindowRect(m_hWnd, &window);
  if (window.left != 0 || window.top != 0) return;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoW(MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTOPRIMARY), &monitor)) return;
  const RECT& area = monitor.rcWork;
  const LONG width = window.right - window.left;
  const LONG height = window.bottom - window.top;
  const LONG x = area.left + (area.right - area.left - width) / 2;
  const LONG y = area.top + (area.bottom - area.top - height) / 2;
  SetWindowPos(m_hWnd, nullptr, x > area.left ? x : area.left, y > area.top ? y : area.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    SetWindowLongPtrW(window, DWLP_USER, lParam);
    dialog->m_hWnd = window;
    const BOOL focusFirst = dialog->OnInitDialog();
    dialog->CenterIfAtOrigin();
    return focusFirst;
  }
  auto* dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrW(window, DWLP_USER));
  if (dialog == nullptr) return FALSE;
  if (message == WM_NCDESTROY) {
    dialog->m_hWnd = nullptr;
    return FALSE;
  }
  LRESULT result = 0;
  if (!dialog->Dispatch(message, wParam, lParam, result)) return FALSE;
  if (ReturnsResultDirectly(message)) return result;
  SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
  return TRUE;
}
