#include "app/win32/typing_filter.h"

#include <commctrl.h>

#include <string_view>

namespace {

constexpr UINT_PTR kSubclassId = 1;

bool MayType(HWND field, const ControlPlace& place, WPARAM character) {
  // Backspace and the control keys (copy, cut, paste, undo) arrive below the space.
  if (character < L' ') return true;
  const std::string_view allowed(place.typedCharacters);
  // The layout's characters are ASCII, the same in Windows-1252 and UTF-16.
  if (character > 0x7F || allowed.find(static_cast<char>(character)) == std::string_view::npos) {
    return false;
  }
  if (place.maxTyped <= 0) return true;
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const auto kept = static_cast<DWORD>(GetWindowTextLengthW(field)) - (end - start);
  return kept < static_cast<DWORD>(place.maxTyped);
}

LRESULT CALLBACK TypingFilterProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam,
                                  UINT_PTR, DWORD_PTR data) {
  const auto& place = *reinterpret_cast<const ControlPlace*>(data);
  if (message == WM_CHAR && !MayType(field, place, wParam)) {
    MessageBeep(MB_OK);
    return 0;
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(field, &TypingFilterProc, kSubclassId);
  return DefSubclassProc(field, message, wParam, lParam);
}

}  // namespace

void FilterTyping(HWND field, const ControlPlace& place) {
  if (place.typedCharacters == nullptr) return;
  SetWindowSubclass(field, &TypingFilterProc, kSubclassId, reinterpret_cast<DWORD_PTR>(&place));
}
