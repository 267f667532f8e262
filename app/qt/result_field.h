// The form's result field: many lines, read-only but selectable and copyable,
// each line ending after the last comma or space that fits its width
// (result_layout.h), a vertical scroll bar always there, tab stops every 32
// dialog units. It shows exactly the text it is given, no-break spaces
// included, and gives it back unchanged.
#pragma once

#include <QPlainTextEdit>

class ResultField : public QPlainTextEdit {
  Q_OBJECT

 public:
  ResultField(QWidget* parent, int tabStopPixels);

  // Replaces the whole text ("\n" ends a line) and shows it from its first line.
  void ShowText(const QString& text);
  // The text as shown, with U+2029 where a line ends.
  [[nodiscard]] QString RawText() const;

 protected:
  // Qt's own copy turns no-break spaces into spaces; this keeps them.
  [[nodiscard]] QMimeData* createMimeDataFromSelection() const override;
};
