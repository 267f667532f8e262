// How long the Windows program's result field takes to show the longest
// results under Wine, from the button's click until the field has painted,
// beside the same text given to a plain edit control of the same style, size
// and font, as the field was before it laid out its texts itself. Both in
// this process, in the same run; prints one table.
//   scripts/wine-run.sh numbrel_win32_bench.exe     (or scripts/wine-bookman.sh 96 ...)
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/win32/framework/win_app.h"
#include "app/win32/numbers_dlg_wnd.h"
#include "form/form_layout.h"

namespace {

struct BenchApp : CWinApp {
  BOOL InitInstance() override { return FALSE; }
} app;

double Seconds() {
  static const double perSecond = [] {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart);
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / perSecond;
}

struct Case {
  const char* name;
  ControlId button;
  std::vector<std::pair<ControlId, const wchar_t*>> typed;
  int runs;       // of the field as it is now; the median is shown
  bool plainToo;  // the plain control takes too long for the longest text
};

const Case kCases[] = {
    {"divide 1 / 19997 (10,017 characters)",
     IDC_DIVIDE,
     {{IDC_FIRST_NUMBER, L"1"}, {IDC_SECOND_NUMBER, L"19997"}},
     5,
     true},
    {"bits 262,144 (105,388 characters)", IDC_BITS, {{IDC_SINGLE_NUMBER, L"262144"}}, 5, false},
};

// The click until the field has painted, in seconds: the median of runs.
double TimeClick(HWND dialog, const Case& c) {
  std::vector<double> times;
  for (int run = 0; run < c.runs; ++run) {
    SetDlgItemTextW(dialog, IDC_RESULT, L"");
    for (const auto& [id, text] : c.typed) SetDlgItemTextW(dialog, id, text);
    const double start = Seconds();
    SendMessageW(GetDlgItem(dialog, c.button), BM_CLICK, 0, 0);
    UpdateWindow(GetDlgItem(dialog, IDC_RESULT));
    times.push_back(Seconds() - start);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// The same text given to a plain edit control like the result field.
double TimePlain(HWND dialog, const std::wstring& text) {
  const HWND field = GetDlgItem(dialog, IDC_RESULT);
  RECT place;
  GetWindowRect(field, &place);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
  const HWND plain =
      CreateWindowExW(static_cast<DWORD>(GetWindowLongW(field, GWL_EXSTYLE)), L"Edit", L"",
                      static_cast<DWORD>(GetWindowLongW(field, GWL_STYLE)), place.left, place.top,
                      place.right - place.left, place.bottom - place.top, dialog, nullptr,
                      GetModuleHandleW(nullptr), nullptr);
  SendMessageW(plain, WM_SETFONT, static_cast<WPARAM>(SendMessageW(field, WM_GETFONT, 0, 0)),
               FALSE);
  ShowWindow(field, SW_HIDE);
  const double start = Seconds();
  SetWindowTextW(plain, text.c_str());
  UpdateWindow(plain);
  const double seconds = Seconds() - start;
  DestroyWindow(plain);
  ShowWindow(field, SW_SHOW);
  return seconds;
}

struct BenchDialog : CNumbersDlgWnd {
  BOOL OnInitDialog() override {
    const BOOL focusFirst = CNumbersDlgWnd::OnInitDialog();
    ShowWindow(m_hWnd, SW_SHOW);
    std::printf("%-40s %12s %12s %10s\n", "case", "field", "plain edit", "plain/field");
    for (const Case& c : kCases) {
      const double field = TimeClick(m_hWnd, c);
      if (c.plainToo) {
        const std::wstring text = [&] {
          std::wstring shown(
              static_cast<std::size_t>(GetWindowTextLengthW(GetDlgItem(m_hWnd, IDC_RESULT))) + 1,
              L'\0');
          shown.resize(static_cast<std::size_t>(
              GetDlgItemTextW(m_hWnd, IDC_RESULT, shown.data(), static_cast<int>(shown.size()))));
          return shown;
        }();
        const double plain = TimePlain(m_hWnd, text);
        std::printf("%-40s %10.3f s %10.3f s %9.1fx\n", c.name, field, plain, plain / field);
      } else {
        std::printf("%-40s %10.3f s %12s %10s\n", c.name, field, "-", "-");
      }
      std::fflush(stdout);
    }
    PostMessageW(m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    return focusFirst;
  }
};

}  // namespace

int main() {
  app.Attach(GetModuleHandleW(nullptr));
  BenchDialog dialog;
  return dialog.DoModal() == IDCANCEL ? 0 : 1;
}
