#include "app/win32/framework/win_app.h"

#include <winsock2.h>

#include <commctrl.h>

#include <cstdlib>

namespace {

CWinApp* theApp = nullptr;

std::wstring FileTitleOf(std::wstring path) {
  const auto slash = path.find_last_of(L"\\/");
  if (slash != std::wstring::npos) path.erase(0, slash + 1);
  const auto dot = path.find_last_of(L'.');
  if (dot != std::wstring::npos) path.erase(dot);
  return path;
}

}  // namespace

CWinApp::CWinApp() { theApp = this; }

CWinApp::~CWinApp() {
  if (theApp == this) theApp = nullptr;
}

void CWinApp::Attach(HINSTANCE instance) {
  m_hInstance = instance;
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(instance, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  m_appName = FileTitleOf(path);
}

HICON CWinApp::LoadIcon(UINT id) const { return LoadIconW(m_hInstance, ResourceName(id)); }

CWinApp* AfxGetApp() { return theApp; }

int AfxMessageBox(UINT stringId, UINT type) {
  const CWinApp* app = AfxGetApp();
  const HINSTANCE instance = app != nullptr ? app->Instance() : nullptr;
  const wchar_t* text = nullptr;
  // With a zero count LoadStringW points into the resource itself.
  const int length = LoadStringW(instance, stringId, reinterpret_cast<LPWSTR>(&text), 0);
  const std::wstring message =
      length > 0 ? std::wstring(text, static_cast<std::size_t>(length)) : std::wstring();
  if ((type & MB_ICONMASK) == 0) type |= MB_ICONEXCLAMATION;
  const std::wstring caption = app != nullptr ? app->AppName() : std::wstring();
  return MessageBoxW(nullptr, message.c_str(), caption.c_str(), type);
}

bool AfxSocketInit() {
  WSADATA data;
  if (WSAStartup(MAKEWORD(1, 1), &data) != 0) return false;
  std::atexit([] { WSACleanup(); });
  return true;
}

void Enable3dControls() {
  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
}
