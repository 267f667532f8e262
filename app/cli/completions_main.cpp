// Writes numbrel-cli's completion script for one shell to standard output:
//   numbrel_completions bash|zsh|fish
// The build runs it; it is not installed.
#include <iostream>
#include <string>

#include "app/cli/completions.h"

int main(int argc, char** argv) {
  const std::string script = argc == 2 ? CompletionScript(argv[1]) : std::string();
  if (script.empty()) {
    std::cerr << "usage: numbrel_completions bash|zsh|fish\n";
    return 2;
  }
  std::cout << script;
  return std::cout.flush() ? 0 : 1;
}
