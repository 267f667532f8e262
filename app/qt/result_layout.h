// The result field's document layout: Qt's plain-text layout, except that
// every line ends where the form's rule puts it (form/line_breaks.h), after
// the last comma or space that fits, so that a long number breaks only
// between its groups of digits. Only the line breaks differ: the text is never
// touched, so what is selected, copied and read aloud is the text itself.
#pragma once

#include <QPlainTextDocumentLayout>

class ResultLayout : public QPlainTextDocumentLayout {
  Q_OBJECT

 public:
  // Lines are as wide as the viewport, as QPlainTextEdit makes them.
  ResultLayout(QTextDocument* document, const QWidget& viewport);

  // Lays a block out first where it has no layout yet.
  [[nodiscard]] QRectF blockBoundingRect(const QTextBlock& block) const override;

 protected:
  void documentChanged(int from, int charsRemoved, int charsAdded) override;

 private:
  [[nodiscard]] qreal LineWidth() const;
  void LayOut(const QTextBlock& block) const;

  const QWidget& viewport_;
};
