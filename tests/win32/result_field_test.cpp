// The result field laying out long texts itself, run in this process with
// URW Bookman standing in for the dialog's face, at 96 DPI and at 144 (the
// *Dpi* suite): every display line fits the field and breaks where a
// word-wrapping field breaks it, while the field's text, length, selection and
// copies stay the exact text. The texts are the command table's own.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "app/win32/framework/wide_text.h"
#include "app/win32/framework/wnd.h"
#include "app/win32/result_field.h"
#include "commands/press_command.h"
#include "tests/win32/probed_dialog.h"

namespace {

struct LongText {
  const char* name;
  const char* command;
  std::vector<std::string> texts;
};

void PrintTo(const LongText& press, std::ostream* out) { *out << press.name; }

std::wstring ResultOf(const LongText& press) {
  MemoryForm form;
  PressCommand(form, *FindCommand(press.command), press.texts);
  return WideOfCp1252(form.FieldText(IDC_RESULT));
}

std::wstring ClipboardText(HWND owner) {
  std::wstring text;
  if (!OpenClipboard(owner)) return L"(the clipboard did not open)";
  if (const HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(memory));
    GlobalUnlock(memory);
  }
  CloseClipboard();
  return text;
}

// The field's display lines, read from the control itself, against the
// exact text: each is the next part of it, at the line start the field
// reports, the text's own line ends between them; each fits the field's width
// in its font, and where the field broke a line, the next line's first word
// (up to its comma or space, or its first character where it has none) would
// not have fitted with it into that width less narrowing: no line is broken
// before it must be. Gives where the first soft break stands, 0 for none.
std::size_t ExpectLaidOutWithin(HWND field, const std::wstring& exact, LONG narrowing) {
  RECT format{};
  SendMessageW(field, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  const HDC dc = GetDC(field);
  SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(field, WM_GETFONT, 0, 0)));
  const auto fits = [&](const std::wstring& text, LONG room) {
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    return extent.cx <= room;
  };
  const LONG width = format.right - format.left;
  std::size_t at = 0;
  std::size_t firstSoftBreak = 0;
  for (LRESULT i = 0; i < SendMessageW(field, EM_GETLINECOUNT, 0, 0); ++i) {
    std::wstring line(4096, L'\0');
    line[0] = static_cast<wchar_t>(line.size());  // the room, as EM_GETLINE wants it
    line.resize(static_cast<std::size_t>(SendMessageW(field, EM_GETLINE, static_cast<WPARAM>(i),
                                                      reinterpret_cast<LPARAM>(line.data()))));
    SCOPED_TRACE(testing::Message() << "display line " << i);
    EXPECT_EQ(SendMessageW(field, EM_LINEINDEX, static_cast<WPARAM>(i), 0),
              static_cast<LRESULT>(at));
    if (exact.compare(at, line.size(), line) != 0) {
      ADD_FAILURE() << "the field shows another text";
      break;
    }
    EXPECT_TRUE(fits(line, width));
    at += line.size();
    if (exact.compare(at, 2, L"\r\n") == 0) {
      at += 2;
    } else if (at < exact.size()) {
      if (firstSoftBreak == 0) firstSoftBreak = at;
      const std::size_t stop = exact.find_first_of(L", \r", at);
      const std::size_t word = stop == exact.npos || exact[stop] == L'\r' ? 1 : stop + 1 - at;
      EXPECT_FALSE(fits(line + exact.substr(at, word), width - narrowing)) << "broken early";
    }
  }
  EXPECT_EQ(at, exact.size()) << "the field shows less than the text";
  ReleaseDC(field, dc);
  return firstSoftBreak;
}

class ResultFieldDpi : public testing::TestWithParam<LongText> {};

// The field's text and length, a copy of the whole text, and of a part
// across the first soft break, are the text's own characters; the selection
// reads in them too. A new font lays the text out again, in some (URW Bookman
// at 22 pixels, bold) narrower than the field.
TEST_P(ResultFieldDpi, ShowsTheTextInLinesThatFitAndReadsAndCopiesItExactly) {
  const std::wstring exact = ResultOf(GetParam());
  const HFONT large = CreateFontW(-22, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, L"URW Bookman");
  WithDialog([&](ProbedDialog& dialog) {
    const HWND field = GetDlgItem(dialog.m_hWnd, IDC_RESULT);
    SetWindowTextW(field, exact.c_str());
    EXPECT_EQ(GetWindowTextLengthW(field), static_cast<int>(exact.size()));
    EXPECT_EQ(WindowText(field), exact);
    SendMessageW(field, EM_SETSEL, 0, -1);
    SendMessageW(field, WM_COPY, 0, 0);
    EXPECT_EQ(ClipboardText(field), exact);
    if (const std::size_t at = ExpectLaidOutWithin(field, exact, 0); at > 0) {
      const std::size_t from = at - 3;
      const std::size_t to = std::min(at + 4, exact.size());
      SendMessageW(field, EM_SETSEL, from, static_cast<LPARAM>(to));
      DWORD start = 0, end = 0;
      SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
      EXPECT_EQ(start, from);
      EXPECT_EQ(end, to);
      SendMessageW(field, WM_COPY, 0, 0);
      EXPECT_EQ(ClipboardText(field), exact.substr(from, to - from));
    }
    // In a large bold font the longest text takes seconds to lay out under Wine.
    if (exact.size() > 20000) return;
    SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(large), TRUE);
    EXPECT_EQ(WindowText(field), exact);
    RECT format{};
    SendMessageW(field, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    ExpectLaidOutWithin(field, exact, MostNarrowing(format.right - format.left));
  });
  DeleteObject(large);
}

INSTANTIATE_TEST_SUITE_P(
    , ResultFieldDpi,
    testing::Values(LongText{"ShortLinesAsTheyAre", "all-factors", {"2095133040"}},
                    LongText{"ProseBrokenAtItsSpaces", "bits", {"10"}},
                    LongText{"DigitsOfALongPeriod", "divide", {"1", "19997"}},
                    LongText{"TheLongestNumber", "bits", {"262144"}}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
