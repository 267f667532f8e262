// The calculator's dialog window run modally in the test's own process, from
// the same resources as the program's: a probe runs once the dialog has its
// controls, then the dialog is closed by its close box.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "app/win32/framework/win_app.h"
#include "app/win32/numbers_dlg_wnd.h"

// The application object, which the dialog asks for its icon.
struct TestApp : CWinApp {
  BOOL InitInstance() override { return FALSE; }
};
inline TestApp testApp;

struct ProbedDialog : CNumbersDlgWnd {
  BOOL OnInitDialog() override {
    const BOOL focusFirst = CNumbersDlgWnd::OnInitDialog();
    probe(*this);
    PostMessageW(m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    return focusFirst;
  }
  std::function<void(ProbedDialog&)> probe;
};

inline void WithDialog(std::function<void(ProbedDialog&)> probe) {
  testApp.Attach(GetModuleHandleW(nullptr));
  ProbedDialog dialog;
  dialog.probe = std::move(probe);
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}
