#include "app/cli/cli.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

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

TEST(NumbrelCli, ConvertsBinaryAsTheDecimalFieldShowsIt) {
  EXPECT_EQ(RunCli({"binary", "1011"}).out, "11\n");
  EXPECT_EQ(RunCli({"binary", std::string(33, '1')}).out, "4294967295\n");
  EXPECT_EQ(RunCli({"binary", ""}).out, "0\n");
  EXPECT_EQ(RunCli({"binary", std::string(67, '0') + std::string(32, '1') + "000"}).out,
            "4294967295\n");
  const CliRun run = RunCli({"binary", "1011"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
}

TEST(NumbrelCli, TakesALeadingMinusAsAFieldText) {
  EXPECT_EQ(RunCli({"binary", "-1"}).out, "1\n");
}

TEST(NumbrelCli, RawPrintsTheFieldsExactBytes) {
  EXPECT_EQ(RunCli({"--raw", "binary", "11"}).out, "3");
}

TEST(NumbrelCli, WritesEachOperationsResultForATerminal) {
  EXPECT_EQ(RunCli({"divide", "22", "7"}).out, "3.\xC2\xA0[\xC2\xA0" "142857 ] - Repeating\n");
  EXPECT_EQ(RunCli({"--raw", "divide", "22", "7"}).out, "3.\xA0[\xA0" "142857 ] - Repeating");
  EXPECT_EQ(RunCli({"gcf-lcm", "12", "18"}).out, "The GCF of 12, and 18 is: 6\n\nThe LCM of 12, and 18 is: 36\n");
  EXPECT_EQ(RunCli({"prime-factors", "360"}).out,
            "The prime factorization of 360 is:\n\n 2^3 * 3^2 * 5 \n");
  EXPECT_EQ(RunCli({"all-factors", "12"}).out, "The factors of 12 are:\n\n12\n6\n4\n3\n2\n1\n\n");
  const std::string bits = RunCli({"bits", "262144"}).out;
  EXPECT_EQ(bits.size(), 105'388u - 7u + 1u);  // seven line ends lose their \r, one newline is added
  EXPECT_EQ(bits.substr(bits.size() - 28), "862,605,349,934,298,300,416\n");
}

TEST(NumbrelCli, ListsAllFactorsOfANumberWithMoreThanAThousand) {
  const std::string out = RunCli({"--raw", "all-factors", "2095133040"}).out;
  std::size_t lines = 0;
  for (std::size_t at = out.find("\r\n\r\n") + 4; at < out.size(); at = out.find("\r\n", at) + 2) ++lines;
  EXPECT_EQ(lines, 1600u);
  EXPECT_EQ(out.size(), 11'499u);
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

TEST(NumbrelCli, AnswersHelpAndVersion) {
  const CliRun help = RunCli({"--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* command : {"binary", "divide", "gcf-lcm", "prime-factors", "all-factors", "bits"}) {
    EXPECT_NE(help.out.find(command), std::string::npos) << command;
  }
  const CliRun version = RunCli({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_NE(version.out.find("1.1"), std::string::npos);
}

}  // namespace
