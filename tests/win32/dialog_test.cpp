// EzosNumbrel.exe started under Wine and driven from this second program as a
// user would: texts put into its fields, buttons and keys pressed, its message
// boxes read and dismissed. The window must show what the core computes from
// the same actions: the texts' way through the real window is under test, not
// the arithmetic. Texts are Windows-1252 here.
//   NUMBREL_PROGRAM=Z:/PATH/OF/EzosNumbrel.exe numbrel_win32_dialog_tests
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/win32/framework/wide_text.h"
#include "app/win32/framework/windows_api.h"
#include "commands/command_table.h"
#include "form/memory_form.h"
#include "form/program.h"

namespace {

// Long enough for a slow first start of Wine, and for the longest operation.
constexpr DWORD kPatience = 30000;
constexpr ControlId kFields[] = {IDC_BINARY,        IDC_DECIMAL,       IDC_FIRST_NUMBER,
                                 IDC_SECOND_NUMBER, IDC_SINGLE_NUMBER, IDC_RESULT};
using Screen = std::map<ControlId, std::string>;

// The condition's first true value, or its last false one after milliseconds.
template <class Condition>
auto WaitUntil(Condition condition, DWORD milliseconds = kPatience) {
  for (DWORD waited = 0;; waited += 20) {
    if (const auto value = condition(); value || waited >= milliseconds) return value;
    Sleep(20);
  }
}

std::string TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)) + 1,
                    L'\0');
  text.resize(static_cast<std::size_t>(
      SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return Cp1252OfWide(text);
}

// The program's dialog, or a message box it shows, by its caption.
HWND WaitForDialog(const std::string& caption) {
  return WaitUntil([&] { return FindWindowW(L"#32770", WideOfCp1252(caption).c_str()); });
}

// The text of the message box of that caption, once it has been dismissed.
std::string DismissBox(const std::string& caption) {
  const HWND box = WaitForDialog(caption);
  if (box == nullptr) return "no box captioned " + caption;
  const std::string text = TextOf(GetDlgItem(box, 0xFFFF));  // the box's static text
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  WaitUntil([&] { return !IsWindow(box); });
  return text;
}

class RunningProgram {
 public:
  // Starts the program and waits until its dialog has finished its start.
  RunningProgram() {
    // In Windows form: Wine shows the host's files as drive Z:.
    const std::wstring path = WideOfCp1252(std::getenv("NUMBREL_PROGRAM"));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(path.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_)) {
      ADD_FAILURE() << "cannot start the program, error " << GetLastError();
      return;
    }
    dialog_ = WaitForDialog(kProgramTitle);
    if (dialog_ != nullptr) SendMessageW(dialog_, WM_NULL, 0, 0);
  }
  ~RunningProgram() {
    if (process_.hProcess == nullptr) return;
    if (ExitCode(0) == STILL_ACTIVE) TerminateProcess(process_.hProcess, 99);
    WaitForSingleObject(process_.hProcess, kPatience);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }

  HWND Dialog() const { return dialog_; }
  HWND Item(int id) const { return GetDlgItem(dialog_, id); }
  Screen Fields() const {
    Screen screen;
    for (const ControlId id : kFields) screen[id] = TextOf(Item(id));
    return screen;
  }
  // A paste: the edit control has reported the change (EN_CHANGE) when this returns.
  void SetText(int id, std::string_view text) {
    SendMessageW(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(WideOfCp1252(text).c_str()));
  }
  // Posted, not sent: a box the button opens must not hold up this side.
  void Press(int id) const { PostMessageW(Item(id), BM_CLICK, 0, 0); }
  // Moves the keyboard focus there as Tab would; the key then goes through
  // the dialog's keyboard handling, down and up.
  void PressKeyIn(int id, WORD key) {
    SendMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
    PostMessageW(Item(id), WM_KEYDOWN, key, 1);
    PostMessageW(Item(id), WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
  }
  // STILL_ACTIVE while it runs.
  DWORD ExitCode(DWORD waitMilliseconds) const {
    DWORD code = 0;
    WaitForSingleObject(process_.hProcess, waitMilliseconds);
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
  }

 private:
  PROCESS_INFORMATION process_{};
  HWND dialog_ = nullptr;
};

struct Action {
  const char* name;
  ControlId enterIn;  // Enter there first: nothing happens in a field, a button is pressed
  ControlId button;   // then pressed, unless Enter pressed it
  std::vector<std::pair<ControlId, std::string>> pasted;
};

// Every command once; Enter once in each field.
const Action kActions[] = {
    {"Divide", IDC_SECOND_NUMBER, IDC_DIVIDE, {{IDC_FIRST_NUMBER, "1"}, {IDC_SECOND_NUMBER, "7"}}},
    {"GcfLcm", IDC_FIRST_NUMBER, IDC_GCF_LCM, {{IDC_FIRST_NUMBER, "6"}, {IDC_SECOND_NUMBER, "4"}}},
    {"GcfLcmZero", IDC_GCF_LCM, IDC_GCF_LCM, {{IDC_FIRST_NUMBER, "0"}, {IDC_SECOND_NUMBER, "5"}}},
    {"PrimeFactors", IDC_SINGLE_NUMBER, IDC_PRIME_FACTORS, {{IDC_SINGLE_NUMBER, "360"}}},
    {"AllFactors", IDC_RESULT, IDC_ALL_FACTORS, {{IDC_SINGLE_NUMBER, "12"}}},
    {"Bits", IDC_DECIMAL, IDC_BITS, {{IDC_SINGLE_NUMBER, "10"}}},
    {"BinaryThenAbout", IDC_BINARY, IDC_ABOUT, {{IDC_BINARY, "101"}, {IDC_FIRST_NUMBER, "22"}}},
    // The longest texts, which the result field lays out itself.
    {"DivideLongPeriod",
     IDC_DIVIDE,
     IDC_DIVIDE,
     {{IDC_FIRST_NUMBER, "1"}, {IDC_SECOND_NUMBER, "19997"}}},
    {"BitsLongest", IDC_BITS, IDC_BITS, {{IDC_SINGLE_NUMBER, "262144"}}},
};

// One program for every case: it starts centred (Wine leaves a dialog at 0, 0:
// the program centres it itself) with empty fields and the focus in Binary,
// and Escape in a field ends it.
class Calculator : public testing::TestWithParam<Action> {
 protected:
  static void SetUpTestSuite() {
    program_ = std::make_unique<RunningProgram>();
    ASSERT_NE(program_->Dialog(), nullptr);
    RECT window, area;
    GetWindowRect(program_->Dialog(), &window);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    EXPECT_NEAR(window.left + window.right, area.left + area.right, 1);
    EXPECT_NEAR(window.top + window.bottom, area.top + area.bottom, 1);
    GUITHREADINFO focus{};
    focus.cbSize = sizeof focus;
    GetGUIThreadInfo(GetWindowThreadProcessId(program_->Dialog(), nullptr), &focus);
    EXPECT_EQ(focus.hwndFocus, program_->Item(IDC_BINARY));
    for (const auto& [id, text] : program_->Fields()) EXPECT_EQ(text, "") << "field " << id;
  }
  static void TearDownTestSuite() {
    program_->PressKeyIn(IDC_FIRST_NUMBER, VK_ESCAPE);
    EXPECT_EQ(program_->ExitCode(10000), 0u);
    program_.reset();
  }
  static inline std::unique_ptr<RunningProgram> program_;
};

TEST_P(Calculator, ShowsWhatTheCoreComputes) {
  const Action& c = GetParam();
  for (const ControlId id : kFields) program_->SetText(id, "");
  MemoryForm core;
  CNumbersDlg handlers(core);
  for (const auto& [id, text] : c.pasted) {
    program_->SetText(id, text);
    core.Type(id, text);
    DispatchCommand(handlers, id, Notification::TextChanged);
  }
  program_->PressKeyIn(c.enterIn, VK_RETURN);
  if (c.button != c.enterIn) program_->Press(c.button);
  DispatchCommand(handlers, c.button, Notification::Clicked);
  for (const MemoryForm::Event& event : core.Events()) {
    // A box without a caption of its own shows the program's file name.
    if (event.kind == MemoryForm::EventKind::MessageBox) {
      EXPECT_EQ(DismissBox(event.caption.value_or("EzosNumbrel")), event.text);
    }
  }
  Screen expected;
  for (const ControlId id : kFields) expected[id] = core.FieldText(id);
  WaitUntil([&] { return program_->Fields() == expected; }, 5000);
  EXPECT_EQ(program_->Fields(), expected);
}

INSTANTIATE_TEST_SUITE_P(, Calculator, testing::ValuesIn(kActions),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
