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
#include "commands/command_table.h"
#include "form/memory_form.h"
#include "tests/win32/probed_dialog.h"

namespace {

struct LongText {
  const char* name;
  ControlId button;
  std::vector<std::pair<ControlId, std::string>> typed;
};

void PrintTo(const LongText& press, std::ostream* out) { *out << press.name; }

std::wstring ResultOf(const LongText& press) {
  MemoryForm form;
  CNumbersDlg handlers(form);
  for (const auto& [id, text] : press.typed) form.Type(id, text);
  DispatchCommand(handlers, press.button, Notification::Clicked);
  return WideOfCp1252(form.FieldText(IDC_RESULT));
}

std::wstring TextOf(HWND field) {
  std::wstring text(static_cast<std::size_t>(SendMessageW(field, WM_GETTEXTLENGTH, 0, 0)) + 1,
                    L'\0');
  text.resize(static_cast<std::size_t>(
      SendMessageW(field, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
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

// What the field shows, line by line, without line ends.
std::vector<std::wstring> DisplayLines(HWND field) {
  std::vector<std::wstring> lines;
  const auto count = SendMessageW(field, EM_GETLINECOUNT, 0, 0);
  for (LRESULT line = 0; line < count; ++line) {
    const auto index = SendMessageW(field, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
    std::wstring text(
        std::max<std::size_t>(static_cast<std::size_t>(SendMessageW(field, EM_LINELENGTH,
                                                                    static_cast<WPARAM>(index), 0)),
                              1),
        L'\0');
    *reinterpret_cast<WORD*>(text.data()) = static_cast<WORD>(text.size());
    text.resize(static_cast<std::size_t>(SendMessageW(field, EM_GETLINE, static_cast<WPARAM>(line),
                                                      reinterpret_cast<LPARAM>(text.data()))));
    lines.push_back(std::move(text));
  }
  return lines;
}

// Every display line fits the field's width in its font, and a line the
// field broke would not have fitted with the next line's first word (up to
// its comma or space, or its first character where it has none) into that
// width less early: no line is broken before it must be. The display lines of
// each of the text's own lines are that line.
void ExpectLaidOutWithin(HWND field, const std::wstring& exact, LONG early = 0) {
  RECT format{};
  SendMessageW(field, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  const HDC dc = GetDC(field);
  SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(field, WM_GETFONT, 0, 0)));
  const auto width = [dc](const std::wstring& text) {
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    return extent.cx;
  };
  const std::vector<std::wstring> lines = DisplayLines(field);
  std::size_t next = 0;
  std::size_t begin = 0;
  while (begin <= exact.size()) {
    const std::size_t end = std::min(exact.find(L"\r\n", begin), exact.size());
    std::wstring shown;
    for (bool first = true; first || shown.size() < end - begin; first = false) {
      ASSERT_LT(next, lines.size()) << "the field shows less than the text";
      const std::wstring& line = lines[next++];
      EXPECT_LE(width(line), format.right - format.left) << "display line " << next - 1;
      shown += line;
      if (shown.size() < end - begin) {
        const std::wstring_view rest =
            std::wstring_view(exact).substr(begin + shown.size(), end - begin - shown.size());
        const std::size_t word = rest.find_first_of(L", ");
        EXPECT_GT(width(line + std::wstring(rest.substr(0, word == rest.npos ? 1 : word + 1))),
                  format.right - format.left - early)
            << "display line " << next - 1 << " broken early";
      }
    }
    EXPECT_EQ(shown, exact.substr(begin, end - begin));
    begin = end + 2;
  }
  EXPECT_EQ(next, lines.size()) << "the field shows more than the text";
  ReleaseDC(field, dc);
}

class ResultFieldDpi : public testing::TestWithParam<LongText> {};

TEST_P(ResultFieldDpi, ShowsTheTextInLinesThatFitAndReadsItExactly) {
  const std::wstring exact = ResultOf(GetParam());
  WithDialog([&](ProbedDialog& dialog) {
    const HWND field = GetDlgItem(dialog.m_hWnd, IDC_RESULT);
    SetWindowTextW(field, exact.c_str());
    EXPECT_EQ(SendMessageW(field, WM_GETTEXTLENGTH, 0, 0), static_cast<LRESULT>(exact.size()));
    EXPECT_EQ(TextOf(field), exact);
    ExpectLaidOutWithin(field, exact);
  });
}

// A field whose font changes lays its text out again for the new font. In
// some fonts (URW Bookman at 22 pixels, and bold) Wine's control measures
// some lines wider than their text extent: the field then lays its lines out
// narrower, by an eighth of its width at most, rather than let the control
// break off their last characters.
TEST(ResultFieldAtEachDpi, LaysItsTextOutAgainInANewFont) {
  const std::wstring exact =
      ResultOf({"", IDC_DIVIDE, {{IDC_FIRST_NUMBER, "1"}, {IDC_SECOND_NUMBER, "19997"}}});
  for (const int weight : {FW_NORMAL, FW_BOLD}) {
    SCOPED_TRACE(weight);
    const HFONT large = CreateFontW(-22, 0, 0, 0, weight, 0, 0, 0, 0, 0, 0, 0, 0, L"URW Bookman");
    WithDialog([&](ProbedDialog& dialog) {
      const HWND field = GetDlgItem(dialog.m_hWnd, IDC_RESULT);
      SetWindowTextW(field, exact.c_str());
      SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(large), TRUE);
      EXPECT_EQ(TextOf(field), exact);
      RECT format{};
      SendMessageW(field, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
      ExpectLaidOutWithin(field, exact, (format.right - format.left) / 8 + 1);
      SendMessageW(field, WM_SETFONT,
                   static_cast<WPARAM>(SendMessageW(dialog.m_hWnd, WM_GETFONT, 0, 0)), TRUE);
    });
    DeleteObject(large);
  }
}

// A copy of the whole text, and of a part across each of the first soft
// breaks, gives the text's own characters; the selection reads in them too.
TEST_P(ResultFieldDpi, CopiesExactlyWhatIsSelected) {
  const std::wstring exact = ResultOf(GetParam());
  WithDialog([&](ProbedDialog& dialog) {
    const HWND field = GetDlgItem(dialog.m_hWnd, IDC_RESULT);
    SetWindowTextW(field, exact.c_str());
    SendMessageW(field, EM_SETSEL, 0, -1);
    SendMessageW(field, WM_COPY, 0, 0);
    EXPECT_EQ(ClipboardText(field), exact);
    const auto lines = SendMessageW(field, EM_GETLINECOUNT, 0, 0);
    for (LRESULT line = 1, tried = 0; line < lines && tried < 3; ++line) {
      const auto start =
          static_cast<std::size_t>(SendMessageW(field, EM_LINEINDEX, static_cast<WPARAM>(line), 0));
      if (exact[start - 1] == L'\n') continue;  // the text's own line end
      ++tried;
      const std::size_t from = start - 3;
      const std::size_t to = std::min(start + 4, exact.size());
      SendMessageW(field, EM_SETSEL, from, static_cast<LPARAM>(to));
      DWORD selStart = 0, selEnd = 0;
      SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart),
                   reinterpret_cast<LPARAM>(&selEnd));
      EXPECT_EQ(selStart, from);
      EXPECT_EQ(selEnd, to);
      SendMessageW(field, WM_COPY, 0, 0);
      EXPECT_EQ(ClipboardText(field), exact.substr(from, to - from)) << "across line " << line;
    }
  });
}

INSTANTIATE_TEST_SUITE_P(
    , ResultFieldDpi,
    testing::Values(
        LongText{"ShortLinesAsTheyAre", IDC_ALL_FACTORS, {{IDC_SINGLE_NUMBER, "2095133040"}}},
        LongText{"ProseBrokenAtItsSpaces", IDC_BITS, {{IDC_SINGLE_NUMBER, "10"}}},
        LongText{"DigitsOfALongPeriod",
                 IDC_DIVIDE,
                 {{IDC_FIRST_NUMBER, "1"}, {IDC_SECOND_NUMBER, "19997"}}},
        LongText{"TheLongestNumber", IDC_BITS, {{IDC_SINGLE_NUMBER, "262144"}}}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
