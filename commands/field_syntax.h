// The strict syntax of a command's field, for callers that must tell a text
// that is not a number from a number (the window instead reads any text, and
// reads a text without a number as 0): a number field takes an optional "-"
// and decimal digits, nothing else; the Binary field takes 1 to 32 binary
// digits. Whether a number is in its field's range stays the command's to say.
#pragma once

#include <string_view>

#include "commands/command_fields.h"

// Empty when the text keeps the field's syntax, else what the text is not:
// "is not a whole number", "is not 1 to 32 binary digits".
std::string_view FieldSyntaxError(const CommandField& field, std::string_view text);
