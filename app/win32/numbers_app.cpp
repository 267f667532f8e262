#include "app/win32/numbers_app.h"

#include "app/win32/numbers_dlg_wnd.h"
#include "res/resource_ids.h"

CNumbersApp theApp;

BOOL CNumbersApp::InitInstance() {
  if (!AfxSocketInit()) {
    AfxMessageBox(IDP_SOCKETS_INIT_FAILED, MB_OK);
    return FALSE;
  }
  Enable3dControls();

  CNumbersDlgWnd dialog;
  m_pMainWnd = &dialog;
  dialog.DoModal();
  m_pMainWnd = nullptr;
  return FALSE;
}
