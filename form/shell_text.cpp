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
  for (std::size_t at = 0; at < cp1252.size();) {
    const std::size_t end = AsciiRunEnd(cp1252, at, '\r');
    utf8.append(cp1252, at, end - at);
    if (end == cp1252.size()) return;
    if (cp1252.substr(end, 2) == "\r\n") {
      utf8 += '\n';
      at = end + 2;
    } else {
      // A byte beyond ASCII, or a carriage return that ends no line.
      AppendCp1252CharAsUtf8(utf8, static_cast<unsigned char>(cp1252[end]));
      at = end + 1;
    }
  }
}

std::string FromShellText(std::string_view utf8) {
  return Utf8ToCp1252(ReplaceAll(utf8, "\n", "\r\n"));
}
