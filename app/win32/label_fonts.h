// Labels that keep their whole text on one line. Where the dialog's face is
// missing and a wider one stands in, a label's text may not fit the rectangle
// the template gives it; such a label is drawn in the same face at the largest
// smaller size that fits. Nothing moves, and a label that fits keeps the
// dialog's font.
#pragma once

#include <map>

#include "app/win32/framework/windows_api.h"

class CLabelFonts {
 public:
  CLabelFonts() = default;
  // Releases the fonts: after the dialog has gone.
  ~CLabelFonts();
  CLabelFonts(const CLabelFonts&) = delete;
  CLabelFonts& operator=(const CLabelFonts&) = delete;

  // Measures every label in the dialog's font and gives each that does not
  // fit its smaller font. Again after the dialog's font has changed (a new
  // DPI): every label starts from the dialog's font.
  void Fit(HWND dialog);

 private:
  // The dialog's face at the given character height, one font per height.
  HFONT FontOfHeight(const LOGFONTW& face, LONG height);

  std::map<LONG, HFONT> m_fonts;
};
