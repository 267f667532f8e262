// Starts EzosNumbrel.exe and fills its form with an example, for a picture of
// the program at work: 101010 in Binary, and 22 divided by 7. The program
// stays open.
//   numbrel_win32_example PATH-OF-EzosNumbrel.exe
#include <cstdio>
#include <string>

#include "app/win32/framework/windows_api.h"
#include "form/control_ids.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s PATH-OF-EzosNumbrel.exe\n", argv[0]);
    return 2;
  }
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(argv[1], nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    std::fprintf(stderr, "cannot start %s\n", argv[1]);
    return 1;
  }
  HWND dialog = nullptr;
  for (int tries = 0; dialog == nullptr && tries < 1000; ++tries) {
    Sleep(20);
    dialog = FindWindowW(L"#32770", L"Ezo's Numbrel V1.1");
  }
  if (dialog == nullptr) {
    std::fprintf(stderr, "the program shows no dialog\n");
    return 1;
  }
  SendMessageW(GetDlgItem(dialog, IDC_BINARY), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"101010"));
  SendMessageW(GetDlgItem(dialog, IDC_FIRST_NUMBER), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"22"));
  SendMessageW(GetDlgItem(dialog, IDC_SECOND_NUMBER), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"7"));
  SendMessageW(GetDlgItem(dialog, IDC_DIVIDE), BM_CLICK, 0, 0);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return 0;
}
