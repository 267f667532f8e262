#include "app/win32/framework/wnd.h"

#include "app/win32/framework/wide_text.h"
#include "app/win32/framework/win_app.h"

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  const int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
  return text;
}

std::wstring WindowClass(HWND window) {
  // "Static" or "Button", the end of the name, and one more to tell a longer
  // name apart.
  constexpr int kRoom = 8;
  std::wstring name(kRoom, L'\0');
  const int length = GetClassNameW(window, name.data(), kRoom);
  name.resize(static_cast<std::size_t>(length > 0 ? length : 0));
  return name;
}

std::string CWnd::FieldText(ControlId id) const {
  const HWND field = GetDlgItem(m_hWnd, id);
  if (field == nullptr) return {};
  return Cp1252OfWide(WindowText(field));
}

void CWnd::SetFieldText(ControlId id, std::string_view text) {
  SetDlgItemTextW(m_hWnd, id, WideOfCp1252(text).c_str());
}

void CWnd::MessageBox(std::string_view text, std::optional<std::string_view> caption) {
  const std::wstring title = caption.has_value() ? WideOfCp1252(*caption) : AfxGetApp()->AppName();
  MessageBoxW(m_hWnd, WideOfCp1252(text).c_str(), title.c_str(), MB_OK);
}

void CWnd::ShowBusyPointer(bool busy) {
  if (busy) {
    m_restoreCursor = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  } else {
    SetCursor(m_restoreCursor != nullptr ? m_restoreCursor : LoadCursorW(nullptr, IDC_ARROW));
  }
}
