#include "app/web/page_text.h"

#include "form/code_page.h"

namespace {

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
  std::string out;
  out.reserve(text.size());
  std::size_t at = 0;
  for (std::size_t found; (found = text.find(from, at)) != std::string::npos; at = found + from.size()) {
    out.append(text, at, found - at).append(to);
  }
  return out.append(text, at, std::string::npos);
}

}  // namespace

std::string ToPageText(std::string_view cp1252) {
  return ReplaceAll(Cp1252ToUtf8(cp1252), "\r\n", "\n");
}

std::string FromPageText(std::string_view utf8) {
  return Utf8ToCp1252(ReplaceAll(std::string(utf8), "\n", "\r\n"));
}
