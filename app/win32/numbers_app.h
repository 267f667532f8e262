// The Windows program's application object: starts the socket layer, runs the
// calculator's dialog modally, and ends the program when the dialog closes.
#pragma once

#include "app/win32/framework/win_app.h"

class CNumbersApp : public CWinApp {
 public:
  // Always FALSE: the program ends when the dialog has closed.
  BOOL InitInstance() override;
};
