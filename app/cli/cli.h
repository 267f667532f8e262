// numbrel-cli: the calculator's form on a terminal. Each run types its field
// texts into an in-memory form, presses the command through the command table
// and prints the result field's final text. The runs come from the arguments,
// a group of fields each, or from the lines of standard input.
#pragma once

#include <istream>
#include <ostream>
#include <span>
#include <string>

// args excludes the program name; input is standard input, or nullptr when it
// is a terminal (and so never read). Returns the exit status: 0 when every run
// answered, 1 when one was refused (its answer is printed all the same), 2
// when one was invalid or the command line is wrong. Stops early once out
// fails; a read of input that fails leaves as the stream's exception.
int RunNumbrelCli(std::span<const std::string> args, std::istream* input, std::ostream& out,
                  std::ostream& err);
