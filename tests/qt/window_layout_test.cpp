#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "app/qt/dialog_units.h"
#include "app/qt/result_field.h"
#include "app/qt/wrap_choice.h"
#include "window_fixture.h"

namespace {

// Dialog units to pixels with the window font's own base units: a quarter of
// its 52-letter average width across, an eighth of its height down, rounded.
QRect Expected(int x, int y, int width, int height, BaseUnits units) {
  const auto across = [&](int du) { return (du * units.x + 2) / 4; };
  const auto down = [&](int du) { return (du * units.y + 4) / 8; };
  return QRect(QPoint(across(x), down(y)), QPoint(across(x + width) - 1, down(y + height) - 1));
}

using WindowLayout = WindowTest;

TEST_F(WindowLayout, HasTheCaptionTheFontAndAFixedSize) {
  EXPECT_EQ(Window().windowTitle(), QStringLiteral("Ezo's Numbrel V1.1"));
  const QFontInfo font(Window().font());
  EXPECT_TRUE(font.family().contains(QStringLiteral("Bookman"))) << font.family().toStdString();
  EXPECT_EQ(font.pointSize(), 8);
  EXPECT_FALSE(font.italic());

  const QFontMetrics metrics(Window().font());
  const int letters = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  const BaseUnits units = Window().Units();
  EXPECT_GE(units.x, (letters / 26 + 1) / 2);  // wider only if a label needs it
  EXPECT_EQ(units.y, metrics.height());
  const QSize size((263 * units.x + 2) / 4, (201 * units.y + 4) / 8);
  EXPECT_EQ(Window().size(), size);
  EXPECT_EQ(Window().minimumSize(), size);
  EXPECT_EQ(Window().maximumSize(), size);
  const Qt::WindowFlags flags = Window().windowFlags();
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  const QList<QSize> iconSizes = Window().windowIcon().availableSizes();
  EXPECT_TRUE(iconSizes.contains(QSize(32, 32)) && iconSizes.contains(QSize(16, 16)));
}

TEST_F(WindowLayout, PlacesEveryControlAndLabelInDialogUnits) {
  const struct {
    ControlId id;
    const char* label;  // a label is found by its text
    int x, y, width, height;
  } places[] = {
      {IDC_BINARY, "", 33, 0, 137, 12},         {IDC_DECIMAL, "", 33, 12, 137, 12},
      {IDC_FIRST_NUMBER, "", 11, 32, 50, 12},   {IDC_SECOND_NUMBER, "", 104, 32, 51, 12},
      {IDC_DIVIDE, "", 158, 32, 50, 9},         {IDC_GCF_LCM, "", 211, 32, 50, 9},
      {IDC_SINGLE_NUMBER, "", 103, 47, 52, 12}, {IDC_PRIME_FACTORS, "", 158, 47, 50, 9},
      {IDC_ALL_FACTORS, "", 211, 47, 50, 9},    {IDC_BITS, "", 211, 58, 50, 9},
      {IDC_RESULT, "", 0, 72, 262, 128},        {IDC_ABOUT, "", 212, 0, 50, 24},
      {-1, "Binary:", 2, 0, 24, 8},             {-1, "Decimal:", 2, 12, 29, 8},
      {-1, "Divided by:", 65, 32, 36, 8},
      {-1, "Number to factorize or for bits:", 5, 47, 98, 8},
      {-1, "Result for Divide/GCF/LCM/Prime factors/All factors/Bits:", 3, 62, 192, 8},
  };
  const QList<QLabel*> labels = Window().findChildren<QLabel*>();
  ASSERT_EQ(labels.size(), 5);
  for (const auto& place : places) {
    const QWidget* widget = Control(place.id);
    for (const QLabel* label : labels) {
      if (label->text() == QString::fromLatin1(place.label)) widget = label;
    }
    ASSERT_NE(widget, nullptr) << place.id << place.label;
    EXPECT_EQ(widget->geometry(),
              Expected(place.x, place.y, place.width, place.height, Window().Units()))
        << place.id << place.label;
  }
  // Every label shows whole in its box.
  for (const QLabel* label : labels) {
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
    EXPECT_LE(label->fontMetrics().height(), label->height());
  }
  // Fields that touch in dialog units touch on the screen.
  EXPECT_EQ(Control(IDC_BINARY)->geometry().bottom() + 1, Control(IDC_DECIMAL)->geometry().top());
}

TEST_F(WindowLayout, ControlsStartEmptyWithTheirCaptionsAndFlags) {
  const std::pair<ControlId, const char*> buttons[] = {
      {IDC_DIVIDE, "Divide"},       {IDC_GCF_LCM, "GCF/LCM"}, {IDC_PRIME_FACTORS, "Prime Factors"},
      {IDC_ALL_FACTORS, "All Factors"}, {IDC_BITS, "Bits"},   {IDC_ABOUT, "About"},
  };
  for (const auto& [id, caption] : buttons) {
    const auto* button = ControlAs<QPushButton>(id);
    ASSERT_NE(button, nullptr) << caption;
    EXPECT_EQ(button->text(), QString::fromLatin1(caption));
    EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), button->width() - 8)
        << caption;
    EXPECT_FALSE(button->isDefault() || button->autoDefault()) << caption;
  }
  for (const ControlId id :
       {IDC_BINARY, IDC_DECIMAL, IDC_FIRST_NUMBER, IDC_SECOND_NUMBER, IDC_SINGLE_NUMBER}) {
    const auto* field = ControlAs<QLineEdit>(id);
    ASSERT_NE(field, nullptr) << id;
    EXPECT_EQ(field->text(), QString()) << id;
    EXPECT_EQ(field->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter) << id;
    EXPECT_EQ(field->isReadOnly(), id == IDC_DECIMAL) << id;
  }
  const auto* result = ControlAs<ResultField>(IDC_RESULT);
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(Text(IDC_RESULT), "");
  EXPECT_TRUE(result->isReadOnly());
  EXPECT_TRUE(result->verticalScrollBar()->isVisible());
  EXPECT_EQ(result->tabStopDistance(), (32 * Window().Units().x + 2) / 4);
  EXPECT_EQ(FocusedId(), IDC_BINARY);
}

TEST(DialogUnits, WidenOnlyAsFarAsTheLabelsNeed) {
  const QFontMetrics metrics(FormFont());
  const LabelPlace labels[] = {{"Number to factorize or for bits:", {5, 47, 98, 8}, IDC_SINGLE_NUMBER}};
  const BaseUnits widened = WidenToFitLabels({1, 16}, metrics, labels);
  EXPECT_EQ(widened.y, 16);
  const int text = metrics.horizontalAdvance(QString::fromLatin1(labels[0].text));
  EXPECT_GE(MapDialogRect(labels[0].rect, widened).width(), text);
  EXPECT_LT(MapDialogRect(labels[0].rect, {widened.x - 1, 16}).width(), text);
  EXPECT_EQ(WidenToFitLabels({40, 16}, metrics, labels), (BaseUnits{40, 16}));
}

TEST(WrapChoice, FindsRunsLongerThanTheLimitBetweenSpacesTabsAndLineEndsButNotNoBreakSpaces) {
  for (const QChar separator : {QChar(u' '), QChar(u'\t'), QChar(u'\n'), QChar(QChar::ParagraphSeparator)}) {
    const std::vector<TextRun> runs = LongRuns(QStringLiteral("12345") + separator + "1234", 4);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].start, 0);
    EXPECT_EQ(runs[0].end, 5);
  }
  const std::vector<TextRun> runs = LongRuns(QStringLiteral("ab 12\u00A012"), 4);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].start, 3);
  EXPECT_EQ(runs[0].end, 8);
}

}  // namespace
