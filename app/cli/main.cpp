#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ios>
#include <iostream>
#include <ostream>
#include <string>
#include <vector>

#include "app/cli/cli.h"
#include "app/cli/output_buffer.h"

int main(int argc, char** argv) {
  // Standard input read through the C++ stream's own buffer, not C's: lines
  // come in blocks, and it tells whether a read would wait.
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  OutputBuffer buffer(STDOUT_FILENO);
  std::ostream out(&buffer);
  std::istream* input = isatty(STDIN_FILENO) != 0 ? nullptr : &std::cin;
  int status = 0;
  try {
    status = RunNumbrelCli(args, input, out, std::cerr);
  } catch (const std::ios_base::failure& failure) {
    // How the stream's buffer reports a read that failed, which must not pass
    // for the end of the input.
    out.flush();
    std::cerr << "numbrel-cli: cannot read standard input: " << failure.code().message() << "\n";
    return 3;
  }
  out.flush();
  // A reader that closed the pipe has what it wanted.
  if (buffer.Error() == 0 || buffer.Error() == EPIPE) return status;
  std::cerr << "numbrel-cli: cannot write the output: " << std::strerror(buffer.Error()) << "\n";
  return 3;
}
