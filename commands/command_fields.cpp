#include "commands/command_fields.h"

#include "ops/number_text.h"

std::string FieldMeaning(const CommandField& field) {
  std::string meaning = field.holds;
  if (!field.numbers) return meaning;
  meaning += " from ";
  AppendGrouped(meaning, field.numbers->lowest);
  meaning += " to ";
  AppendGrouped(meaning, field.numbers->highest);
  if (!field.numbers->takesZero) meaning += ", not 0";
  return meaning;
}
