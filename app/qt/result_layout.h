// The result field's document layout: Qt's plain-text layout wrapping at word
// boundaries, except that the lines inside a run too long for one line wrap
// anywhere (see wrap_choice.h). Only the line breaks differ: the text is
// never touched.
#pragma once

#include <QPlainTextDocumentLayout>
#include <QTextOption>
#include <vector>

#include "app/qt/wrap_choice.h"

class ResultLayout : public QPlainTextDocumentLayout {
  Q_OBJECT

 public:
  // Lines are as wide as the viewport, as QPlainTextEdit makes them.
  ResultLayout(QTextDocument* document, const QWidget& viewport);

  // Lays out a block first where it holds a long run and has no layout yet.
  QRectF blockBoundingRect(const QTextBlock& block) const override;

 protected:
  void documentChanged(int from, int charsRemoved, int charsAdded) override;

 private:
  qreal LineWidth() const;
  std::vector<TextRun> RunsLongerThanALine(const QTextBlock& block) const;
  // Lays out a block holding a long run; false, and nothing done, for any other.
  bool LayOutLongRuns(const QTextBlock& block);
  void SetDocumentWrapMode(QTextOption::WrapMode mode);

  const QWidget& viewport_;
  bool changingWrapMode_ = false;
};
