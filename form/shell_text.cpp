#include "form/shell_text.h"

#include "form/code_page.h"

namespace {

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  out.reserve(text.size());
  std::size_t at = 0;
  for (std::size_t found = text.find(from); found != std::string_view::npos;
       found = text.find(from, at)) {
    out.append(text, at, found - at).append(to);
    at = found + from.size();
  }
  return out.append(text, at, std::string_view::npos);
}

}  // namespace

std::string ToShellText(std::string_view cp1252) {
  std::string utf8;
  utf8.reserve(cp1252.size());
  AppendShellText(utf8, cp1252);
  return utf8;
}

void AppendShellText(std::string& utf8, std::string_view cp1252) {
  for (std::size_t at = 0;;) {
    const std::size_t lineEnd = cp1252.find("\r\n", at);
    AppendCp1252AsUtf8(utf8, cp1252.substr(at, lineEnd - at));
    if (lineEnd == std::string_view::npos) return;
    utf8 += '\n';
    at = lineEnd + 2;
  }
}

std::string FromShellText(std::string_view utf8) {
  return Utf8ToCp1252(ReplaceAll(utf8, "\n", "\r\n"));
}
