#include <QCursor>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <algorithm>

#include "app/qt/text_edge.h"
#include "commands/press_command.h"
#include "window_fixture.h"

namespace {

// A command line's call (`numbrel divide 1 97`) does in the window what the
// same press does on the in-memory form: the same answer, the same boxes, the
// busy pointer shown while the answer is written and gone after, and the
// texts pasted as they are (Binary's command runs as its text changes).
struct Called {
  std::string name;
  std::vector<std::string> words;
};

class Calling : public WindowCaseTest<Called> {};

TEST_P(Calling, DoesWhatThePressDoes) {
  const auto call = std::get<CommandCall>(ReadCommandCall(GetParam().words));
  MemoryForm memory;
  PressCommand(memory, *call.command, call.texts);
  QStringList boxes;
  for (const MemoryForm::Event& event : memory.Events()) {
    if (event.kind != MemoryForm::EventKind::MessageBox) continue;
    boxes << (event.caption ? ToQString(*event.caption) : qAppName()) + ": " +
                 ToQString(event.text);
  }
  const bool busyWrite = std::any_of(memory.Events().begin(), memory.Events().end(), [](auto& e) {
    return e.kind == MemoryForm::EventKind::SetText && e.id == IDC_RESULT && e.waitDepth > 0;
  });
  bool busyShown = false;
  QObject::connect(qobject_cast<QPlainTextEdit*>(Control(IDC_RESULT)), &QPlainTextEdit::textChanged,
                   [&] {
                     const QCursor* cursor = QGuiApplication::overrideCursor();
                     busyShown = cursor != nullptr && cursor->shape() == Qt::WaitCursor;
                   });
  Window().Press(call);
  EXPECT_EQ(Text(call.command->output), memory.FieldText(call.command->output));
  EXPECT_EQ(TakeBoxes(), boxes);
  EXPECT_EQ(busyShown, busyWrite);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  for (std::size_t f = 0; f < call.texts.size(); ++f) {
    EXPECT_EQ(Text(call.command->fields[f].id), call.texts[f]);
  }
}

const Called kCalled[] = {{"Divide", {"divide", "1", "97"}},
                          {"BinaryUnfiltered", {"binary", "1a01"}},
                          {"GcfLcmRefusesZero", {"gcf-lcm", "0", "5"}},
                          {"PrimeFactorsNegative", {"prime-factors", "-360"}},
                          {"BitsOutOfRange", {"bits", "262145"}}};

INSTANTIATE_TEST_SUITE_P(CommandLine, Calling, ::testing::ValuesIn(kCalled), kByName);

}  // namespace
