// EzosNumbrel.exe started under Wine and driven from this second program as a
// user would: texts pasted into its fields, buttons and keys pressed, its
// message boxes read and dismissed. The window must show what the core
// computes from the same actions: the texts' way through the real window is
// under test, not the arithmetic. Texts are Windows-1252 here.
//   NUMBREL_PROGRAM=Z:/PATH/OF/EzosNumbrel.exe numbrel_win32_dialog_tests
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "app/win32/framework/wide_text.h"
#include "app/win32/framework/windows_api.h"
#include "commands/press_command.h"
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

// By WM_GETTEXT: GetWindowText does not ask a window of another process.
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

struct Action {
  const char* name;
  const char* command;             // by its button; binary by the paste into its field
  std::vector<std::string> texts;  // pasted into the command's fields, in the table's order
  ControlId enterIn;  // Enter there first: nothing happens in a field; on a button, presses it
};

void PrintTo(const Action& action, std::ostream* out) { *out << action.name; }

// Every command once; Enter once in each field.
const Action kActions[] = {
    {"Divide", "divide", {"1", "7"}, IDC_SECOND_NUMBER},
    {"GcfLcm", "gcf-lcm", {"6", "4"}, IDC_FIRST_NUMBER},
    {"GcfLcmZero", "gcf-lcm", {"0", "5"}, IDC_GCF_LCM},
    {"PrimeFactors", "prime-factors", {"360"}, IDC_SINGLE_NUMBER},
    {"AllFactors", "all-factors", {"12"}, IDC_RESULT},
    {"Bits", "bits", {"10"}, IDC_DECIMAL},
    {"Binary", "binary", {"101"}, IDC_BINARY},
    {"About", "about", {}, IDC_ABOUT},
    // The longest texts, which the result field lays out itself.
    {"DivideLongPeriod", "divide", {"1", "19997"}, IDC_DIVIDE},
    {"BitsLongest", "bits", {"262144"}, IDC_BITS},
};

// One program for every case: it starts centred (Wine leaves a dialog at 0, 0:
// the program centres it itself) with empty fields and the focus in Binary,
// and Escape in a field ends it.
class Calculator : public testing::TestWithParam<Action> {
 protected:
  static void SetUpTestSuite() {
    // In Windows form: Wine shows the host's files as drive Z:.
    const std::wstring path = WideOfCp1252(std::getenv("NUMBREL_PROGRAM"));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ASSERT_TRUE(CreateProcessW(path.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process_))
        << "cannot start the program, error " << GetLastError();
    dialog_ = WaitForDialog(kProgramTitle);
    ASSERT_NE(dialog_, nullptr);
    SendMessageW(dialog_, WM_NULL, 0, 0);  // returns once the dialog has finished its start
    RECT window, area;
    GetWindowRect(dialog_, &window);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    EXPECT_NEAR(window.left + window.right, area.left + area.right, 1);
    EXPECT_NEAR(window.top + window.bottom, area.top + area.bottom, 1);
    GUITHREADINFO focus{};
    focus.cbSize = sizeof focus;
    GetGUIThreadInfo(GetWindowThreadProcessId(dialog_, nullptr), &focus);
    EXPECT_EQ(focus.hwndFocus, GetDlgItem(dialog_, IDC_BINARY));
    for (const auto& [id, text] : Fields()) EXPECT_EQ(text, "") << "field " << id;
  }
  static void TearDownTestSuite() {
    if (process_.hProcess == nullptr) return;
    PressKeyIn(IDC_FIRST_NUMBER, VK_ESCAPE);
    DWORD code = STILL_ACTIVE;
    WaitForSingleObject(process_.hProcess, 10000);
    GetExitCodeProcess(process_.hProcess, &code);
    EXPECT_EQ(code, 0u);
    TerminateProcess(process_.hProcess, 99);  // nothing, once it has ended
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }

  static Screen Fields() {
    Screen screen;
    for (const ControlId id : kFields) screen[id] = TextOf(GetDlgItem(dialog_, id));
    return screen;
  }
  // A paste: the edit control has reported the change (EN_CHANGE) when this returns.
  static void Paste(ControlId id, std::string_view text) {
    SendMessageW(GetDlgItem(dialog_, id), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(WideOfCp1252(text).c_str()));
  }
  // Moves the keyboard focus there as Tab would; the key then goes through
  // the dialog's keyboard handling, down and up.
  static void PressKeyIn(ControlId id, WORD key) {
    const HWND control = GetDlgItem(dialog_, id);
    SendMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    PostMessageW(control, WM_KEYDOWN, key, 1);
    PostMessageW(control, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
  }

  static inline PROCESS_INFORMATION process_{};
  static inline HWND dialog_ = nullptr;
};

TEST_P(Calculator, ShowsWhatTheCoreComputes) {
  const Action& c = GetParam();
  const Command& command = *FindCommand(c.command);
  for (const ControlId id : kFields) Paste(id, "");
  for (std::size_t i = 0; i < c.texts.size(); ++i) Paste(command.fields[i].id, c.texts[i]);
  PressKeyIn(c.enterIn, VK_RETURN);
  // Posted, not sent: a box the button opens must not hold up this side.
  if (command.source != c.enterIn)
    PostMessageW(GetDlgItem(dialog_, command.source), BM_CLICK, 0, 0);
  MemoryForm core;
  PressCommand(core, command, c.texts);
  for (const MemoryForm::Event& event : core.Events()) {
    // A box without a caption of its own shows the program's file name.
    if (event.kind == MemoryForm::EventKind::MessageBox) {
      EXPECT_EQ(DismissBox(event.caption.value_or("EzosNumbrel")), event.text);
    }
  }
  Screen expected;
  for (const ControlId id : kFields) expected[id] = core.FieldText(id);
  WaitUntil([&] { return Fields() == expected; }, 5000);
  EXPECT_EQ(Fields(), expected);
}

INSTANTIATE_TEST_SUITE_P(, Calculator, testing::ValuesIn(kActions),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
