#include "app/win32/typing_filter.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "app/win32/framework/wide_text.h"
#include "app/win32/framework/wnd.h"
#include "form/typing_rule.h"

namespace {

constexpr UINT_PTR kSubclassId = 1;

bool MayType(HWND field, const ControlPlace& place, WPARAM character) {
  // Backspace and the control keys (copy, cut, paste, undo) arrive below the space.
  if (character < L' ') return true;
  const std::wstring text = WindowText(field);
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const std::wstring_view whole(text);
  const std::size_t from = std::min<std::size_t>(start, whole.size());
  const std::size_t to = std::clamp<std::size_t>(end, from, whole.size());
  const auto typed = static_cast<wchar_t>(character);
  return AcceptsTyped(place, Cp1252OfWide(whole.substr(0, from)),
                      Cp1252OfWide(std::wstring_view(&typed, 1)), Cp1252OfWide(whole.substr(to)));
}

LRESULT CALLBACK TypingFilterProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR data) {
  const auto& place = *reinterpret_cast<const ControlPlace*>(data);
  if (message == WM_CHAR && !MayType(field, place, wParam)) {
    MessageBeep(MB_OK);
    return 0;
  }
  // The template's ES_NUMBER lets only digits through the edit control, a
  // sign the rule allows included: the filter types that one itself.
  const bool digit = wParam >= L'0' && wParam <= L'9';
  if (message == WM_CHAR && wParam >= L' ' && !digit &&
      (GetWindowLongW(field, GWL_STYLE) & ES_NUMBER) != 0) {
    const wchar_t typed[] = {static_cast<wchar_t>(wParam), L'\0'};
    SendMessageW(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(typed));
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
