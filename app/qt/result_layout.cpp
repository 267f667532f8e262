#include "app/qt/result_layout.h"

#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QWidget>
#include <algorithm>
#include <climits>
#include <cmath>

ResultLayout::ResultLayout(QTextDocument* document, const QWidget& viewport)
    : QPlainTextDocumentLayout(document), viewport_(viewport) {}

qreal ResultLayout::LineWidth() const {
  const qreal width = viewport_.width() > 0 ? viewport_.width() : qreal(INT_MAX);
  return width - 2 * document()->documentMargin();
}

std::vector<TextRun> ResultLayout::RunsLongerThanALine(const QTextBlock& block) const {
  const QFontMetricsF metrics(document()->defaultFont());
  return LongRuns(block.text(), static_cast<qsizetype>(LineWidth() / metrics.averageCharWidth()));
}

QRectF ResultLayout::blockBoundingRect(const QTextBlock& block) const {
  if (block.isValid() && block.layout()->lineCount() == 0) {
    const_cast<ResultLayout*>(this)->LayOutLongRuns(block);
  }
  return QPlainTextDocumentLayout::blockBoundingRect(block);
}

void ResultLayout::documentChanged(int from, int charsRemoved, int charsAdded) {
  // Only the wrap mode changed, for the one block laid out below.
  if (changingWrapMode_) return;
  // A block that changed on its own, Qt lays out at once in the document's
  // mode: for a block with a long run that mode is made anywhere, which is
  // quick, and the block is then laid out again line by line.
  QTextDocument* doc = document();
  const QTextBlock block = doc->findBlock(from);
  const bool alone = block == doc->findBlock(std::max(0, from + charsRemoved + charsAdded - 1));
  if (!alone || RunsLongerThanALine(block).empty()) {
    QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
    return;
  }
  const QTextOption::WrapMode mode = doc->defaultTextOption().wrapMode();
  SetDocumentWrapMode(QTextOption::WrapAnywhere);
  QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
  SetDocumentWrapMode(mode);
  QTextBlock(block).clearLayout();
  LayOutLongRuns(block);
  emit update();
}

void ResultLayout::SetDocumentWrapMode(QTextOption::WrapMode mode) {
  QTextOption option = document()->defaultTextOption();
  option.setWrapMode(mode);
  changingWrapMode_ = true;
  document()->setDefaultTextOption(option);
  changingWrapMode_ = false;
}

bool ResultLayout::LayOutLongRuns(const QTextBlock& block) {
  const std::vector<TextRun> runs = RunsLongerThanALine(block);
  if (runs.empty()) return false;
  const qreal lineWidth = LineWidth();

  // As QPlainTextDocumentLayout lays out a block, but each line in the mode of
  // where it starts: a line that starts inside a long run wraps anywhere,
  // unless the run ends on it, and then it is laid out again by words.
  QTextLayout* layout = block.layout();
  const QTextOption byWords = document()->defaultTextOption();
  QTextOption anywhere = byWords;
  anywhere.setWrapMode(QTextOption::WrapAnywhere);
  const qreal margin = document()->documentMargin();
  qreal height = 0;
  auto run = runs.begin();
  layout->setTextOption(byWords);
  layout->beginLayout();
  for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
    line.setLeadingIncluded(true);
    while (run != runs.end() && run->end <= line.textStart()) ++run;
    const bool inRun = run != runs.end() && run->start <= line.textStart();
    layout->setTextOption(inRun ? anywhere : byWords);
    line.setLineWidth(lineWidth);
    if (inRun && line.textStart() + line.textLength() > run->end) {
      layout->setTextOption(byWords);
      line.setLineWidth(lineWidth);
    }
    line.setPosition(QPointF(margin, height));
    height += line.height();
    if (line.leading() < 0) height += std::ceil(line.leading());
  }
  layout->endLayout();
  layout->setTextOption(byWords);

  const int linesBefore = document()->lineCount();
  QTextBlock(block).setLineCount(block.isVisible() ? layout->lineCount() : 0);
  if (document()->lineCount() != linesBefore) emit documentSizeChanged(documentSize());
  return true;
}
