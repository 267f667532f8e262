// A paint context for the length of one WM_PAINT: BeginPaint when made,
// EndPaint when it goes.
#pragma once

#include "app/win32/framework/windows_api.h"

class CPaintDC {
 public:
  explicit CPaintDC(HWND window) : m_window(window), m_hDC(BeginPaint(window, &m_paint)) {}
  ~CPaintDC() { EndPaint(m_window, &m_paint); }
  CPaintDC(const CPaintDC&) = delete;
  CPaintDC& operator=(const CPaintDC&) = delete;

  HDC Handle() const { return m_hDC; }

 private:
  HWND m_window;
  PAINTSTRUCT m_paint{};
  HDC m_hDC;
};
