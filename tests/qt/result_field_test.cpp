#include "app/qt/result_field.h"

#include <QLineEdit>
#include <QTextBlock>
#include <QTextLayout>

#include "app/qt/text_edge.h"
#include "app/qt/wrap_choice.h"
#include "window_fixture.h"

namespace {

using ResultFieldTest = WindowTest;

TEST_F(ResultFieldTest, ShowsTheCodePagesBytesAtItsTabStopsGivesThemBackAndCopiesThem) {
  const std::string bytes = "3.\240[\240142857 ] - Repeating\r\n\ta\x80\r\n\r\nend";
  WindowForm().SetDlgItemText(IDC_RESULT, bytes);
  EXPECT_EQ(Text(IDC_RESULT), bytes);
  const auto* result = ControlAs<ResultField>(IDC_RESULT);
  EXPECT_EQ(result->tabStopDistance(), (32 * Window().Units().x + 2) / 4);
  const QString shown =
      QStringLiteral("3.\u00A0[\u00A0142857 ] - Repeating\u2029\ta\u20AC\u2029\u2029end");
  EXPECT_EQ(result->RawText(), shown);
  ClickOn(IDC_RESULT);
  EXPECT_EQ(CopyAll(), QString(shown).replace(QChar::ParagraphSeparator, u'\n'));
  WindowForm().SetDlgItemText(IDC_DECIMAL, "\x80\xA0");
  EXPECT_EQ(ControlAs<QLineEdit>(IDC_DECIMAL)->text(), QStringLiteral("\u20AC\u00A0"));
  EXPECT_EQ(Text(IDC_DECIMAL), "\x80\xA0");
}

// Checks that every line of the field breaks after a space or inside a run of
// digits and commas; gives how many break inside such a run.
int NumbersBroken(const ResultField& field, const std::string& what) {
  const auto inNumber = [](QChar c) { return c.isDigit() || c == u','; };
  int broken = 0;
  for (QTextBlock block = field.document()->begin(); block.isValid(); block = block.next()) {
    field.document()->documentLayout()->blockBoundingRect(block);
    const QString text = block.text();
    for (int i = 0; i + 1 < block.layout()->lineCount(); ++i) {
      const QTextLine line = block.layout()->lineAt(i);
      const int end = line.textStart() + line.textLength();
      const bool inside = inNumber(text[end - 1]) && inNumber(text[end]);
      EXPECT_TRUE(text[end - 1] == u' ' || inside)
          << what << ": " << text.mid(end - 20, 40).toStdString();
      EXPECT_LE(line.naturalTextWidth(), line.width()) << what;
      broken += inside;
    }
  }
  return broken;
}

// Prose wraps at spaces and only a number too long for a line breaks
// anywhere; copying all of the field gives its text with nothing inserted.
struct Wrapped {
  const char* name;
  ControlId field;
  const char* number;
  ControlId button;
  bool numberBroken;
};

class Wrapping : public WindowCaseTest<Wrapped> {};

TEST_P(Wrapping, BreaksProseOnlyAtSpaces) {
  const Wrapped& wrapped = GetParam();
  TypeInto(IDC_FIRST_NUMBER, QStringLiteral("1"));
  TypeInto(wrapped.field, QString::fromLatin1(wrapped.number));
  ClickOn(wrapped.button);
  EXPECT_EQ(NumbersBroken(*ControlAs<ResultField>(IDC_RESULT), wrapped.name) > 0,
            wrapped.numberBroken);
  ClickOn(IDC_RESULT);
  EXPECT_EQ(CopyAll(), ToDocumentText(Text(IDC_RESULT)));
}

INSTANTIATE_TEST_SUITE_P(
    Results, Wrapping,
    ::testing::Values(Wrapped{"Bits262144", IDC_SINGLE_NUMBER, "262144", IDC_BITS, true},
                      Wrapped{"Bits100", IDC_SINGLE_NUMBER, "100", IDC_BITS, false},
                      Wrapped{"OneDividedBy19997", IDC_SECOND_NUMBER, "19997", IDC_DIVIDE, true}),
    kByName);

// Wherever a long number ends on its last line, the words after it stay whole.
TEST_F(ResultFieldTest, WordsAfterALongNumberStayWhole) {
  for (int digits = 300; digits < 400; digits += 7) {
    WindowForm().SetDlgItemText(IDC_RESULT, std::string(static_cast<size_t>(digits), '8') +
                                                " ] - Repeating, and more words after it");
    NumbersBroken(*ControlAs<ResultField>(IDC_RESULT), std::to_string(digits));
  }
}

TEST(WrapChoice, LongRunsEndAtSpacesTabsAndLineEndsButNotAtNoBreakSpaces) {
  for (const QChar end :
       {QChar(u' '), QChar(u'\t'), QChar(u'\n'), QChar(QChar::ParagraphSeparator)}) {
    const std::vector<TextRun> runs = LongRuns(QStringLiteral("ab 12\u00A012") + end + "1234", 4);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].start, 3);
    EXPECT_EQ(runs[0].end, 8);
  }
}

}  // namespace
