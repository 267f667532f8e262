// The words a command line calls the commands by, the same in numbrel-cli and
// in the desktop program: each command's name and its fields' names, as the
// command table writes them.
#pragma once

#include <string>
#include <string_view>

#include "commands/command_table.h"

// Whether a command line can call it: the commands that write a field (About
// only shows a box).
bool IsScriptable(const Command& command);

// The scriptable command of that name, or nullptr.
const Command* FindScriptable(std::string_view name);

// The command's field names in order, the last two joined by lastSeparator:
// "FIRST SECOND" with " ", "FIRST and SECOND" with " and ".
std::string FieldNames(const Command& command, std::string_view lastSeparator);

// How the command is called: its name and field names, "divide FIRST SECOND".
std::string CommandUsage(const Command& command);

// The usage error for a name that is no scriptable command: "unknown command 'x'".
std::string UnknownCommand(std::string_view name);

// The usage error for too few field texts: "divide needs FIRST and SECOND".
std::string NeedsFields(const Command& command);
