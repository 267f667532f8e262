#include "app/qt/result_field.h"

#include <QTextBlock>

#include "app/qt/text_edge.h"
#include "app/qt/wrap_choice.h"
#include "ops/bits.h"
#include "ops/divide.h"
#include "window_fixture.h"

namespace {

using ResultFieldTest = WindowTest;

TEST_F(ResultFieldTest, ShowsTheCodePagesBytesAtItsTabStopsGivesThemBackAndCopiesThem) {
  const std::string bytes = "3.\240[\240142857 ] - Repeating\r\n\ta\x80\r\n\r\nend";
  Window().WindowForm().SetDlgItemText(IDC_RESULT, bytes);
  EXPECT_EQ(Text(IDC_RESULT), bytes);
  const auto* result = qobject_cast<ResultField*>(Control(IDC_RESULT));
  EXPECT_EQ(result->tabStopDistance(), (32 * Window().Units().x + 2) / 4);
  const QString shown =
      QStringLiteral("3.\u00A0[\u00A0142857 ] - Repeating\u2029\ta\u20AC\u2029\u2029end");
  ClickOn(IDC_RESULT);
  EXPECT_EQ(CopyAll(), QString(shown).replace(QChar::ParagraphSeparator, u'\n'));
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
      broken += inside;
    }
  }
  return broken;
}

// Prose wraps at spaces and only a number too long for a line breaks
// anywhere, wherever the number ends; copying all of the field gives its text
// with nothing inserted.
struct Wrapped {
  std::string name;
  std::string text;
  bool numberBroken;
};

class Wrapping : public WindowCaseTest<Wrapped> {};

TEST_P(Wrapping, BreaksProseOnlyAtSpaces) {
  Window().WindowForm().SetDlgItemText(IDC_RESULT, GetParam().text);
  const auto* field = qobject_cast<ResultField*>(Control(IDC_RESULT));
  EXPECT_EQ(NumbersBroken(*field, GetParam().name) > 0, GetParam().numberBroken);
  ClickOn(IDC_RESULT);
  EXPECT_EQ(CopyAll(), ToDocumentText(GetParam().text));
}

std::vector<Wrapped> WrappedTexts() {
  std::vector<Wrapped> texts = {{"Bits262144", FindBitCombinations(262144), true},
                                {"Bits100", FindBitCombinations(100), false},
                                {"OneDividedBy19997", DivideWithRepeat(1, 19997), true}};
  for (std::size_t digits = 300; digits < 400; digits += 7) {
    const std::string number(digits, '8');
    texts.push_back(
        {"Digits" + std::to_string(digits), number + " ] - Repeating, and words", true});
  }
  return texts;
}

INSTANTIATE_TEST_SUITE_P(Results, Wrapping, ::testing::ValuesIn(WrappedTexts()), kByName);

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
