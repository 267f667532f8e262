#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>
#include <QString>

#include "app/qt/dialog_units.h"
#include "app/qt/numbers_window.h"
#include "app/qt/wrap_choice.h"

namespace {

TEST(DialogUnits, RoundHalfAwayFromZeroAndMapCornersNotSizes) {
  EXPECT_EQ(MulDivRounded(33, 7, 4), 58);  // 57.75
  EXPECT_EQ(MulDivRounded(2, 7, 4), 4);    // 3.5
  EXPECT_EQ(MulDivRounded(1, 7, 4), 2);    // 1.75
  EXPECT_EQ(MulDivRounded(-2, 7, 4), -4);
  EXPECT_EQ(MulDivRounded(12, 16, 8), 24);

  const BaseUnits units{7, 16};
  EXPECT_EQ(MapDialogRect({33, 0, 137, 12}, units), QRect(58, 0, 240, 24));
  // 11 + 50 = 61 units: the right edge is mapped, so the width is 107 - 19.
  EXPECT_EQ(MapDialogRect({11, 32, 50, 12}, units), QRect(19, 64, 88, 24));
  EXPECT_EQ(MapDialogSize(263, 201, units), QSize(460, 402));
}

TEST(DialogUnits, BaseUnitsAreTheRoundedLetterAverageAndTheHeight) {
  const QFontMetrics metrics(FormFont());
  const int letters = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  const BaseUnits units = BaseUnitsOf(metrics);
  EXPECT_EQ(units.x, (letters / 26 + 1) / 2);
  EXPECT_EQ(units.y, metrics.height());
}

TEST(DialogUnits, WidenOnlyAsFarAsTheLabelsNeed) {
  const QFontMetrics metrics(FormFont());
  const LabelPlace labels[] = {{"Number to factorize or for bits:", {5, 47, 98, 8}}};
  const BaseUnits narrow{1, 16};
  const BaseUnits widened = WidenToFitLabels(narrow, metrics, labels);
  EXPECT_EQ(widened.y, 16);
  const int text = metrics.horizontalAdvance(QString::fromLatin1(labels[0].text));
  EXPECT_GE(MapDialogRect(labels[0].rect, widened).width(), text);
  EXPECT_LT(MapDialogRect(labels[0].rect, {widened.x - 1, 16}).width(), text);

  const BaseUnits wide{40, 16};
  EXPECT_EQ(WidenToFitLabels(wide, metrics, labels), wide);
}

// The digits of a large power of two with their commas: one run with no
// break opportunity.
QString DigitRun(qsizetype digits) {
  QString run;
  for (qsizetype i = 0; i < digits; ++i) {
    if (i > 0 && i % 3 == 0) run += u',';
    run += QChar(u'0' + static_cast<char16_t>(i % 10));
  }
  return run;
}

TEST(WrapChoice, WrapsAtWordsUnlessARunIsManyLinesLong) {
  const QFontMetrics metrics(FormFont());
  const int line = 440;
  const qsizetype perLine = line / metrics.averageCharWidth();
  const qsizetype longest = perLine * kLongestWordWrappedRunLines;
  const QString banner = QStringLiteral("The result of 262144 Bits is:\n\n");

  EXPECT_EQ(WrapModeFor(u"", metrics, line), QTextOption::WrapAtWordBoundaryOrAnywhere);
  EXPECT_EQ(WrapModeFor(banner + QString(longest, u'7'), metrics, line),
            QTextOption::WrapAtWordBoundaryOrAnywhere);
  EXPECT_EQ(WrapModeFor(banner + QString(longest + 1, u'7'), metrics, line),
            QTextOption::WrapAnywhere);
  EXPECT_EQ(WrapModeFor(banner + DigitRun(78914), metrics, line), QTextOption::WrapAnywhere);

  // Spaces, tabs and line ends break a run; a no-break space does not.
  const QString half(longest / 2 + 1, u'1');
  for (const QChar separator : {QChar(u' '), QChar(u'\t'), QChar(u'\n'), QChar(QChar::ParagraphSeparator)}) {
    EXPECT_EQ(WrapModeFor(half + separator + half, metrics, line),
              QTextOption::WrapAtWordBoundaryOrAnywhere);
  }
  EXPECT_EQ(WrapModeFor(half + QChar(QChar::Nbsp) + half, metrics, line),
            QTextOption::WrapAnywhere);
}

}  // namespace
