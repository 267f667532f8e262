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
  return Cp1252ToUtf8(ReplaceAll(cp1252, "\r\n", "\n"));
}

std::string FromShellText(std::string_view utf8) {
  return Utf8ToCp1252(ReplaceAll(utf8, "\n", "\r\n"));
}
