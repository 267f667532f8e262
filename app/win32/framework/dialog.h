// A dialog made from a template in the program's resources and run modally.
// The platform calls one static procedure; it finds the object the dialog
// belongs to and hands it the message through the object's message map, then
// through the dialog's own (OK and Cancel end the dialog).
#pragma once

#include <span>

#include "app/win32/framework/windows_api.h"
#include "app/win32/framework/wnd.h"

class CDialog : public CWnd {
 public:
  // One entry of a message map. A handler that calls Default() passes the
  // message on to the next map and, after the last, to the platform.
  struct MessageMapEntry {
    UINT message;
    LRESULT (*handler)(CDialog& dialog, WPARAM wParam, LPARAM lParam);
  };

  explicit CDialog(UINT templateId, CWnd* parent = nullptr);
  virtual ~CDialog() = default;

  // Makes the dialog and runs its modal loop until EndDialog; gives
  // EndDialog's result, or -1 when the dialog could not be made.
  INT_PTR DoModal();
  void EndDialog(INT_PTR result);

 protected:
  // After the controls exist, before the dialog shows. TRUE puts the focus on
  // the first tab stop.
  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  virtual std::span<const MessageMapEntry> GetMessageMap() const;

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // Whether a map handled the message; its result in result.
  bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool DispatchTo(std::span<const MessageMapEntry> map, UINT message, WPARAM wParam, LPARAM lParam,
                  LRESULT& result);
  void OnCommand(WPARAM wParam);
  // A template that leaves the dialog at the screen's origin asks to be
  // centred on its monitor's work area.
  void CenterIfAtOrigin();

  UINT m_templateId;
  CWnd* m_parent;
};
