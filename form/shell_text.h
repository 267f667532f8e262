// The one pair of conversions every shell makes at its edge: the core's
// Windows-1252 texts with "\r\n" line ends, a shell's UTF-8 texts with "\n".
// A no-break space stays one.
#pragma once

#include <string>
#include <string_view>

std::string ToShellText(std::string_view cp1252);
// The same, appended to utf8 in one pass: a caller that converts text after
// text reuses one buffer.
void AppendShellText(std::string& utf8, std::string_view cp1252);
// A character the code page cannot hold becomes '?'.
std::string FromShellText(std::string_view utf8);
