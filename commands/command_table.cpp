#include "commands/command_table.h"

Outcome RunCommand(CNumbersDlg& dialog, const Command& command) {
  return (dialog.*command.handler)(command);
}

bool DispatchCommand(CNumbersDlg& dialog, ControlId source, Notification notification) {
  for (const Command& command : kCommandTable) {
    if (command.source == source && command.notification == notification) {
      RunCommand(dialog, command);
      return true;
    }
  }
  return false;
}

const Command* FindCommand(std::string_view name) {
  for (const Command& command : kCommandTable) {
    if (command.name == name) return &command;
  }
  return nullptr;
}
