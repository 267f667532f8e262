#include "commands/refusals.h"

#include "ops/number_text.h"

namespace {

// The words, with the same text before and after them.
std::string RefusalBetween(Reading reading, const char* edge) {
  const NumberRange range = RangeOf(reading);
  std::string text(edge);
  text += "Invalid Input, Numbers from ";
  AppendGrouped(text, range.lowest);
  text += " to ";
  AppendGrouped(text, range.highest);
  text += " only";
  text += edge;
  return text;
}

}  // namespace

std::string RefuseRange(Reading reading) { return RefusalBetween(reading, ""); }

std::string RefuseRangeInABox(Reading reading) { return RefusalBetween(reading, "\n\n"); }
