#include "app/qt/text_edge.h"

#include <QByteArray>

#include "form/code_page.h"

QString ToQString(std::string_view cp1252) {
  const std::string utf8 = Cp1252ToUtf8(cp1252);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string FromQString(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return Utf8ToCp1252(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

QString ToDocumentText(std::string_view cp1252) {
  QString text = ToQString(cp1252);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

std::string FromDocumentText(const QString& raw) {
  QString text = raw;
  text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
  return FromQString(text);
}
