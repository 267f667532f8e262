// EzosNumbrel.exe started under Wine and driven from this second program as a
// user would: texts put into its fields, buttons pressed, keys sent, its
// message boxes read and dismissed. What the window shows is compared with
// what the core computes from the same fields. Texts are Windows-1252 here.
//   numbrel_win32_dialog_tests [gtest flags] PATH-OF-EzosNumbrel.exe
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/win32/framework/wide_text.h"
#include "app/win32/framework/windows_api.h"
#include "form/program.h"
#include "commands/command_table.h"
#include "form/memory_form.h"

namespace {

// In Windows form: Wine shows the host's file system as drive Z:.
std::wstring programPath;
// Long enough for a slow first start of Wine, and for the longest operation.
constexpr DWORD kPatience = 30000;
constexpr ControlId kFields[] = {IDC_BINARY,        IDC_DECIMAL,       IDC_FIRST_NUMBER,
                                 IDC_SECOND_NUMBER, IDC_SINGLE_NUMBER, IDC_RESULT};
using Screen = std::map<ControlId, std::string>;

struct Box {
  std::string caption, text;
  bool operator==(const Box&) const = default;
};

template <class Condition>
bool WaitUntil(Condition condition, DWORD milliseconds = kPatience) {
  for (DWORD waited = 0; !condition(); waited += 20) {
    if (waited >= milliseconds) return false;
    Sleep(20);
  }
  return true;
}

// Sent across the process boundary; a hung program fails the test instead of
// holding it.
LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kPatience, &result)) {
    ADD_FAILURE() << "message " << message << " not answered in time";
  }
  return static_cast<LRESULT>(result);
}

std::string TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(Send(window, WM_GETTEXTLENGTH)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return Cp1252OfWide(text);
}

// A message box's text is its static control 0xFFFF.
Box BoxOf(HWND box) { return {TextOf(box), TextOf(GetDlgItem(box, 0xFFFF))}; }

struct Search {
  DWORD processId;
  HWND owner;
  HWND found;
};

BOOL CALLBACK Inspect(HWND window, LPARAM searching) {
  auto& search = *reinterpret_cast<Search*>(searching);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (processId != search.processId || std::wstring_view(name) != L"#32770" ||
      GetWindow(window, GW_OWNER) != search.owner) {
    return TRUE;
  }
  search.found = window;
  return FALSE;
}

class RunningProgram {
 public:
  // Starts the program and waits until its dialog has finished its start.
  RunningProgram() {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + programPath + L"\"";
    if (!CreateProcessW(programPath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &process_)) {
      ADD_FAILURE() << "cannot start the program, error " << GetLastError();
      return;
    }
    WaitUntil([this] {
      dialog_ = DialogOwnedBy(nullptr);
      return dialog_ != nullptr || WaitForExit(0).has_value();
    });
    if (dialog_ != nullptr) Send(dialog_, WM_NULL);
  }
  ~RunningProgram() {
    if (process_.hProcess == nullptr) return;
    if (!WaitForExit(0)) TerminateProcess(process_.hProcess, 99);
    WaitForSingleObject(process_.hProcess, kPatience);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  HWND Dialog() const { return dialog_; }
  HWND Item(int id) const { return GetDlgItem(dialog_, id); }
  Screen Fields() const {
    Screen screen;
    for (const ControlId id : kFields) screen[id] = TextOf(Item(id));
    return screen;
  }
  // The edit control has reported the change (EN_CHANGE) when this returns.
  void SetText(int id, std::string_view text) {
    Send(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(WideOfCp1252(text).c_str()));
  }
  // Posted, not sent: a box the button opens must not hold up this side.
  void Press(int id) const { PostMessageW(Item(id), BM_CLICK, 0, 0); }
  // The message box the dialog shows, once it is there.
  HWND WaitForBox() const {
    HWND box = nullptr;
    WaitUntil([&] { return (box = DialogOwnedBy(dialog_)) != nullptr; });
    return box;
  }
  static bool Dismiss(HWND box) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return WaitUntil([&] { return !IsWindow(box); });
  }
  // Moves the keyboard focus onto the item the way Tab would.
  void Focus(int id) { Send(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE); }
  HWND Focused() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(dialog_, nullptr), &info) ? info.hwndFocus
                                                                               : nullptr;
  }
  // Down and up in the focused window, through the dialog's keyboard handling.
  void PressKey(WORD key) const {
    const HWND target = Focused() != nullptr ? Focused() : dialog_;
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
  }
  std::optional<DWORD> WaitForExit(DWORD milliseconds) const {
    DWORD code = 0;
    if (WaitForSingleObject(process_.hProcess, milliseconds) != WAIT_OBJECT_0) return std::nullopt;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
  }

 private:
  HWND DialogOwnedBy(HWND owner) const {
    Search search{process_.dwProcessId, owner, nullptr};
    EnumWindows(&Inspect, reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  PROCESS_INFORMATION process_{};
  HWND dialog_ = nullptr;
};

TEST(Program, StartsCentredWithEmptyFieldsAndEndsByEscapeOrTheCloseBox) {
  const std::pair<const char*, std::function<void(RunningProgram&)>> endings[] = {
      {"Escape", [](RunningProgram& program) { program.PressKey(VK_ESCAPE); }},
      {"the close box",
       [](RunningProgram& program) {
         PostMessageW(program.Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
       }},
  };
  for (const auto& [name, end] : endings) {
    SCOPED_TRACE(name);
    RunningProgram program;
    ASSERT_NE(program.Dialog(), nullptr);
    EXPECT_EQ(TextOf(program.Dialog()), "Ezo's Numbrel V1.1");
    for (const auto& [id, text] : program.Fields()) EXPECT_EQ(text, "") << "field " << id;
    EXPECT_EQ(program.Focused(), program.Item(IDC_BINARY));
    // Wine leaves a dialog at 0, 0: the program centres it itself.
    RECT window;
    GetWindowRect(program.Dialog(), &window);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(program.Dialog(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& area = monitor.rcWork;
    EXPECT_NEAR(window.left - area.left, area.right - window.right, 1);
    EXPECT_NEAR(window.top - area.top, area.bottom - window.bottom, 1);
    EXPECT_GT(window.left, area.left);

    end(program);
    EXPECT_EQ(program.WaitForExit(10000), std::optional<DWORD>(0));
  }
}

class CalculatorWindow : public testing::Test {
 protected:
  static void SetUpTestSuite() { program_ = std::make_unique<RunningProgram>(); }
  static void TearDownTestSuite() {
    PostMessageW(program_->Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(program_->WaitForExit(10000), std::optional<DWORD>(0));
    program_.reset();
  }
  void SetUp() override { ASSERT_NE(program_->Dialog(), nullptr); }

  static std::unique_ptr<RunningProgram> program_;
};

std::unique_ptr<RunningProgram> CalculatorWindow::program_;

TEST_F(CalculatorWindow, ShowsTheDecimalValueOfBinaryAfterEveryChange) {
  const std::pair<std::string, const char*> cases[] = {
      {"101", "5"},
      {"", "0"},
      {"12", "2"},
      {std::string(32, '1'), "4294967295"},
      // Only the first 99 characters are read.
      {std::string(99, '1') + std::string(51, '0'), "4294967295"},
  };
  for (const auto& [binary, decimal] : cases) {
    SCOPED_TRACE("Binary \"" + binary + "\"");
    program_->SetText(IDC_BINARY, binary);
    EXPECT_EQ(TextOf(program_->Item(IDC_DECIMAL)), decimal);
  }
}

struct ButtonCase {
  const char* name;
  std::vector<std::pair<ControlId, std::string>> inputs;
  ControlId button;
};

const ButtonCase kButtons[] = {
    {"22 / 7", {{IDC_FIRST_NUMBER, "22"}, {IDC_SECOND_NUMBER, "7"}}, IDC_DIVIDE},
    // 10,017 bytes, more than the result buffer of the other operations hold.
    // Wine's multi-line edit control lays out one long paragraph in time that
    // grows faster than its square (about 4 s here at 10,000 characters, 25 s
    // at 20,000), so the longer texts stay out of this suite.
    {"1 / 19997", {{IDC_FIRST_NUMBER, "1"}, {IDC_SECOND_NUMBER, "19997"}}, IDC_DIVIDE},
    {"GCF/LCM 12, 18", {{IDC_FIRST_NUMBER, "12"}, {IDC_SECOND_NUMBER, "18"}}, IDC_GCF_LCM},
    {"GCF/LCM 0, 5 refused", {{IDC_FIRST_NUMBER, "0"}, {IDC_SECOND_NUMBER, "5"}}, IDC_GCF_LCM},
    {"Prime Factors 360", {{IDC_SINGLE_NUMBER, "360"}}, IDC_PRIME_FACTORS},
    {"All Factors of pasted \"   12abc\"", {{IDC_SINGLE_NUMBER, "   12abc"}}, IDC_ALL_FACTORS},
    {"Bits 10", {{IDC_SINGLE_NUMBER, "10"}}, IDC_BITS},
    {"About", {{IDC_BINARY, "11"}, {IDC_FIRST_NUMBER, "22"}, {IDC_SINGLE_NUMBER, "12"}}, IDC_ABOUT},
};

// Each case starts from the result the one before left, which it must replace
// or, for About, keep.
TEST_F(CalculatorWindow, EveryButtonShowsWhatTheCoreComputesFromTheSameFields) {
  for (const ButtonCase& c : kButtons) {
    SCOPED_TRACE(c.name);
    for (const ControlId id : {IDC_BINARY, IDC_FIRST_NUMBER, IDC_SECOND_NUMBER, IDC_SINGLE_NUMBER}) {
      program_->SetText(id, "");
    }
    for (const auto& [id, text] : c.inputs) program_->SetText(id, text);
    program_->SetText(IDC_DECIMAL, "");

    MemoryForm core;
    for (const auto& [id, text] : program_->Fields()) core.Type(id, text);
    CNumbersDlg handlers(core);
    DispatchCommand(handlers, c.button, Notification::Clicked);
    std::optional<Box> coreBox;
    for (const MemoryForm::Event& event : core.Events()) {
      // A box without a caption of its own shows the program's name.
      if (event.kind == MemoryForm::EventKind::MessageBox) {
        coreBox = Box{event.caption.value_or("EzosNumbrel"), event.text};
      }
    }

    if (coreBox.has_value()) {
      program_->Press(c.button);
      const HWND box = program_->WaitForBox();
      ASSERT_NE(box, nullptr) << "no message box";
      EXPECT_EQ(BoxOf(box), *coreBox);
      ASSERT_TRUE(RunningProgram::Dismiss(box));
    } else {
      Send(program_->Item(c.button), BM_CLICK);
    }
    Screen expected;
    for (const ControlId id : kFields) expected[id] = core.FieldText(id);
    EXPECT_EQ(program_->Fields(), expected);
  }
}

// Enter on a button presses it; in a field it does nothing, and it never ends
// the program.
TEST_F(CalculatorWindow, EnterPressesAFocusedButtonAndLeavesEveryFieldAlone) {
  program_->SetText(IDC_RESULT, "line one\r\nline two");
  program_->SetText(IDC_FIRST_NUMBER, "22");
  for (const ControlId focus : {IDC_ABOUT, IDC_RESULT, IDC_BINARY, IDC_FIRST_NUMBER,
                                IDC_SECOND_NUMBER, IDC_SINGLE_NUMBER, IDC_DECIMAL}) {
    SCOPED_TRACE(focus);
    program_->Focus(focus);
    ASSERT_EQ(program_->Focused(), program_->Item(focus));
    program_->PressKey(VK_RETURN);
    // Queued behind the key: once its box is up, the key is done.
    if (focus != IDC_ABOUT) program_->Press(IDC_ABOUT);
    const HWND box = program_->WaitForBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(BoxOf(box).caption, kAboutCaption);
    ASSERT_TRUE(RunningProgram::Dismiss(box));
  }
  EXPECT_EQ(program_->WaitForExit(0), std::nullopt);
  EXPECT_EQ(TextOf(program_->Item(IDC_RESULT)), "line one\r\nline two");
  EXPECT_EQ(TextOf(program_->Item(IDC_FIRST_NUMBER)), "22");
}

TEST_F(CalculatorWindow, MinimizesAndComesBack) {
  const HWND dialog = program_->Dialog();
  PostMessageW(dialog, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(WaitUntil([&] { return IsIconic(dialog); }, 5000));
  // Painting while minimized takes the icon-drawing path.
  RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  PostMessageW(dialog, WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsIconic(dialog); }, 5000));
  EXPECT_EQ(program_->WaitForExit(0), std::nullopt);
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s [gtest flags] PATH-OF-EzosNumbrel.exe\n", argv[0]);
    return 2;
  }
  programPath = std::string_view(argv[1]).starts_with('/') ? L"Z:" : L"";
  for (const char c : std::string_view(argv[1])) {
    programPath += c == '/' ? L'\\' : static_cast<wchar_t>(c);
  }
  return RUN_ALL_TESTS();
}
