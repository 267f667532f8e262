#include "commands/refusals.h"

#include "ops/number_text.h"

std::string RefuseRange(Reading reading) {
  const NumberRange range = RangeOf(reading);
  std::string text = "Invalid Input, Numbers from ";
  AppendGrouped(text, range.lowest);
  text += " to ";
  AppendGrouped(text, range.highest);
  text += " only";
  return text;
}

std::string RefuseRangeInABox(Reading reading) { return "\n\n" + RefuseRange(reading) + "\n\n"; }
