#include "app/cli/cli.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "ops/bits.h"

namespace {

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

CliRun RunCli(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunNumbrelCli(args, out, err);
  return {status, out.str(), err.str()};
}

TEST(NumbrelCli, PrintsEachCommandsFieldForATerminalOrAsRawBytes) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"binary", "1011"}, "11\n"},
      {{"binary", "-1"}, "1\n"},  // a leading minus is a field's text, not an option
      {{"binary", ""}, "0\n"},
      {{"--raw", "binary", "11"}, "3"},
      {{"divide", "22", "7"}, "3.\xC2\xA0[\xC2\xA0" "142857 ] - Repeating\n"},
      {{"--raw", "divide", "22", "7"}, "3.\xA0[\xA0" "142857 ] - Repeating"},
      {{"gcf-lcm", "12", "18"}, "The GCF of 12, and 18 is: 6\n\nThe LCM of 12, and 18 is: 36\n"},
      {{"prime-factors", "360"}, "The prime factorization of 360 is:\n\n 2^3 * 3^2 * 5 \n"},
      {{"all-factors", "12"}, "The factors of 12 are:\n\n12\n6\n4\n3\n2\n1\n\n"},
      {{"--raw", "bits", "100"}, FindBitCombinations(100)},
  };
  for (const auto& [args, out] : cases) {
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.out, out) << args.back();
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
  }
}

TEST(NumbrelCli, PutsARefusalOnStandardErrorWithStatusOne) {
  const CliRun run = RunCli({"--raw", "gcf-lcm", "0", "5"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "\n\nInvalid Input, Cannot input Zero\n\n");
  EXPECT_EQ(run.out, "\r\nThe Greatest Common Factor finder V2.00\r\n and Least Common Multiple finder V1.00,\r\n");
}

TEST(NumbrelCli, ReportsUsageErrorsOnOneLineWithStatusTwo) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{}, {"frobnicate"}, {"binary"}, {"binary", "1", "2"},
        {"divide", "1"}, {"--bogus", "binary", "1"}}) {
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("--help"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
  }
}

}  // namespace
