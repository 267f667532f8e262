#include "tests/win32/running_program.h"

#include <gtest/gtest.h>

#include "app/win32/framework/wide_text.h"
#include "tests/win32/program_main.h"

namespace {

constexpr wchar_t kDialogClass[] = L"#32770";
constexpr wchar_t kCaption[] = L"Ezo's Numbrel V1.1";
// Long enough for a slow first start of Wine, and for the longest operation.
constexpr DWORD kPatience = 30000;
constexpr DWORD kStep = 20;

struct Search {
  DWORD processId;
  const wchar_t* windowClass;
  const wchar_t* caption;
  HWND owner;
  HWND found;
};

bool Matches(HWND window, const Search& search) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId != search.processId) return false;
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  if (std::wstring_view(name) != search.windowClass) return false;
  if (search.owner != nullptr && GetWindow(window, GW_OWNER) != search.owner) return false;
  if (search.caption == nullptr) return true;
  wchar_t caption[128] = {};
  GetWindowTextW(window, caption, 128);
  return std::wstring_view(caption) == search.caption;
}

BOOL CALLBACK Inspect(HWND window, LPARAM searching) {
  auto& search = *reinterpret_cast<Search*>(searching);
  if (!Matches(window, search)) return TRUE;
  search.found = window;
  return FALSE;
}

HWND FindWindowOf(Search search) {
  EnumWindows(&Inspect, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

template <class Condition>
bool WaitUntil(Condition condition, DWORD milliseconds = kPatience) {
  for (DWORD waited = 0;; waited += kStep) {
    if (condition()) return true;
    if (waited >= milliseconds) return false;
    Sleep(kStep);
  }
}

}  // namespace

HWND FindProcessWindow(DWORD processId, const wchar_t* windowClass, const wchar_t* caption) {
  return FindWindowOf({processId, windowClass, caption, nullptr, nullptr});
}

std::string WindowText(HWND window) {
  DWORD_PTR length = 0;
  SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kPatience, &length);
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_NORMAL, kPatience, &copied);
  text.resize(copied);
  return Cp1252OfWide(text);
}

RunningProgram::RunningProgram() {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  std::wstring commandLine = L"\"" + ProgramUnderTest() + L"\"";
  if (!CreateProcessW(ProgramUnderTest().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                      nullptr, nullptr, &startup, &process_)) {
    ADD_FAILURE() << "cannot start the program, error " << GetLastError();
    return;
  }
  WaitUntil([this] {
    dialog_ = FindProcessWindow(process_.dwProcessId, kDialogClass, kCaption);
    return dialog_ != nullptr || WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0;
  });
  if (dialog_ == nullptr) {
    ADD_FAILURE() << "the program shows no dialog";
    return;
  }
  thread_ = GetWindowThreadProcessId(dialog_, nullptr);
  // Once the dialog takes a message it has finished its start.
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(dialog_, WM_NULL, 0, 0, SMTO_NORMAL, kPatience, &ignored);
}

RunningProgram::~RunningProgram() {
  if (process_.hProcess == nullptr) return;
  if (WaitForSingleObject(process_.hProcess, 0) != WAIT_OBJECT_0) {
    TerminateProcess(process_.hProcess, 99);
    WaitForSingleObject(process_.hProcess, kPatience);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

std::string RunningProgram::Text(int id) const { return WindowText(Item(id)); }

void RunningProgram::SetText(int id, std::string_view text) {
  const std::wstring wide = WideOfCp1252(text);
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()),
                      SMTO_NORMAL, kPatience, &ignored);
}

void RunningProgram::Click(int id) {
  DWORD_PTR ignored = 0;
  if (!SendMessageTimeoutW(Item(id), BM_CLICK, 0, 0, SMTO_NORMAL, kPatience, &ignored)) {
    ADD_FAILURE() << "the button " << id << " did not finish in time";
  }
}

std::optional<ShownBox> RunningProgram::ClickOpeningBox(int id) {
  PostMessageW(Item(id), BM_CLICK, 0, 0);
  return WaitForBox();
}

std::optional<ShownBox> RunningProgram::WaitForBox() {
  HWND box = nullptr;
  WaitUntil([&] {
    box = FindWindowOf({process_.dwProcessId, kDialogClass, nullptr, dialog_, nullptr});
    return box != nullptr;
  });
  if (box == nullptr) return std::nullopt;
  // The box's text is its static control 0xFFFF.
  return ShownBox{box, WindowText(box), WindowText(GetDlgItem(box, 0xFFFF))};
}

bool RunningProgram::DismissBox(const ShownBox& box) {
  PostMessageW(box.window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  return WaitUntil([&] { return !IsWindow(box.window); });
}

void RunningProgram::Focus(int id) {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE,
                      SMTO_NORMAL, kPatience, &ignored);
}

HWND RunningProgram::FocusedWindow() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(thread_, &info) ? info.hwndFocus : nullptr;
}

void RunningProgram::PressKey(WORD virtualKey) {
  const HWND focused = FocusedWindow();
  const HWND target = focused != nullptr ? focused : dialog_;
  PostMessageW(target, WM_KEYDOWN, virtualKey, 1);
  PostMessageW(target, WM_KEYUP, virtualKey, static_cast<LPARAM>(0xC0000001u));
}

std::optional<DWORD> RunningProgram::WaitForExit(DWORD milliseconds) {
  if (process_.hProcess == nullptr ||
      WaitForSingleObject(process_.hProcess, milliseconds) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD code = 0;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}
