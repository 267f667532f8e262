#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli/cli.h"

namespace {

// Whole or not at all: a failed write is the caller's to report.
bool WriteAll(std::FILE* stream, const std::string& text) {
  return std::fwrite(text.data(), 1, text.size(), stream) == text.size() &&
         std::fflush(stream) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunNumbrelCli(args, out, err);
  if (!WriteAll(stdout, out.str())) {
    // A reader that closed the pipe has what it wanted.
    if (errno == EPIPE) return status;
    std::fprintf(stderr, "numbrel-cli: cannot write the output: %s\n", std::strerror(errno));
    return 3;
  }
  WriteAll(stderr, err.str());
  return status;
}
