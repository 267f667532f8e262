#include "app/qt/text_edge.h"

#include <QByteArray>

#include "form/code_page.h"
#include "form/shell_text.h"

namespace {

QString OfUtf8(const std::string& utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string Utf8Of(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return {utf8.constData(), static_cast<std::size_t>(utf8.size())};
}

}  // namespace

QString ToQString(std::string_view cp1252) { return OfUtf8(Cp1252ToUtf8(cp1252)); }

std::string FromQString(const QString& text) { return Utf8ToCp1252(Utf8Of(text)); }

QString ToDocumentText(std::string_view cp1252) { return OfUtf8(ToShellText(cp1252)); }

std::string FromDocumentText(const QString& raw) {
  QString text = raw;
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  return FromShellText(Utf8Of(text));
}
