#include "app/win32/label_windows.h"

#include <string>

#include "app/win32/framework/wide_text.h"
#include "app/win32/framework/wnd.h"

HWND LabelWindow(HWND dialog, const LabelPlace& label) {
  const std::wstring text = WideOfCp1252(label.text);
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (WindowClass(child) != L"Static") continue;
    std::wstring shown(text.size() + 2, L'\0');
    shown.resize(static_cast<std::size_t>(
        GetWindowTextW(child, shown.data(), static_cast<int>(shown.size()))));
    if (shown == text) return child;
  }
  return nullptr;
}
