#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "app/cli/cli.h"
#include "app/cli/input_buffer.h"
#include "app/cli/output_buffer.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  InputBuffer inputBuffer(STDIN_FILENO);
  std::istream input(&inputBuffer);
  OutputBuffer outputBuffer(STDOUT_FILENO);
  std::ostream out(&outputBuffer);
  const int status =
      RunNumbrelCli(args, isatty(STDIN_FILENO) != 0 ? nullptr : &input, out, std::cerr);
  out.flush();
  // A reader that closed the pipe has what it wanted.
  if (outputBuffer.Error() != 0 && outputBuffer.Error() != EPIPE) {
    std::cerr << "numbrel-cli: cannot write the output: " << std::strerror(outputBuffer.Error())
              << "\n";
    return 3;
  }
  if (inputBuffer.Error() != 0) {
    std::cerr << "numbrel-cli: cannot read standard input: " << std::strerror(inputBuffer.Error())
              << "\n";
    return 3;
  }
  return status;
}
