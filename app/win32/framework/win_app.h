// The application object: one per program, constructed as a global before the
// entry point runs. The entry point hands it the module and calls InitInstance,
// which does the program's whole work; when it returns, the program ends.
#pragma once

#include <string>

#include "app/win32/framework/windows_api.h"

class CWnd;

class CWinApp {
 public:
  CWinApp();
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  // Runs the program. TRUE would ask for a message loop of the application's
  // own; this framework has none, so the program ends either way.
  virtual BOOL InitInstance() = 0;

  // Called by the entry point before InitInstance.
  void Attach(HINSTANCE instance);

  HINSTANCE Instance() const { return m_hInstance; }
  // The executable's file name without its folder and extension: the caption
  // of a message box that brings none of its own.
  const std::wstring& AppName() const { return m_appName; }
  // The group icon of that id from the program's resources, at the size of a
  // window's large icon. Shared: never destroyed.
  HICON LoadIcon(UINT id) const;

  CWnd* m_pMainWnd = nullptr;

 private:
  HINSTANCE m_hInstance = nullptr;
  std::wstring m_appName;
};

// The program's one application object.
CWinApp* AfxGetApp();

// A resource id as the wide resource functions take it.
inline LPCWSTR ResourceName(UINT id) {
  return reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(static_cast<WORD>(id)));
}

// A modal box with the text of a string resource and the application's name as
// caption; an exclamation mark unless type brings an icon of its own.
int AfxMessageBox(UINT stringId, UINT type = MB_OK);

// Starts Windows Sockets for the life of the process. False when it cannot.
bool AfxSocketInit();

// Registers the common controls, which the manifest asks for in their themed
// version: today's form of the three-dimensional control look.
void Enable3dControls();
