#include "app/win32/label_fonts.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/win32/framework/wide_text.h"
#include "app/win32/label_windows.h"
#include "form/form_layout.h"

namespace {

bool Fits(HDC dc, HFONT font, const std::wstring& text, LONG width) {
  const HGDIOBJ previous = SelectObject(dc, font);
  SIZE extent{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  SelectObject(dc, previous);
  return extent.cx <= width;
}

}  // namespace

CLabelFonts::~CLabelFonts() {
  for (const auto& [height, font] : m_fonts) DeleteObject(font);
}

HFONT CLabelFonts::FontOfHeight(const LOGFONTW& face, LONG height) {
  const auto found = m_fonts.find(height);
  if (found != m_fonts.end()) return found->second;
  LOGFONTW sized = face;
  sized.lfHeight = height;
  sized.lfWidth = 0;
  const HFONT font = CreateFontIndirectW(&sized);
  if (font != nullptr) m_fonts.emplace(height, font);
  return font;
}

void CLabelFonts::Fit(HWND dialog) {
  const auto dialogFont = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
  LOGFONTW face{};
  if (dialogFont == nullptr || GetObjectW(dialogFont, sizeof face, &face) == 0) return;
  // The sign says whether the height is the character's or the cell's; the
  // smaller sizes keep it.
  const LONG sign = face.lfHeight < 0 ? -1 : 1;
  std::vector<HFONT> used;
  for (const LabelPlace& label : kLabels) {
    const HWND window = LabelWindow(dialog, label);
    if (window == nullptr) continue;
    const std::wstring text = WideOfCp1252(label.text);
    RECT client;
    GetClientRect(window, &client);
    const HDC dc = GetDC(window);
    HFONT font = dialogFont;
    for (LONG height = std::labs(face.lfHeight) - 1;
         height > 0 && !Fits(dc, font, text, client.right); --height) {
      const HFONT smaller = FontOfHeight(face, sign * height);
      if (smaller != nullptr) font = smaller;
    }
    ReleaseDC(window, dc);
    if (font != reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0))) {
      SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    used.push_back(font);
  }
  // Sizes tried on the way down and sizes no label uses after a new DPI.
  for (auto at = m_fonts.begin(); at != m_fonts.end();) {
    if (std::find(used.begin(), used.end(), at->second) != used.end()) {
      ++at;
    } else {
      DeleteObject(at->second);
      at = m_fonts.erase(at);
    }
  }
}
