// numbrel-cli's options, each written once: the parser, the help and the
// shell completions all read this table.
#pragma once

#include <array>
#include <string_view>

enum class OptionId { AsTyped, Json, Null, Raw, Help, Version };

struct CliOption {
  OptionId id;
  std::string_view name;       // "--null"
  std::string_view shortName;  // "-z", or empty
  std::string_view help;       // one line, for the help and the completions' descriptions
};

inline constexpr std::array<CliOption, 6> kCliOptions{{
    {OptionId::AsTyped, "--as-typed", "", "read each FIELD as the window reads a typed text"},
    {OptionId::Json, "--json", "", "write each run as one line of JSON"},
    {OptionId::Null, "--null", "-z", "end each answer with a NUL instead of its last newline"},
    {OptionId::Raw, "--raw", "", "print the result field's bytes: Windows-1252, CR LF"},
    {OptionId::Help, "--help", "-h", "show this help and exit"},
    {OptionId::Version, "--version", "", "show the version and exit"},
}};

// The word that shows the help where a command would stand, and what it does.
inline constexpr std::string_view kHelpCommand = "help";
inline constexpr std::string_view kHelpCommandMeaning = "show this help";

// The option named by that word, or nullptr.
const CliOption* FindOption(std::string_view word);
