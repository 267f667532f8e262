// The browser edge of the code page: the core's Windows-1252 texts with "\r\n"
// line ends, the page's UTF-8 texts with "\n". A no-break space stays one.
#pragma once

#include <string>
#include <string_view>

std::string ToPageText(std::string_view cp1252);
std::string FromPageText(std::string_view utf8);
