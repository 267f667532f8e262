// EzosNumbrel.exe started as a process of its own and driven from outside, as
// a user would: texts put into its fields, buttons pressed, keys sent, its
// message boxes read and dismissed. Texts are Windows-1252 on this side.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/win32/framework/windows_api.h"

// A message box the program shows, with its caption and text.
struct ShownBox {
  HWND window;
  std::string caption;
  std::string text;
};

class RunningProgram {
 public:
  // Starts the program and waits until its dialog is there.
  RunningProgram();
  // Ends it if it still runs.
  ~RunningProgram();
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  HWND Dialog() const { return dialog_; }
  HWND Item(int id) const { return GetDlgItem(dialog_, id); }
  DWORD ThreadId() const { return thread_; }

  std::string Text(int id) const;
  // The edit control reports the change (EN_CHANGE) before this returns.
  void SetText(int id, std::string_view text);
  // Runs the button's handler to its end.
  void Click(int id);
  // Presses the button without waiting for it and gives the box it opens.
  std::optional<ShownBox> ClickOpeningBox(int id);
  // The message box the dialog shows, once it is there.
  std::optional<ShownBox> WaitForBox();
  // Presses the box's OK and waits until it has gone.
  bool DismissBox(const ShownBox& box);
  // Moves the keyboard focus the way Tab would, onto that item.
  void Focus(int id);
  HWND FocusedWindow() const;
  // A key pressed and released in the focused window, through the dialog's
  // own keyboard handling.
  void PressKey(WORD virtualKey);

  // The program's exit code once it has ended within the time given.
  std::optional<DWORD> WaitForExit(DWORD milliseconds);

 private:
  PROCESS_INFORMATION process_{};
  DWORD thread_ = 0;
  HWND dialog_ = nullptr;
};

// A top-level window of that class and caption in the given process, or none.
HWND FindProcessWindow(DWORD processId, const wchar_t* windowClass, const wchar_t* caption);
std::string WindowText(HWND window);
