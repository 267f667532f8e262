// The calculator's dialog window: realizes the form over the dialog made from
// IDD_MAIN_DIALOG, paints the icon while minimized, and hands every
// notification of its fields and buttons to the command table.
#pragma once

#include <span>

#include "app/win32/framework/dialog.h"
#include "commands/numbers_dlg.h"

class CNumbersDlgWnd : public CDialog {
 public:
  explicit CNumbersDlgWnd(CWnd* parent = nullptr);

 protected:
  BOOL OnInitDialog() override;
  std::span<const MessageMapEntry> GetMessageMap() const override;

 private:
  void OnPaint();
  HCURSOR OnQueryDragIcon();
  void OnCommand(WORD id, WORD notification);

  static const MessageMapEntry kMessageMap[];

  HICON m_hIcon;
  CNumbersDlg m_handlers;
};
