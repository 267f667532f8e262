#include "commands/press_command.h"

#include <algorithm>

void TypeFields(MemoryForm& form, const Command& command, std::span<const std::string> texts) {
  const std::size_t typed = std::min(texts.size(), command.fields.size());
  for (std::size_t f = 0; f < typed; ++f) form.Type(command.fields[f].id, texts[f]);
}

Outcome PressCommand(MemoryForm& form, const Command& command, std::span<const std::string> texts) {
  TypeFields(form, command, texts);
  CNumbersDlg dialog(form);
  return RunCommand(dialog, command);
}
