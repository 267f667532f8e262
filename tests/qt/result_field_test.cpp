#include <QTextBlock>

#include "app/qt/result_field.h"
#include "app/qt/text_edge.h"
#include "ops/bits.h"
#include "ops/divide.h"
#include "window_fixture.h"

namespace {

// Every display line ends after a comma or space, or holds neither, and the
// next group of characters (up to the next comma or space, or the next
// character where the line holds neither) would not have fit: the line ends
// after the last comma or space that fits. So at the form's size and in a
// window grown wider. The text given back and copied is the answer, with
// nothing inserted: no-break spaces, the code page's own letters, tabs and
// empty lines included.
struct Shown {
  std::string name;
  std::string text;
};

class LineBreaks : public WindowCaseTest<Shown> {};

TEST_P(LineBreaks, EndAfterTheLastCommaOrSpaceThatFits) {
  Window().WindowForm().SetDlgItemText(IDC_RESULT, GetParam().text);
  auto* field = qobject_cast<ResultField*>(Control(IDC_RESULT));
  const auto isBreak = [](QChar c) { return c == u',' || c == u' '; };
  for (const int gained : {0, 517}) {
    Window().resize(Window().minimumSize() + QSize(gained, 0));
    const qreal width = field->viewport()->width() - 2 * field->document()->documentMargin();
    for (QTextBlock block = field->document()->begin(); block.isValid(); block = block.next()) {
      field->document()->documentLayout()->blockBoundingRect(block);
      const QString text = block.text();
      for (int i = 0; i + 1 < block.layout()->lineCount(); ++i) {
        const QTextLine line = block.layout()->lineAt(i);
        const QString shown = text.mid(line.textStart(), line.textLength());
        const bool endsAtBreak = isBreak(shown.back());
        EXPECT_TRUE(endsAtBreak || std::none_of(shown.begin(), shown.end(), isBreak))
            << shown.toStdString();
        qsizetype next = line.textStart() + line.textLength();
        while (endsAtBreak && next + 1 < text.size() && !isBreak(text[next])) ++next;
        const QString grown = text.mid(line.textStart(), next + 1 - line.textStart()).trimmed();
        EXPECT_GT(QFontMetricsF(field->font()).horizontalAdvance(grown), width) << gained;
      }
    }
  }
  EXPECT_EQ(Text(IDC_RESULT), GetParam().text);
  ClickOn(IDC_RESULT);
  Press(Qt::Key_A, Qt::ControlModifier);
  Press(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            ToDocumentText(GetParam().text).replace(QChar::ParagraphSeparator, u'\n'));
}

const Shown kShown[] = {
    {"Bits262144", FindBitCombinations(262144)},
    {"OneDividedBy19997", DivideWithRepeat(1, 19997)},
    {"ProseAfterALongRun", std::string(400, '8') + " ] - Repeating, and words that go on, and " +
                               "on, and on without end, for lines and lines"},
    {"CodePageTabsAndEmptyLines", "3.\240[\240142857 ] - Repeating\r\n\ta\x80\r\n\r\nend"}};

INSTANTIATE_TEST_SUITE_P(Results, LineBreaks, ::testing::ValuesIn(kShown), kByName);

}  // namespace
