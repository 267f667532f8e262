// numbrel-cli's --help, which is also its man page's text: the commands and
// their fields from the command table, the options from the option table.
#pragma once

#include <string>

std::string HelpText();
