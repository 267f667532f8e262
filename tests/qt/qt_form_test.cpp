#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include "app/qt/result_field.h"
#include "app/qt/text_edge.h"
#include "window_fixture.h"

namespace {

// The form operations on the real widgets, called as the handlers call them.
using QtFormOperations = WindowTest;

TEST_F(QtFormOperations, FieldsShowAndGiveBackTheCodePagesExactBytes) {
  Form& form = Window().WindowForm();
  const std::string text = "3.\xA0[\xA0" "142857 ] - Repeating\r\n\ta\x80\r\n\r\nend";
  form.SetDlgItemText(IDC_RESULT, text);
  EXPECT_EQ(form.FieldText(IDC_RESULT), text);
  const auto* result = ControlAs<ResultField>(IDC_RESULT);
  EXPECT_EQ(result->document()->blockCount(), 4);
  EXPECT_EQ(result->RawText(),
            QStringLiteral("3.\u00A0[\u00A0" "142857 ] - Repeating\u2029\ta\u20AC\u2029\u2029end"));
  form.SetDlgItemText(IDC_RESULT, "2");
  EXPECT_EQ(form.FieldText(IDC_RESULT), "2");

  form.SetDlgItemInt(IDC_DECIMAL, 4294967295u);
  EXPECT_EQ(ControlAs<QLineEdit>(IDC_DECIMAL)->text(), QStringLiteral("4294967295"));
  form.SetDlgItemText(IDC_DECIMAL, "\x80\xA0");
  EXPECT_EQ(ControlAs<QLineEdit>(IDC_DECIMAL)->text(), QStringLiteral("\u20AC\u00A0"));
  EXPECT_EQ(form.GetDlgItemText(IDC_DECIMAL, 100), "\x80\xA0");
  EXPECT_EQ(form.FieldText(-1), "");
}

TEST_F(QtFormOperations, CopyingFromTheResultKeepsNoBreakSpacesAndLineEnds) {
  Window().WindowForm().SetDlgItemText(IDC_RESULT, "3.\xA0[\xA0" "3 ] - Repeating\r\nnext");
  ClickOn(IDC_RESULT);
  Press(Qt::Key_A, Qt::ControlModifier);
  Press(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            QStringLiteral("3.\u00A0[\u00A03 ] - Repeating\nnext"));
}

TEST_F(QtFormOperations, AWriteShowsTheResultFromItsFirstLine) {
  Form& form = Window().WindowForm();
  std::string lines;
  for (int i = 0; i < 200; ++i) lines += "line\r\n";
  form.SetDlgItemText(IDC_RESULT, lines);
  auto* bar = ControlAs<ResultField>(IDC_RESULT)->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 0);
  bar->setValue(bar->maximum());
  form.SetDlgItemText(IDC_RESULT, lines + "more");
  EXPECT_EQ(bar->value(), 0);
}

bool InANumber(QChar c) { return c.isDigit() || c == u','; }

// Checks that every line of the field breaks after a space or inside a
// number; returns how many break inside a number.
int NumbersBroken(const ResultField& field, const std::string& what) {
  int broken = 0;
  for (QTextBlock block = field.document()->begin(); block.isValid(); block = block.next()) {
    field.document()->documentLayout()->blockBoundingRect(block);
    const QTextLayout* layout = block.layout();
    const QString text = block.text();
    for (int i = 0; i + 1 < layout->lineCount(); ++i) {
      const QTextLine line = layout->lineAt(i);
      EXPECT_LE(line.naturalTextWidth(), line.width()) << what;
      const int end = line.textStart() + line.textLength();
      const bool inNumber = InANumber(text[end - 1]) && InANumber(text[end]);
      EXPECT_TRUE(text[end - 1] == u' ' || inNumber)
          << what << ": " << text.mid(end - 20, 40).toStdString();
      broken += inNumber;
    }
  }
  return broken;
}

// Prose wraps at spaces; only a number too long for a line breaks anywhere,
// and copying all of the field gives its text back exactly.
TEST_F(QtFormOperations, ProseWrapsAtSpacesAndOnlyLongNumbersBreakAnywhere) {
  const struct {
    ControlId field;
    const char* number;
    ControlId button;
    bool numberBroken;
  } results[] = {
      {IDC_SINGLE_NUMBER, "262144", IDC_BITS, true},  // one run of 105,218 digits and commas
      {IDC_SINGLE_NUMBER, "100", IDC_BITS, false},
      {IDC_SECOND_NUMBER, "19997", IDC_DIVIDE, true},  // a run between "[ " and " ] - Repeating"
  };
  const auto* field = ControlAs<ResultField>(IDC_RESULT);
  TypeInto(IDC_FIRST_NUMBER, QStringLiteral("1"));
  for (const auto& result : results) {
    TypeInto(result.field, QString::fromLatin1(result.number));
    ClickOn(result.button);
    EXPECT_EQ(NumbersBroken(*field, result.number) > 0, result.numberBroken) << result.number;
    ClickOn(IDC_RESULT);
    Press(Qt::Key_A, Qt::ControlModifier);
    Press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), ToDocumentText(Text(IDC_RESULT)))
        << result.number;
  }
  // Wherever a long number ends on its last line, the words after it stay whole.
  for (int digits = 300; digits < 400; digits += 7) {
    const std::string text = std::string(static_cast<size_t>(digits), '8') +
                             " ] - Repeating, and more words after the number";
    Window().WindowForm().SetDlgItemText(IDC_RESULT, text);
    NumbersBroken(*field, std::to_string(digits));
  }
}

TEST_F(QtFormOperations, BusyPointerNestsThroughACount) {
  Form& form = Window().WindowForm();
  QGuiApplication::setOverrideCursor(Qt::PointingHandCursor);  // someone else's
  form.EndWaitCursor();                                          // an end without a begin
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::PointingHandCursor);
  form.BeginWaitCursor();
  form.BeginWaitCursor();
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
  form.EndWaitCursor();
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
  form.EndWaitCursor();
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::PointingHandCursor);
  form.EndWaitCursor();
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::PointingHandCursor);
  QGuiApplication::restoreOverrideCursor();
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
