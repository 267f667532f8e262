// The program's entry point: the application object, already constructed as a
// global, does the rest.
#include "app/win32/framework/win_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  CWinApp* app = AfxGetApp();
  if (app == nullptr) return 1;
  app->Attach(instance);
  app->InitInstance();
  return 0;
}
