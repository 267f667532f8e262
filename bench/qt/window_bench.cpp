// The desktop window's cost of showing 2 to the power 262,144 (105,388
// characters, the digits one run of 105,218 digits and commas) and painting
// it: "ours" is the result field; "reference" a plain QPlainTextEdit of the
// same size and font, wrapping at word boundaries as Qt does by default, and
// in the other cases wrapping anywhere, the least that laying out costs (and
// what breaks numbers inside their groups of digits and words of prose). The
// click is the whole press of "Bits" through the real widgets, operation
// included, beside that least cost of showing its text.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <string>

#include "app/qt/numbers_window.h"
#include "app/qt/text_edge.h"
#include "bench/table_reporter.h"
#include "ops/bits.h"

namespace {

const std::string& BitsText() {
  static const std::string text = FindBitCombinations(262'144);
  return text;
}

void ShowWindow(QWidget& window) {
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) std::abort();
}

// Times show() and the repaint after it; emptying the field between runs is not timed.
template <typename Show, typename Clear>
void TimeShowing(benchmark::State& state, QWidget& field, Show show, Clear clear) {
  for (auto _ : state) {
    show();
    field.repaint();
    state.PauseTiming();
    clear();
    field.repaint();
    state.ResumeTiming();
  }
}

void ResultField(benchmark::State& state) {
  NumbersWindow window;
  ShowWindow(window);
  Form& form = window.WindowForm();
  TimeShowing(
      state, *window.Control(IDC_RESULT), [&] { form.SetDlgItemText(IDC_RESULT, BitsText()); },
      [&] { form.SetDlgItemText(IDC_RESULT, ""); });
}

void PlainTextEdit(benchmark::State& state, QTextOption::WrapMode mode) {
  NumbersWindow window;  // for its font and the result field's size
  QPlainTextEdit plain;
  plain.setFont(window.font());
  plain.setFixedSize(window.Control(IDC_RESULT)->size());
  plain.setReadOnly(true);
  plain.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  plain.setWordWrapMode(mode);
  ShowWindow(plain);
  const QString text = ToDocumentText(BitsText());
  TimeShowing(
      state, plain, [&] { plain.setPlainText(text); }, [&] { plain.clear(); });
}

void ClickBits(benchmark::State& state) {
  NumbersWindow window;
  ShowWindow(window);
  qobject_cast<QLineEdit*>(window.Control(IDC_SINGLE_NUMBER))->setText(QStringLiteral("262144"));
  QWidget* bits = window.Control(IDC_BITS);
  TimeShowing(
      state, *window.Control(IDC_RESULT), [&] { QTest::mouseClick(bits, Qt::LeftButton); },
      [&] { window.WindowForm().SetDlgItemText(IDC_RESULT, ""); });
  QTest::mouseClick(bits, Qt::LeftButton);
  if (window.WindowForm().FieldText(IDC_RESULT) != BitsText()) state.SkipWithError("wrong text");
}

BENCHMARK(ResultField)->Name("result field shows bits 262,144/ours")->Unit(benchmark::kMillisecond);
// Over a second a run: two are enough.
BENCHMARK_CAPTURE(PlainTextEdit, words, QTextOption::WrapAtWordBoundaryOrAnywhere)
    ->Name("result field shows bits 262,144/reference")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
BENCHMARK(ResultField)
    ->Name("bits 262,144 beside wrapping anywhere/ours")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlainTextEdit, anywhere, QTextOption::WrapAnywhere)
    ->Name("bits 262,144 beside wrapping anywhere/reference")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(ClickBits)->Name("click on Bits 262,144/ours")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlainTextEdit, anywhere, QTextOption::WrapAnywhere)
    ->Name("click on Bits 262,144/reference")
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  TableReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintTable();
  benchmark::Shutdown();
  return 0;
}
