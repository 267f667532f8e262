#include "app/qt/wrap_choice.h"

#include <algorithm>

namespace {

bool IsBreakOpportunity(QChar c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator ||
         c == QChar::LineSeparator;
}

}  // namespace

QTextOption::WrapMode WrapModeFor(QStringView text, const QFontMetrics& metrics, int lineWidth) {
  const qsizetype charactersPerLine =
      std::max(1, lineWidth) / std::max(1, metrics.averageCharWidth());
  const qsizetype longestWrappedRun = charactersPerLine * kLongestWordWrappedRunLines;
  qsizetype run = 0;
  for (const QChar c : text) {
    run = IsBreakOpportunity(c) ? 0 : run + 1;
    if (run > longestWrappedRun) return QTextOption::WrapAnywhere;
  }
  return QTextOption::WrapAtWordBoundaryOrAnywhere;
}
