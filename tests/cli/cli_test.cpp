#include "app/cli/cli.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/press.h"

namespace {

struct CliCase {
  const char* name;
  std::vector<std::string> args;
  int status;
  std::string out;
  std::string err;  // for a usage error: the part between "numbrel-cli: " and the hint
};

// A table laid out by hand, an entry a line.
// clang-format off
const CliCase kCases[] = {
    {"AnEmptyField", {"binary", ""}, 0, "0\n", ""},
    {"AnOverlongFormIsNoDigit", {"binary", "\xC0\xB1"}, 0, "0\n", ""},
    {"NoBreakSpacesAsUtf8", {"divide", "22", "7"}, 0,
     "3.\xC2\xA0[\xC2\xA0" "142857 ] - Repeating\n", ""},
    {"NoBreakSpacesRaw", {"--raw", "divide", "22", "7"}, 0, "3.\xA0[\xA0" "142857 ] - Repeating",
     ""},
    {"LineEndsForATerminal", {"all-factors", "12"}, 0,
     "The factors of 12 are:\n\n12\n6\n4\n3\n2\n1\n\n", ""},
    {"NegativeNumbersNeedNoDoubleDash", {"prime-factors", "-12"}, 0,
     "The prime factorization of -12 is:\n\n -1 * 2^2 * 3 \n", ""},
    {"TextAfterDoubleDash", {"prime-factors", "--", "-x"}, 0,
     "The prime factorization of 0 is:\n\n 0^1\n", ""},
    {"ABoxGoesToStandardErrorWithStatusOne", {"--raw", "gcf-lcm", "0", "5"}, 1, kGcfBanner,
     "\n\nInvalid Input, Cannot input Zero\n\n"},
    {"ARefusedNumberGivesStatusOne", {"divide", "99999999999", "3"}, 1,
     "Invalid Input, Numbers from 0 to 4,294,967,295 only\n", ""},
    {"ASignedRefusalGivesStatusOne", {"all-factors", "2147483648"}, 1,
     "Invalid Input, Numbers from -2,147,483,647 to 2,147,483,647 only\n", ""},
    {"DividingByZeroGivesStatusOne", {"divide", "5", "0"}, 1,
     "Invalid Input, Cannot divide by Zero\n", ""},
    {"TooManyBitsGiveStatusOne", {"--raw", "bits", "262145"}, 1,
     kBitsIntro + "\r\n\t262145 is too large, max input is 262,144\r\n", ""},
    {"NoCommand", {}, 2, "", "no command given"},
    {"AnUnknownCommandIsNamed", {"foo"}, 2, "", "unknown command 'foo'"},
    {"AMissingFieldIsNamedWithItsCommand", {"divide", "1"}, 2, "", "divide needs FIRST and SECOND"},
    {"AnExtraField", {"binary", "1", "2"}, 2, "", "binary takes only TEXT"},
    {"AnUnknownOption", {"--bogus", "binary", "1"}, 2, "", "unknown option '--bogus'"},
    {"AnOptionLikeFieldNamesTheFix", {"prime-factors", "-x"}, 2, "",
     "'-x' is not a number; to give a field text that begins with '-', put -- before the field "
     "texts"},
};
// clang-format on

void PrintTo(const CliCase& c, std::ostream* out) { *out << c.name; }

class NumbrelCli : public testing::TestWithParam<CliCase> {};

TEST_P(NumbrelCli, PrintsTheFieldAndExitsWithItsStatus) {
  const CliCase& c = GetParam();
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunNumbrelCli(c.args, out, err), c.status);
  EXPECT_EQ(out.str(), c.out);
  const std::string expectedErr =
      c.status == 2 ? "numbrel-cli: " + c.err + " (try 'numbrel-cli --help')\n" : c.err;
  EXPECT_EQ(err.str(), expectedErr);
}

INSTANTIATE_TEST_SUITE_P(Cases, NumbrelCli, testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

// help shows every command with its fields in plain words.
TEST(NumbrelCliHelp, NamesEveryCommandWithItsFieldsAndRanges) {
  for (const char* help : {"--help", "help"}) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunNumbrelCli({help}, out, err), 0);
    for (const char* line :
         {"  divide FIRST SECOND", "SECOND  a whole number from 1 to 4,294,967,295",
          "  bits NUMBER", "from 0 to 262,144", "  all-factors NUMBER"}) {
      EXPECT_NE(out.str().find(line), std::string::npos) << help << ": " << line;
    }
  }
}

}  // namespace
