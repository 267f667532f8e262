#include "app/win32/numbers_dlg_wnd.h"

#include "app/win32/framework/paint_dc.h"
#include "app/win32/framework/win_app.h"
#include "app/win32/icon_placement.h"
#include "app/win32/result_field.h"
#include "app/win32/typing_filter.h"
#include "commands/command_table.h"
#include "res/resource_ids.h"

namespace {

// Fits the labels again once the dialog has taken the fonts of a new DPI.
constexpr UINT kRefitLabels = WM_APP + 1;

CNumbersDlgWnd& Self(CDialog& dialog) { return static_cast<CNumbersDlgWnd&>(dialog); }

}  // namespace

const CDialog::MessageMapEntry CNumbersDlgWnd::kMessageMap[] = {
    {WM_PAINT,
     [](CDialog& dialog, WPARAM, LPARAM) -> LRESULT {
       Self(dialog).OnPaint();
       return 0;
     }},
    {WM_QUERYDRAGICON,
     [](CDialog& dialog, WPARAM, LPARAM) -> LRESULT {
       return reinterpret_cast<LRESULT>(Self(dialog).OnQueryDragIcon());
     }},
    {WM_COMMAND,
     [](CDialog& dialog, WPARAM wParam, LPARAM) -> LRESULT {
       Self(dialog).OnCommand(LOWORD(wParam), HIWORD(wParam));
       return 0;
     }},
    {WM_DPICHANGED,
     [](CDialog& dialog, WPARAM, LPARAM) -> LRESULT {
       PostMessageW(dialog.m_hWnd, kRefitLabels, 0, 0);
       Self(dialog).Default();
       return 0;
     }},
    {kRefitLabels,
     [](CDialog& dialog, WPARAM, LPARAM) -> LRESULT {
       Self(dialog).m_labelFonts.Fit(dialog.m_hWnd);
       return 0;
     }},
    {WM_DESTROY,
     [](CDialog& dialog, WPARAM, LPARAM) -> LRESULT {
       Self(dialog).OnDestroy();
       return 0;
     }},
};

CNumbersDlgWnd::CNumbersDlgWnd(CWnd* parent)
    : CDialog(IDD_MAIN_DIALOG, parent),
      m_hIcon(AfxGetApp()->LoadIcon(IDR_MAINFRAME)),
      m_handlers(*this) {}

std::span<const CDialog::MessageMapEntry> CNumbersDlgWnd::GetMessageMap() const {
  return kMessageMap;
}

BOOL CNumbersDlgWnd::OnInitDialog() {
  CDialog::OnInitDialog();
  SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
  PlaceLabelsBeforeTheirFields(m_hWnd);
  m_names.Annotate(m_hWnd);
  m_labelFonts.Fit(m_hWnd);
  for (const ControlPlace& place : kControls) {
    const HWND control = GetDlgItem(m_hWnd, place.id);
    FilterTyping(control, place);
    if (place.kind == ControlKind::ResultField) LayOutLongTexts(control);
  }
  return TRUE;
}

void CNumbersDlgWnd::OnDestroy() {
  m_names.Clear();
  Default();
}

void CNumbersDlgWnd::OnPaint() {
  if (!IsIconic(m_hWnd)) {
    Default();
    return;
  }
  CPaintDC dc(m_hWnd);
  SendMessageW(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.Handle()), 0);
  const int cx = GetSystemMetrics(SM_CXICON);
  const int cy = GetSystemMetrics(SM_CYICON);
  RECT client;
  GetClientRect(m_hWnd, &client);
  const int x = CentredIconOffset(client.right - client.left, cx);
  const int y = CentredIconOffset(client.bottom - client.top, cy);
  DrawIcon(dc.Handle(), x, y, m_hIcon);
}

HCURSOR CNumbersDlgWnd::OnQueryDragIcon() { return m_hIcon; }

void CNumbersDlgWnd::OnCommand(WORD id, WORD notification) {
  bool handled = false;
  if (notification == EN_CHANGE) {
    handled = DispatchCommand(m_handlers, id, Notification::TextChanged);
  } else if (notification == BN_CLICKED) {
    handled = DispatchCommand(m_handlers, id, Notification::Clicked);
  }
  if (!handled) Default();
}
