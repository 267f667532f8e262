#include "app/qt/result_field.h"

#include <QMimeData>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include "app/qt/result_layout.h"

ResultField::ResultField(QWidget* parent, int tabStopPixels) : QPlainTextEdit(parent) {
  auto* document = new QTextDocument(this);
  document->setDocumentLayout(new ResultLayout(document, *viewport()));
  document->setDefaultFont(font());
  setDocument(document);
  setReadOnly(true);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  setTabChangesFocus(true);
  setUndoRedoEnabled(false);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  // Where lines break, the layout decides (result_layout.h); Qt lays out a
  // changed block by itself first, which wrapping anywhere keeps quick.
  setWordWrapMode(QTextOption::WrapAnywhere);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTabStopDistance(tabStopPixels);
}

void ResultField::ShowText(const QString& text) {
  setPlainText(text);
  verticalScrollBar()->setValue(0);
}

QString ResultField::RawText() const { return document()->toRawText(); }

QMimeData* ResultField::createMimeDataFromSelection() const {
  QString text = textCursor().selection().toRawText();
  text.replace(QChar::ParagraphSeparator, u'\n');
  auto* mime = new QMimeData;
  mime->setText(text);
  return mime;
}
