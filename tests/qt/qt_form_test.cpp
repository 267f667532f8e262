#include <QClipboard>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "app/qt/result_field.h"
#include "window_fixture.h"

namespace {

// The form operations on the real widgets, called as the handlers call them.
using QtFormOperations = WindowTest;

TEST_F(QtFormOperations, ResultFieldShowsAndGivesBackTheExactBytes) {
  Form& form = Window().WindowForm();
  const std::string text = "3.\xA0[\xA0" "142857 ] - Repeating\r\n\ta\x80\r\n\r\nend";
  form.SetDlgItemText(IDC_RESULT, text);
  EXPECT_EQ(form.FieldText(IDC_RESULT), text);
  const auto* result = ControlAs<ResultField>(IDC_RESULT);
  EXPECT_EQ(result->document()->blockCount(), 4);
  EXPECT_TRUE(result->RawText().startsWith(QStringLiteral("3.\u00A0[\u00A0142857 ]")));
  EXPECT_TRUE(result->RawText().contains(QStringLiteral("\ta\u20AC")));

  form.SetDlgItemText(IDC_RESULT, "2");
  EXPECT_EQ(form.FieldText(IDC_RESULT), "2");
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
  auto* bar = ControlAs<QPlainTextEdit>(IDC_RESULT)->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 0);
  bar->setValue(bar->maximum());
  form.SetDlgItemText(IDC_RESULT, lines + "more");
  EXPECT_EQ(bar->value(), 0);
}

TEST_F(QtFormOperations, OneLineFieldsTakeTheCodePagesTexts) {
  Form& form = Window().WindowForm();
  form.SetDlgItemInt(IDC_DECIMAL, 4294967295u);
  EXPECT_EQ(ControlAs<QLineEdit>(IDC_DECIMAL)->text(), QStringLiteral("4294967295"));
  form.SetDlgItemText(IDC_DECIMAL, "\x80\xA0");
  EXPECT_EQ(ControlAs<QLineEdit>(IDC_DECIMAL)->text(), QStringLiteral("\u20AC\u00A0"));
  EXPECT_EQ(form.GetDlgItemText(IDC_DECIMAL, 100), "\x80\xA0");
  EXPECT_EQ(form.FieldText(-1), "");
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

TEST_F(QtFormOperations, MessageBoxIsModalWithOkOnlyAndNoIcon) {
  Form& form = Window().WindowForm();
  form.MessageBox("\n\nplain <b>text</b>\n\n", std::nullopt);
  form.MessageBox("caf\xE9", "Caption");
  const std::vector<SeenBox> boxes = TakeBoxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].caption, QCoreApplication::applicationName());
  EXPECT_EQ(boxes[0].text, QStringLiteral("\n\nplain <b>text</b>\n\n"));
  EXPECT_EQ(boxes[1].caption, QStringLiteral("Caption"));
  EXPECT_EQ(boxes[1].text, QStringLiteral("caf\u00E9"));
  for (const SeenBox& box : boxes) {
    EXPECT_EQ(box.icon, QMessageBox::NoIcon);
    EXPECT_EQ(box.buttons, 1);
    EXPECT_EQ(box.format, Qt::PlainText);
  }
}

}  // namespace

namespace {

TEST_F(QtFormOperations, AResultWithAVeryLongRunWrapsAnywhereAndTheNextOneAtWords) {
  Form& form = Window().WindowForm();
  auto* result = ControlAs<ResultField>(IDC_RESULT);
  std::string digits = "The result of 262144 Bits is:\r\n\r\n";
  for (int i = 0; i < 78914; ++i) {
    if (i > 0 && i % 3 == 0) digits += ',';
    digits += '8';
  }
  form.SetDlgItemText(IDC_RESULT, digits);
  EXPECT_EQ(result->wordWrapMode(), QTextOption::WrapAnywhere);
  EXPECT_EQ(form.FieldText(IDC_RESULT), digits);
  form.SetDlgItemText(IDC_RESULT, "The factors of 2 are:\r\n\r\n2\r\n1\r\n");
  EXPECT_EQ(result->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
  EXPECT_EQ(form.FieldText(IDC_RESULT), "The factors of 2 are:\r\n\r\n2\r\n1\r\n");
}

}  // namespace
