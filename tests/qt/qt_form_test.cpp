#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScrollBar>

#include "app/qt/result_field.h"
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

TEST_F(QtFormOperations, AWriteShowsTheResultFromItsFirstLineAndAVeryLongRunWrapsAnywhere) {
  Form& form = Window().WindowForm();
  const auto* result = ControlAs<ResultField>(IDC_RESULT);
  std::string lines;
  for (int i = 0; i < 200; ++i) lines += "line\r\n";
  form.SetDlgItemText(IDC_RESULT, lines);
  auto* bar = result->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 0);
  bar->setValue(bar->maximum());
  form.SetDlgItemText(IDC_RESULT, lines + "more");
  EXPECT_EQ(bar->value(), 0);
  // The digits of 2^262,144 are one run of 105,218 characters.
  std::string digits = "The result of 262144 Bits is:\r\n\r\n";
  for (int i = 0; i < 78914; ++i) digits += i > 0 && i % 3 == 0 ? ",8" : "8";
  form.SetDlgItemText(IDC_RESULT, digits);
  EXPECT_EQ(result->wordWrapMode(), QTextOption::WrapAnywhere);
  EXPECT_EQ(form.FieldText(IDC_RESULT), digits);
  form.SetDlgItemText(IDC_RESULT, lines);
  EXPECT_EQ(result->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
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
