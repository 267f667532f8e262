// The calculator's dialog window: realizes the form over the dialog made from
// IDD_MAIN_DIALOG, paints the icon while minimized, and hands every
// notification of its fields and buttons to the command table. At its start it
// names its controls for screen readers, fits its labels, filters typing and
// has the result field lay out its long texts itself; Enter in a field does
// nothing.
#pragma once

#include <span>

#include "app/win32/accessible_names.h"
#include "app/win32/framework/dialog.h"
#include "app/win32/label_fonts.h"
#include "commands/numbers_dlg.h"

class CNumbersDlgWnd : public CDialog {
 public:
  explicit CNumbersDlgWnd(CWnd* parent = nullptr);

 protected:
  BOOL OnInitDialog() override;
  // The form has no OK button: IDOK only ever comes from Enter in a field.
  void OnOK() override {}
  std::span<const MessageMapEntry> GetMessageMap() const override;

 private:
  void OnPaint();
  HCURSOR OnQueryDragIcon();
  void OnCommand(WORD id, WORD notification);
  void OnDestroy();

  static const MessageMapEntry kMessageMap[];

  HICON m_hIcon;
  CNumbersDlg m_handlers;
  CAccessibleNames m_names;
  CLabelFonts m_labelFonts;
};
