// The calculator's dialog window run modally in this process, from the same
// resources as the program's: what only its own thread can see.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "app/win32/framework/win_app.h"
#include "app/win32/framework/wide_text.h"
#include "app/win32/numbers_dlg_wnd.h"
#include "form/control_ids.h"
#include "res/resource_ids.h"

namespace {

class TestApp : public CWinApp {
 public:
  BOOL InitInstance() override { return FALSE; }
};

// Runs a probe once the dialog has its controls, then cancels the dialog.
class ProbedDialog : public CNumbersDlgWnd {
 public:
  explicit ProbedDialog(std::function<void(ProbedDialog&)> probe) : probe_(std::move(probe)) {}

 protected:
  BOOL OnInitDialog() override {
    const BOOL focusFirst = CNumbersDlgWnd::OnInitDialog();
    probe_(*this);
    PostMessageW(m_hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return focusFirst;
  }

 private:
  std::function<void(ProbedDialog&)> probe_;
};

class NumbersDialogWindow : public testing::Test {
 protected:
  static void SetUpTestSuite() { app_.Attach(GetModuleHandleW(nullptr)); }

  static void Run(std::function<void(ProbedDialog&)> probe) {
    ProbedDialog dialog(std::move(probe));
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  }

  static TestApp app_;
};

TestApp NumbersDialogWindow::app_;

TEST_F(NumbersDialogWindow, ShowsTheProgramsIconAsBothWindowIconsAndWhileDragged) {
  const HICON programIcon = LoadIconW(GetModuleHandleW(nullptr), ResourceName(IDR_MAINFRAME));
  ASSERT_NE(programIcon, nullptr);
  Run([&](ProbedDialog& dialog) {
    const auto icon = [&](UINT message, WPARAM which) {
      return reinterpret_cast<HICON>(SendMessageW(dialog.m_hWnd, message, which, 0));
    };
    EXPECT_EQ(icon(WM_GETICON, ICON_BIG), programIcon);
    EXPECT_EQ(icon(WM_GETICON, ICON_SMALL), programIcon);
    EXPECT_EQ(icon(WM_QUERYDRAGICON, 0), programIcon);
  });
}

TEST_F(NumbersDialogWindow, FieldTextsCrossTheWideApiByteForByte) {
  std::string every;
  for (int byte = 1; byte < 256; ++byte) every += static_cast<char>(byte);
  Run([&](ProbedDialog& dialog) {
    dialog.SetFieldText(IDC_RESULT, every);
    EXPECT_EQ(dialog.FieldText(IDC_RESULT), every);
    EXPECT_EQ(dialog.FieldText(IDC_DECIMAL), "");
    // A field the form does not have reads as empty.
    EXPECT_EQ(dialog.FieldText(4242), "");
  });
}

TEST_F(NumbersDialogWindow, BusyPointerNestsAndBringsBackTheEarlierPointer) {
  Run([](ProbedDialog& dialog) {
    const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    const HCURSOR wait = LoadCursorW(nullptr, IDC_WAIT);
    SetCursor(arrow);
    dialog.BeginWaitCursor();
    EXPECT_EQ(GetCursor(), wait);
    dialog.BeginWaitCursor();
    dialog.EndWaitCursor();
    EXPECT_EQ(GetCursor(), wait);
    dialog.EndWaitCursor();
    EXPECT_EQ(GetCursor(), arrow);
    // One end too many changes nothing.
    dialog.EndWaitCursor();
    EXPECT_EQ(GetCursor(), arrow);
  });
}

}  // namespace
