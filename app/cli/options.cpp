#include "app/cli/options.h"

#include <algorithm>

const CliOption* FindOption(std::string_view word) {
  const auto* option = std::find_if(kCliOptions.begin(), kCliOptions.end(), [word](const auto& o) {
    return word == o.name || (!o.shortName.empty() && word == o.shortName);
  });
  return option == kCliOptions.end() ? nullptr : option;
}
