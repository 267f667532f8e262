#include "app/qt/wrap_choice.h"

namespace {

bool IsBreakOpportunity(QChar c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator ||
         c == QChar::LineSeparator;
}

}  // namespace

std::vector<TextRun> LongRuns(QStringView text, qsizetype longest) {
  std::vector<TextRun> runs;
  qsizetype start = 0;
  for (qsizetype i = 0; i <= text.size(); ++i) {
    if (i < text.size() && !IsBreakOpportunity(text[i])) continue;
    if (i - start > longest) runs.push_back({start, i});
    start = i + 1;
  }
  return runs;
}
