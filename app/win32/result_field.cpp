#include "app/win32/result_field.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "app/win32/wrapped_text.h"

namespace {

constexpr UINT_PTR kSubclassId = 2;

struct ResultText {
  std::wstring exact;
  std::vector<std::size_t> breaks;
};

WrappedText LayOut(HWND field, const std::wstring& exact, LONG width) {
  const HDC dc = GetDC(field);
  const auto font = reinterpret_cast<HGDIOBJ>(DefSubclassProc(field, WM_GETFONT, 0, 0));
  const HGDIOBJ previous = font != nullptr ? SelectObject(dc, font) : nullptr;
  // Every character is a pixel wide at least: no more than width fit.
  WrappedText wrapped =
      WrapText(exact, static_cast<std::size_t>(width), [&](std::wstring_view line) {
        INT fits = 0;
        SIZE extent{};
        GetTextExtentExPointW(dc, line.data(), static_cast<int>(line.size()), width, &fits, nullptr,
                              &extent);
        return static_cast<std::size_t>(std::max(fits, 0));
      });
  if (previous != nullptr) SelectObject(dc, previous);
  ReleaseDC(field, dc);
  return wrapped;
}

std::size_t Shown(const ResultText& result, std::size_t exact) {
  return ShownIndex(result.breaks, std::min(exact, result.exact.size()));
}

// An index some message takes, in the shown text; -1 (none, the caret's, the
// end) stays as it is.
template <class Index>
Index ShownOrAsIs(const ResultText& result, Index exact) {
  if (static_cast<INT>(exact) < 0) return exact;
  return static_cast<Index>(Shown(result, static_cast<std::size_t>(exact)));
}

// How much narrower each try lays the lines out than the last: a sixty-fourth
// of the width, and a pixel for the narrowest fields; nine tries at most.
LONG NarrowingStep(LONG width) { return width / 64 + 1; }

// Gives the control the text laid out at its width, or narrower
// (MostNarrowing) where the control would break a line once more.
void Show(HWND field, ResultText& result, std::wstring exact) {
  RECT format{};
  DefSubclassProc(field, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  const LONG width = format.right - format.left;
  const auto ownLines = std::count(exact.begin(), exact.end(), L'\n') + 1;
  result.exact = std::move(exact);
  const LONG most = MostNarrowing(width);
  for (LONG narrower = 0;; narrower = std::min(narrower + NarrowingStep(width), most)) {
    WrappedText wrapped;
    if (width - narrower > 0) wrapped = LayOut(field, result.exact, width - narrower);
    if (wrapped.breaks.empty()) wrapped.shown = result.exact;
    result.breaks = std::move(wrapped.breaks);
    DefSubclassProc(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wrapped.shown.c_str()));
    const auto lines = static_cast<std::ptrdiff_t>(result.breaks.size()) + ownLines;
    if (narrower >= most || DefSubclassProc(field, EM_GETLINECOUNT, 0, 0) <= lines) {
      return;
    }
  }
}

// The selection in exact indexes.
std::pair<std::size_t, std::size_t> Selection(HWND field, const ResultText& result) {
  DWORD start = 0;
  DWORD end = 0;
  DefSubclassProc(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                  reinterpret_cast<LPARAM>(&end));
  return {ExactIndex(result.breaks, start), ExactIndex(result.breaks, end)};
}

// Lays the same text out again, keeping the selection.
void ShowAgain(HWND field, ResultText& result) {
  if (result.exact.empty()) return;
  const auto [start, end] = Selection(field, result);
  Show(field, result, std::move(result.exact));
  DefSubclassProc(field, EM_SETSEL, Shown(result, start), static_cast<LPARAM>(Shown(result, end)));
}

void Copy(HWND field, const ResultText& result) {
  const auto [start, end] = Selection(field, result);
  if (start >= end || !OpenClipboard(field)) return;
  EmptyClipboard();
  const std::size_t length = end - start;
  if (const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (length + 1) * sizeof(wchar_t))) {
    auto* copy = static_cast<wchar_t*>(GlobalLock(memory));
    std::memcpy(copy, result.exact.data() + start, length * sizeof(wchar_t));
    copy[length] = L'\0';
    GlobalUnlock(memory);
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) GlobalFree(memory);
  }
  CloseClipboard();
}

LRESULT GetText(const ResultText& result, WPARAM capacity, LPARAM buffer) {
  if (capacity == 0 || buffer == 0) return 0;
  const std::size_t length = std::min<std::size_t>(result.exact.size(), capacity - 1);
  auto* out = reinterpret_cast<wchar_t*>(buffer);
  std::memcpy(out, result.exact.data(), length * sizeof(wchar_t));
  out[length] = L'\0';
  return static_cast<LRESULT>(length);
}

LRESULT GetSelection(HWND field, const ResultText& result, WPARAM startOut, LPARAM endOut) {
  const auto [start, end] = Selection(field, result);
  if (startOut != 0) *reinterpret_cast<DWORD*>(startOut) = static_cast<DWORD>(start);
  if (endOut != 0) *reinterpret_cast<DWORD*>(endOut) = static_cast<DWORD>(end);
  if (start > 0xFFFF || end > 0xFFFF) return -1;
  return static_cast<LRESULT>(MAKELONG(start, end));
}

LRESULT CALLBACK ResultFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR data) {
  ResultText& result = *reinterpret_cast<ResultText*>(data);
  switch (message) {
    case WM_SETTEXT:
      Show(field, result, lParam != 0 ? reinterpret_cast<const wchar_t*>(lParam) : L"");
      return TRUE;
    case WM_GETTEXT:
      return GetText(result, wParam, lParam);
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(result.exact.size());
    case WM_COPY:
      Copy(field, result);
      return 0;
    case EM_GETSEL:
      return GetSelection(field, result, wParam, lParam);
    case EM_SETSEL:
      return DefSubclassProc(field, message, ShownOrAsIs(result, wParam),
                             ShownOrAsIs(result, lParam));
    case EM_LINEINDEX: {
      const LRESULT shown = DefSubclassProc(field, message, wParam, lParam);
      return shown < 0
                 ? shown
                 : static_cast<LRESULT>(ExactIndex(result.breaks, static_cast<std::size_t>(shown)));
    }
    case EM_LINELENGTH:
    case EM_LINEFROMCHAR:
    case EM_POSFROMCHAR:
      return DefSubclassProc(field, message, ShownOrAsIs(result, wParam), lParam);
    case WM_SETFONT:
    case WM_SIZE: {
      const LRESULT done = DefSubclassProc(field, message, wParam, lParam);
      ShowAgain(field, result);
      return done;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(field, &ResultFieldProc, kSubclassId);
      delete &result;
      return DefSubclassProc(field, message, wParam, lParam);
    default:
      return DefSubclassProc(field, message, wParam, lParam);
  }
}

}  // namespace

void LayOutLongTexts(HWND field) {
  auto* result = new ResultText;
  result->exact.resize(static_cast<std::size_t>(GetWindowTextLengthW(field)));
  GetWindowTextW(field, result->exact.data(), static_cast<int>(result->exact.size() + 1));
  SetWindowSubclass(field, &ResultFieldProc, kSubclassId, reinterpret_cast<DWORD_PTR>(result));
  ShowAgain(field, *result);
}
