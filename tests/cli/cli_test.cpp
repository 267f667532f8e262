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
