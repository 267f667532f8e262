// numbrel-cli's shell completions, written from the command table and the
// option table at build time: the commands where the command goes, the
// options where a word begins with "-", and nothing for a field, which is a
// number.
#pragma once

#include <string>
#include <string_view>

// The completion script for "bash", "zsh" or "fish"; empty for any other name.
std::string CompletionScript(std::string_view shell);
