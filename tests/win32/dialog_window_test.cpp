// The calculator's dialog window run modally in this process, from the same
// resources as the program's, with URW Bookman standing in for the dialog's
// face: what only its own thread can see. Runs at 96 DPI and, for the *Dpi*
// tests, at 144.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/win32/accessible_names.h"
#include "app/win32/framework/wide_text.h"
#include "app/win32/framework/wnd.h"
#include "app/win32/label_windows.h"
#include "form/form_layout.h"
#include "res/resource_ids.h"
#include "tests/win32/probed_dialog.h"

namespace {

TEST(DialogWindow, ConvertsFieldTextsAtTheWideApi) {
  WithDialog([](ProbedDialog& dialog) {
    dialog.SetFieldText(IDC_RESULT, "3.\xA0[\x80\x9F]\r\n");
    wchar_t shown[16] = {};
    GetDlgItemTextW(dialog.m_hWnd, IDC_RESULT, shown, 16);
    EXPECT_EQ(std::wstring(shown), L"3.\u00A0[\u20AC\u0178]\r\n");
    EXPECT_EQ(dialog.FieldText(IDC_RESULT), "3.\xA0[\x80\x9F]\r\n");
    SetDlgItemTextW(dialog.m_hWnd, IDC_RESULT, L"\u0416\xD83D\xDE00x");
    EXPECT_EQ(dialog.FieldText(IDC_RESULT), "??x");
  });
}

TEST(DialogWindow, BusyPointerBringsBackTheEarlierPointer) {
  WithDialog([](ProbedDialog& dialog) {
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    dialog.BeginWaitCursor();
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_WAIT));
    dialog.EndWaitCursor();
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
  });
}

struct Typing {
  const char* name;
  ControlId field;
  std::string pasted;  // put in before typing, with the selection from..to
  int from, to;
  std::string typed, after;
};

class DialogWindowTyping : public testing::TestWithParam<Typing> {};

// Typed characters reach a field as WM_CHAR, a paste as WM_SETTEXT. A field
// also takes no more than its width shows (31 binary digits in URW Bookman):
// in a small font the count is what stops typing.
TEST_P(DialogWindowTyping, KeepsToTheLayoutsCharactersAndCount) {
  const Typing& c = GetParam();
  const HFONT small = CreateFontW(-5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, L"Tahoma");
  WithDialog([&](ProbedDialog& dialog) {
    const HWND field = GetDlgItem(dialog.m_hWnd, c.field);
    SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(small), 0);
    dialog.SetFieldText(c.field, c.pasted);
    SendMessageW(field, EM_SETSEL, static_cast<WPARAM>(c.from), c.to);
    for (const char key : c.typed) SendMessageW(field, WM_CHAR, static_cast<WPARAM>(key), 1);
    EXPECT_EQ(dialog.FieldText(c.field), c.after);
  });
  DeleteObject(small);
}

const std::string k40Ones(40, '1');

INSTANTIATE_TEST_SUITE_P(
    , DialogWindowTyping,
    testing::Values(Typing{"ANumberTakesALeadingMinus", IDC_FIRST_NUMBER, "", 0, 0, "-12", "-12"},
                    Typing{"BinaryTakesOnlyZeroAndOne", IDC_BINARY, "", 0, 0, "1a02 9-1", "101"},
                    Typing{"APasteGoesInAsItIs", IDC_BINARY, k40Ones + "2", 41, 41, "1",
                           k40Ones + "2"},
                    Typing{"AFullFieldTakesAKeyInPlaceOfItsSelection", IDC_BINARY,
                           k40Ones.substr(8), 0, 3, "0", std::string("0").append(29, '1')}),
    [](const auto& test) { return std::string(test.param.name); });

LONG TextWidth(HWND window, LRESULT font, const char* text) {
  const std::wstring wide = WideOfCp1252(text);
  const HDC dc = GetDC(window);
  SelectObject(dc, reinterpret_cast<HGDIOBJ>(font));
  SIZE extent{};
  GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &extent);
  ReleaseDC(window, dc);
  return extent.cx;
}

std::vector<LONG> Place(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// The dialog the template makes, at each DPI, against the layout every shell
// builds its form from, so that the two cannot drift apart: its size and
// font, each control's place, kind and caption with Tab going through them in
// the layout's order, and each label's place. Each control has its name from
// the layout for screen readers, and each label sits just before its field in
// the z-order, where Windows looks for a field's name. Only a label the
// dialog's font cannot show whole gets a smaller font, which goes when the
// dialog goes. And the program's icon.
TEST(DialogWindowDpi, IsTheLayoutsFormNamedForScreenReadersWithEveryLabelWhole) {
  const auto icon =
      reinterpret_cast<LRESULT>(LoadIconW(GetModuleHandleW(nullptr), ResourceName(IDR_MAINFRAME)));
  std::vector<HGDIOBJ> smallerFonts;
  WithDialog([&](ProbedDialog& dialog) {
    const HWND window = dialog.m_hWnd;
    EXPECT_EQ(SendMessageW(window, WM_GETICON, ICON_BIG, 0), icon);
    EXPECT_EQ(SendMessageW(window, WM_GETICON, ICON_SMALL, 0), icon);
    EXPECT_EQ(SendMessageW(window, WM_QUERYDRAGICON, 0, 0), icon);
    const auto dialogUnits = [window](const DialogRect& place) {
      RECT r{place.x, place.y, place.width, place.height};
      MapDialogRect(window, &r);
      return std::vector<LONG>{r.left, r.top, r.right, r.bottom};
    };
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(dialogUnits({0, 0, kFormWidth, kFormHeight}),
              (std::vector<LONG>{0, 0, client.right, client.bottom}));
    LOGFONTW font{};
    const auto dialogFont = SendMessageW(window, WM_GETFONT, 0, 0);
    GetObjectW(reinterpret_cast<HGDIOBJ>(dialogFont), sizeof font, &font);
    EXPECT_EQ(std::wstring(font.lfFaceName), WideOfCp1252(kFormFontFace));
    const HDC screen = GetDC(nullptr);
    EXPECT_EQ(font.lfHeight, -MulDiv(kFormFontPoints, GetDeviceCaps(screen, LOGPIXELSY), 72));
    ReleaseDC(nullptr, screen);
    const std::vector<AccessibleName> names = AccessibleNamesOf(window);
    ASSERT_EQ(names.size(), kControls.size());
    for (std::size_t i = 0; i < kControls.size(); ++i) {
      const ControlPlace& place = kControls[i];
      SCOPED_TRACE(place.name);
      const HWND control = GetDlgItem(window, place.id);
      EXPECT_EQ(names[i].control, control);
      EXPECT_EQ(names[i].name, WideOfCp1252(place.accessibleName));
      const ControlId next = kControls[(i + 1) % kControls.size()].id;
      EXPECT_EQ(GetNextDlgTabItem(window, control, FALSE), GetDlgItem(window, next));
      EXPECT_EQ(Place(control), dialogUnits(place.rect));
      EXPECT_EQ(dialog.FieldText(place.id), place.caption != nullptr ? place.caption : "");
      EXPECT_EQ(WindowClass(control), place.kind == ControlKind::Button ? L"Button" : L"Edit");
      const LONG style = GetWindowLongW(control, GWL_STYLE);
      EXPECT_EQ((style & ES_READONLY) != 0,
                place.kind == ControlKind::ReadOnlyField || place.kind == ControlKind::ResultField);
      EXPECT_EQ((style & ES_MULTILINE) != 0, place.kind == ControlKind::ResultField);
    }
    for (const LabelPlace& label : kLabels) {
      SCOPED_TRACE(label.text);
      const HWND labelWindow = LabelWindow(window, label);
      EXPECT_EQ(Place(labelWindow), dialogUnits(label.rect));
      EXPECT_EQ(GetWindow(GetDlgItem(window, label.buddy), GW_HWNDPREV), labelWindow);
      RECT box;
      GetClientRect(labelWindow, &box);
      const auto labelFont = SendMessageW(labelWindow, WM_GETFONT, 0, 0);
      EXPECT_LE(TextWidth(labelWindow, labelFont, label.text), box.right);
      EXPECT_EQ(labelFont != dialogFont,
                TextWidth(labelWindow, dialogFont, label.text) > box.right);
      if (labelFont != dialogFont) smallerFonts.push_back(reinterpret_cast<HGDIOBJ>(labelFont));
    }
  });
  for (const HGDIOBJ font : smallerFonts) EXPECT_EQ(GetObjectType(font), 0u) << "not released";
}

}  // namespace
