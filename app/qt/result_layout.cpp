#include "app/qt/result_layout.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QWidget>
#include <climits>
#include <cmath>
#include <string_view>

#include "form/line_breaks.h"

ResultLayout::ResultLayout(QTextDocument* document, const QWidget& viewport)
    : QPlainTextDocumentLayout(document), viewport_(viewport) {}

qreal ResultLayout::LineWidth() const {
  const qreal width = viewport_.width() > 0 ? viewport_.width() : qreal(INT_MAX);
  return width - 2 * document()->documentMargin();
}

QRectF ResultLayout::blockBoundingRect(const QTextBlock& block) const {
  if (block.isValid() && block.layout()->lineCount() == 0) LayOut(block);
  return QPlainTextDocumentLayout::blockBoundingRect(block);
}

void ResultLayout::documentChanged(int from, int charsRemoved, int charsAdded) {
  // A block that changed on its own, Qt lays out at once by its own rule (in
  // the document's mode, wrapping anywhere, which is quick): lay it out again.
  QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
  const QTextBlock block = document()->findBlock(from);
  if (block.isValid() && block.layout()->lineCount() > 0) {
    LayOut(block);
    emit update();
  }
}

void ResultLayout::LayOut(const QTextBlock& block) const {
  // Each line is first filled with all that fits, wrapping anywhere, which
  // takes time linear in its length (Qt's word wrapping searches the rest of
  // a run without spaces again for every line); the rule then says how many
  // of those characters stay, and the line is laid out again with that many.
  const QString text = block.text();
  const std::u16string_view chars(QStringView(text).utf16(), static_cast<std::size_t>(text.size()));
  QTextOption option = document()->defaultTextOption();
  option.setWrapMode(QTextOption::WrapAnywhere);
  QTextLayout* layout = block.layout();
  layout->setTextOption(option);
  const qreal lineWidth = LineWidth();
  const qreal margin = document()->documentMargin();
  qreal height = 0;
  layout->beginLayout();
  for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
    line.setLeadingIncluded(true);
    line.setLineWidth(lineWidth);
    const auto start = static_cast<std::size_t>(line.textStart());
    const auto fitting = static_cast<std::size_t>(line.textLength());
    if (start + fitting < chars.size()) {
      const std::size_t kept = BreakLine(chars.substr(start), fitting);
      if (kept < fitting) line.setNumColumns(static_cast<int>(kept), lineWidth);
    }
    line.setPosition(QPointF(margin, height));
    height += line.height();
    if (line.leading() < 0) height += std::ceil(line.leading());
  }
  layout->endLayout();

  const int linesBefore = document()->lineCount();
  QTextBlock(block).setLineCount(block.isVisible() ? layout->lineCount() : 0);
  // The document's layout is this object: the signal is how the view learns
  // that its scroll range changed.
  if (document()->lineCount() != linesBefore) {
    QAbstractTextDocumentLayout* self = document()->documentLayout();
    emit self->documentSizeChanged(documentSize());
  }
}
