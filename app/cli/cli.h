// numbrel-cli: the calculator's form on a terminal. It fills the fields of an
// in-memory form with the arguments, delivers the command's notification
// through the command table and prints the output field's final text.
#pragma once

#include <ostream>
#include <string>
#include <vector>

// args excludes the program name. Returns the exit status: 0, 1 when the
// operation showed a message box, 2 for a usage error.
int RunNumbrelCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
