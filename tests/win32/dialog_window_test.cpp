// The calculator's dialog window run modally in this process, from the same
// resources as the program's: what only its own thread can see.
#include <gtest/gtest.h>

#include "app/win32/framework/windows_api.h"

#include <initguid.h>

#include <oleacc.h>

#include <functional>
#include <map>
#include <string>
#include <utility>

#include "form/form_layout.h"
#include "app/win32/accessible_names.h"
#include "app/win32/framework/win_app.h"
#include "app/win32/framework/wide_text.h"
#include "app/win32/label_windows.h"
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

// Typed characters reach a field as WM_CHAR; a paste does not.
TEST_F(NumbersDialogWindow, BinaryTakesTypedBinaryDigitsUpToThirtyTwoAndAnyPaste) {
  // The field takes no more than its width shows, and in URW Bookman only 31
  // digits fit: in a small font the count is what stops typing.
  const HFONT small = CreateFontW(-5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, L"Tahoma");
  Run([small](ProbedDialog& dialog) {
    const auto typeInto = [&](ControlId id, std::string_view keys) {
      const HWND field = GetDlgItem(dialog.m_hWnd, id);
      for (const char key : keys) SendMessageW(field, WM_CHAR, static_cast<WPARAM>(key), 1);
      return dialog.FieldText(id);
    };
    const auto type = [&](std::string_view keys) { return typeInto(IDC_BINARY, keys); };
    const HWND binary = GetDlgItem(dialog.m_hWnd, IDC_BINARY);
    SendMessageW(binary, WM_SETFONT, reinterpret_cast<WPARAM>(small), 0);
    EXPECT_EQ(type("1a02 9-1"), "101");
    EXPECT_EQ(type(std::string(40, '1')), std::string("10").append(30, '1'));
    // Typing over a selection replaces it, also at the limit.
    SendMessageW(binary, EM_SETSEL, 0, 3);
    EXPECT_EQ(type("0"), std::string("0").append(29, '1'));
    // A paste goes in as it is, past the limit and with any characters.
    const std::string pasted = std::string("2").append(40, '1');
    dialog.SetFieldText(IDC_BINARY, pasted);
    EXPECT_EQ(type("1"), pasted);
    // The other number fields still take only decimal digits.
    EXPECT_EQ(typeInto(IDC_SINGLE_NUMBER, "12a3"), "123");
  });
  DeleteObject(small);
}

LONG TextWidth(HWND window, const std::wstring& text) {
  const HDC dc = GetDC(window);
  const HGDIOBJ previous =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0)));
  SIZE extent{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  SelectObject(dc, previous);
  ReleaseDC(window, dc);
  return extent.cx;
}

// Runs at 96 and, from a second test entry, at 144 DPI. The tests' Wine prefix
// shows "Bookman Old Style" in URW Bookman, a wider face.
TEST_F(NumbersDialogWindow, ScalesWithTheDpiAndKeepsEveryLabelWhole) {
  Run([](ProbedDialog& dialog) {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    RECT client;
    GetClientRect(dialog.m_hWnd, &client);
    // The client area at 96 DPI in this prefix before the program knew about DPI.
    constexpr LONG kWidthAt96 = 460, kHeightAt96 = 377;
    if (dpi == 96) {
      EXPECT_EQ(client.right, kWidthAt96);
      EXPECT_EQ(client.bottom, kHeightAt96);
    } else {
      EXPECT_EQ(dpi, 144);
      EXPECT_NEAR(client.right / double(kWidthAt96), 1.5, 0.1);
      EXPECT_NEAR(client.bottom / double(kHeightAt96), 1.5, 0.1);
    }
    const auto dialogFont = SendMessageW(dialog.m_hWnd, WM_GETFONT, 0, 0);
    for (const LabelPlace& label : kLabels) {
      SCOPED_TRACE(label.text);
      const HWND window = LabelWindow(dialog.m_hWnd, label);
      ASSERT_NE(window, nullptr);
      RECT box;
      GetClientRect(window, &box);
      const std::wstring text = WideOfCp1252(label.text);
      EXPECT_LE(TextWidth(window, text), box.right);
      // Only a label the dialog's font cannot show whole gets a smaller one.
      const bool shrunk = SendMessageW(window, WM_GETFONT, 0, 0) != dialogFont;
      SendMessageW(window, WM_SETFONT, static_cast<WPARAM>(dialogFont), FALSE);
      EXPECT_EQ(shrunk, TextWidth(window, text) > box.right);
    }
  });
}

TEST_F(NumbersDialogWindow, NamesEveryControlAndPutsEachLabelJustBeforeItsField) {
  Run([](ProbedDialog& dialog) {
    const HWND window = dialog.m_hWnd;
    std::map<ControlId, std::wstring> names;
    for (const AccessibleName& entry : AccessibleNamesOf(window)) {
      names[static_cast<ControlId>(GetDlgCtrlID(entry.control))] = entry.name;
    }
    const std::map<ControlId, std::wstring> expected = {
        {IDC_BINARY, L"Binary"}, {IDC_DECIMAL, L"Decimal"}, {IDC_FIRST_NUMBER, L"First number"},
        {IDC_SECOND_NUMBER, L"Divided by"}, {IDC_DIVIDE, L"Divide"}, {IDC_GCF_LCM, L"GCF/LCM"},
        {IDC_SINGLE_NUMBER, L"Number to factorize or for bits"},
        {IDC_PRIME_FACTORS, L"Prime Factors"}, {IDC_ALL_FACTORS, L"All Factors"},
        {IDC_BITS, L"Bits"}, {IDC_RESULT, L"Result"}, {IDC_ABOUT, L"About"}};
    EXPECT_EQ(names, expected);

    for (const LabelPlace& label : kLabels) {
      EXPECT_EQ(GetWindow(GetDlgItem(window, label.buddy), GW_HWNDPREV),
                LabelWindow(window, label)) << label.text;
    }
    // Labels take no focus: Tab still goes through the controls in the layout's order.
    HWND focus = GetDlgItem(window, kControls.front().id);
    for (const ControlPlace& place : kControls) {
      EXPECT_EQ(GetDlgCtrlID(focus), place.id) << place.name;
      focus = GetNextDlgTabItem(window, focus, FALSE);
    }

    // What a screen reader asks for: names and read-only states. Where the
    // system keeps annotations, the names above; Wine keeps none and names a
    // field after the nearest label before it, which for the first number is
    // "Decimal:".
    IAccPropServices* services = nullptr;
    CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                     reinterpret_cast<void**>(&services));
    MSAAPROPID nameId = PROPID_ACC_NAME;
    const bool annotated = services != nullptr &&
        SUCCEEDED(services->SetHwndPropStr(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                           nameId, L"probe"));
    if (services != nullptr) {
      services->ClearHwndProps(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &nameId, 1);
      services->Release();
    }
    std::map<ControlId, std::wstring> spoken = expected;
    if (!annotated) {
      for (const LabelPlace& label : kLabels) spoken[label.buddy] = WideOfCp1252(label.text);
      spoken.erase(IDC_FIRST_NUMBER);
    }
    for (const auto& [id, name] : spoken) {
      IAccessible* accessible = nullptr;
      ASSERT_EQ(AccessibleObjectFromWindow(GetDlgItem(window, id), static_cast<DWORD>(OBJID_CLIENT),
                                           IID_IAccessible, reinterpret_cast<void**>(&accessible)),
                S_OK);
      VARIANT self{};
      self.vt = VT_I4;
      self.lVal = CHILDID_SELF;
      BSTR heard = nullptr;
      accessible->get_accName(self, &heard);
      EXPECT_EQ(std::wstring(heard != nullptr ? heard : L""), name) << id;
      VARIANT state{};
      accessible->get_accState(self, &state);
      EXPECT_EQ((state.lVal & STATE_SYSTEM_READONLY) != 0, id == IDC_DECIMAL || id == IDC_RESULT);
      SysFreeString(heard);
      accessible->Release();
    }
  });
}

}  // namespace
