// JSON strings for numbrel-cli's records, written from UTF-8 that may be
// malformed (a script can pass any bytes as a field), so that every record
// stays valid JSON.
#pragma once

#include <string>
#include <string_view>

// Appends text as a quoted JSON string: the quote, the backslash and the
// control characters escaped, other characters as they are, and each byte of
// a malformed, overlong or surrogate sequence, or one past U+10FFFF, as U+FFFD.
void AppendJsonString(std::string& json, std::string_view text);
