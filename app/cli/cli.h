// numbrel-cli: the calculator's form on a terminal. It fills the fields of an
// in-memory form with the arguments, delivers the command's notification
// through the command table and prints the output field's final text.
#pragma once

#include <ostream>
#include <string>
#include <vector>

// args excludes the program name. Returns the exit status: 0 for an answer,
// 1 when the input was refused (the answer field is printed all the same),
// 2 for a usage error.
int RunNumbrelCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
