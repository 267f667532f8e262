// Showing 2 to the power 262,144 (105,388 characters, the digits one run of
// 105,218 digits and commas) in the result field, painted, beside a plain
// QPlainTextEdit of the same size and font given the same text: once with
// Qt's default word wrapping, the reference the field must beat, and once
// wrapping anywhere, the floor. The last benchmark is the whole click on
// "Bits" through the real widgets, operation included.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <string>

#include "app/qt/numbers_window.h"
#include "app/qt/text_edge.h"

namespace {

// The text's shape as the operation writes it; which digits they are does not
// change the cost of laying them out.
std::string BitsText() {
  std::string text =
      "Ezo's Bit combination finder VBETA, 1999\r\n\r\nThis program calculates the number of "
      "combinations for a given number of binary digits.\r\n\r\n\r\nThe result of 262144 Bits "
      "is:\r\n\r\n";
  constexpr int kDigits = 78914;
  for (int i = 0; i < kDigits; ++i) {
    if (i > 0 && (kDigits - i) % 3 == 0) text += ',';
    text += static_cast<char>('0' + (i * 7 + 3) % 10);
  }
  return text;
}

void ShowWindow(QWidget& window) {
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) std::abort();
}

void BM_ResultFieldShowsBits262144(benchmark::State& state) {
  NumbersWindow window;
  ShowWindow(window);
  Form& form = window.WindowForm();
  QWidget* result = window.Control(IDC_RESULT);
  const std::string text = BitsText();
  if (text.size() != 105388) std::abort();
  for (auto _ : state) {
    form.SetDlgItemText(IDC_RESULT, text);
    result->repaint();
    state.PauseTiming();
    form.SetDlgItemText(IDC_RESULT, "");
    result->repaint();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ResultFieldShowsBits262144)->Unit(benchmark::kMillisecond);

void PlainTextEditShows(benchmark::State& state, QTextOption::WrapMode mode) {
  NumbersWindow window;  // for its font and the result field's size
  QPlainTextEdit plain;
  plain.setFont(window.font());
  plain.setFixedSize(window.Control(IDC_RESULT)->size());
  plain.setReadOnly(true);
  plain.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  plain.setWordWrapMode(mode);
  ShowWindow(plain);
  const QString text = ToDocumentText(BitsText());
  for (auto _ : state) {
    plain.setPlainText(text);
    plain.repaint();
    state.PauseTiming();
    plain.clear();
    plain.repaint();
    state.ResumeTiming();
  }
}

void BM_PlainTextEditWordWrapReference(benchmark::State& state) {
  PlainTextEditShows(state, QTextOption::WrapAtWordBoundaryOrAnywhere);
}
BENCHMARK(BM_PlainTextEditWordWrapReference)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_PlainTextEditWrapAnywhere(benchmark::State& state) {
  PlainTextEditShows(state, QTextOption::WrapAnywhere);
}
BENCHMARK(BM_PlainTextEditWrapAnywhere)->Unit(benchmark::kMillisecond);

void BM_ClickBits262144(benchmark::State& state) {
  NumbersWindow window;
  ShowWindow(window);
  auto* single = qobject_cast<QLineEdit*>(window.Control(IDC_SINGLE_NUMBER));
  single->setText(QStringLiteral("262144"));
  QWidget* bits = window.Control(IDC_BITS);
  QWidget* result = window.Control(IDC_RESULT);
  for (auto _ : state) {
    QTest::mouseClick(bits, Qt::LeftButton);
    result->repaint();
    state.PauseTiming();
    window.WindowForm().SetDlgItemText(IDC_RESULT, "");
    result->repaint();
    state.ResumeTiming();
  }
  QTest::mouseClick(bits, Qt::LeftButton);
  const std::size_t shown = window.WindowForm().FieldText(IDC_RESULT).size();
  state.SetLabel(shown == 105388 ? "105388 characters shown"
                                 : "the operation is not on this branch: " +
                                       std::to_string(shown) + " characters shown");
}
BENCHMARK(BM_ClickBits262144)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
