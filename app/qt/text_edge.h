// The window's edge for texts: the core speaks Windows-1252 bytes with "\r\n"
// line ends, Qt speaks Unicode. Every text crosses here, once each way.
#pragma once

#include <QString>
#include <string>
#include <string_view>

QString ToQString(std::string_view cp1252);
// A character the code page cannot hold becomes '?'.
std::string FromQString(const QString& text);

// The result field's document, by the shells' one conversion of line ends
// (form/shell_text.h): "\r\n" ends a paragraph there.
QString ToDocumentText(std::string_view cp1252);
// From the document's raw text, where U+2029 ends a paragraph.
std::string FromDocumentText(const QString& raw);
