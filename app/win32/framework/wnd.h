// A window seen as the calculator's form: its child controls are the fields,
// read and written through the wide API with the core's Windows-1252 texts
// converted at this edge.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/win32/framework/windows_api.h"
#include "form/form.h"

// A window's whole text, as the wide API gives it.
std::wstring WindowText(HWND window);
// The start of a window's class name: enough to tell the controls' classes
// ("Static", "Edit", "Button") from one another and from any longer name.
std::wstring WindowClass(HWND window);

class CWnd : public Form {
 public:
  CWnd() = default;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  std::string FieldText(ControlId id) const override;
  void SetFieldText(ControlId id, std::string_view text) override;
  // Owned by this window, OK only, no icon; the application's name when no
  // caption is given.
  void MessageBox(std::string_view text, std::optional<std::string_view> caption) override;

  HWND m_hWnd = nullptr;

 protected:
  // Leaves the message being handled to the platform's default processing.
  void Default() { m_defaultRequested = true; }
  bool m_defaultRequested = false;

 private:
  // Puts back the pointer the busy one replaced.
  void ShowBusyPointer(bool busy) override;

  HCURSOR m_restoreCursor = nullptr;
};
