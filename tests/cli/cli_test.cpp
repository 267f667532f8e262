#include "app/cli/cli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "app/cli/input_lines.h"
#include "app/cli/json_text.h"
#include "commands/command_words.h"
#include "commands/press_command.h"
#include "form/code_page.h"
#include "form/shell_text.h"

namespace {

using namespace std::string_literals;

struct Printed {
  int status = 0;
  std::string out;
  std::string err;
};

// What one run prints, pressed on a fresh form as the window reads the texts.
Printed Window(const char* name, std::vector<std::string> texts) {
  const Command& command = *FindScriptable(name);
  for (std::string& text : texts) text = Utf8ToCp1252(text);
  MemoryForm form;
  const Outcome outcome = PressCommand(form, command, texts);
  Printed printed{outcome == Outcome::Refused ? 1 : 0,
                  ToShellText(form.FieldText(command.output)) + "\n", ""};
  for (const MemoryForm::Event& event : form.Events()) {
    if (event.kind == MemoryForm::EventKind::MessageBox)
      printed.err += ToShellText(event.text) + "\n";
  }
  return printed;
}

// A JSON string of a text the window printed, without the newline added.
std::string Json(const std::string& printed) {
  std::string json;
  AppendJsonString(json, std::string_view(printed).substr(0, printed.size() - 1));
  return json;
}

std::string Said(const std::string& what) { return "numbrel-cli: " + what + "\n"; }
std::string Usage(const std::string& what) { return Said(what + " (try 'numbrel-cli --help')"); }

struct CliCase {
  const char* name;
  std::vector<std::string> args;
  std::optional<std::string> input;  // none: standard input is a terminal
  Printed printed;
};

void PrintTo(const CliCase& c, std::ostream* out) { *out << c.name; }

// Standard input as a pipe hands it over: a piece at a time, more than
// numbrel-cli reads at once, and between pieces nothing known to be waiting,
// so that a read must wait for the next.
class Pipe : public std::streambuf {
 public:
  explicit Pipe(std::string text) : text_(std::move(text)) {}

 protected:
  int_type underflow() override {
    if (at_ == text_.size()) return traits_type::eof();
    const std::size_t piece = std::min<std::size_t>(100'000, text_.size() - at_);
    setg(text_.data() + at_, text_.data() + at_, text_.data() + at_ + piece);
    at_ += piece;
    return traits_type::to_int_type(*gptr());
  }

 private:
  std::string text_;
  std::size_t at_ = 0;
};

class NumbrelCli : public testing::TestWithParam<CliCase> {};

TEST_P(NumbrelCli, PrintsTheAnswersAndEndsWithTheStatus) {
  const CliCase& c = GetParam();
  Pipe pipe(c.input.value_or(""));
  std::istream in(&pipe);
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunNumbrelCli(c.args, c.input ? &in : nullptr, out, err), c.printed.status);
  EXPECT_EQ(out.str(), c.printed.out);
  EXPECT_EQ(err.str(), c.printed.err);
}

// Every command read as the window reads its fields: the same bytes, box
// texts and status as the window's form gives.
CliCase AsTyped(const char* name, const char* command, const std::vector<std::string>& texts) {
  std::vector<std::string> args = {"--as-typed", command};
  args.insert(args.end(), texts.begin(), texts.end());
  return {name, args, {}, Window(command, texts)};
}

const std::string kNotBinary = "' is not 1 to 32 binary digits";
const std::string k32Ones(32, '1');

// clang-format off
INSTANTIATE_TEST_SUITE_P(Calls, NumbrelCli, testing::ValuesIn(std::vector<CliCase>{
    {"RunsEachGroupOfFieldsInOrder", {"binary", "1", "10", "11"}, {}, {0, "1\n2\n3\n", ""}},
    {"RunsALineOfStandardInputWhenNoFieldIsGiven", {"binary"}, "1\n \t10\r\n11", {0, "1\n2\n3\n", ""}},
    {"LeavesStandardInputUnreadWhenGivenFields", {"binary", "1"}, "10\n", {0, "1\n", ""}},
    {"NamesEachBadLineAndGoesOn", {"binary"}, "2\n\n1 1\n" + std::string(kLongestLine + 1, '1') + "\n" +
     std::string(kLongestLine, '1') + "\n1", {2, "1\n",
     Said("line 1: TEXT '2" + kNotBinary) + Said("line 2: binary needs TEXT on each line, 0 fields given") +
     Said("line 3: binary needs TEXT on each line, 2 fields given") +
     Said("line 4: the line is longer than 1,048,576 bytes") +
     Said("line 5: TEXT '" + std::string(kLongestLine, '1') + kNotBinary)}},
    {"TakesOneToThirtyTwoBinaryDigits", {"binary", "", "1" + k32Ones, k32Ones, "012"}, {}, {2, "4294967295\n",
     Said("TEXT '" + kNotBinary) + Said("TEXT '1" + k32Ones + kNotBinary) + Said("TEXT '012" + kNotBinary)}},
    {"TakesASignAndDigitsOnly", {"bits", "1e3", "+1", " 1", "-", "-007"}, {}, {2, Window("bits", {"-7"}).out,
     Said("NUMBER '1e3' is not a whole number") + Said("NUMBER '+1' is not a whole number") +
     Said("NUMBER ' 1' is not a whole number") + Said("NUMBER '-' is not a whole number")}},
    {"ShowsControlCharactersOfABadTextEscaped", {"binary", "\x1b[2J"}, {}, {2, "", Said("TEXT '\\x1b[2J" + kNotBinary)}},
    {"RefusesANegativeDividendAsOutOfRange", {"divide", "-5", "1", "4", "2"}, {}, {1,
     Window("divide", {"-5", "1"}).out + Window("divide", {"4", "2"}).out, ""}},
    {"GivesTwoWhenAnyRunIsInvalidThoughOneIsRefused", {"gcf-lcm", "0", "5", "x", "1", "1", "1"}, {}, {2,
     Window("gcf-lcm", {"0", "5"}).out + Window("gcf-lcm", {"1", "1"}).out,
     Window("gcf-lcm", {"0", "5"}).err + Said("FIRST 'x' is not a whole number")}},
    {"EndsEachAnswerWithANulForZ", {"-z", "binary", "1", "10"}, {}, {0, "1\0" "2\0"s, ""}},
    {"EndsRawBytesWithANulForNull", {"--raw", "divide", "22", "7", "--null"}, {}, {0,
     "3.\xA0[\xA0" "142857 ] - Repeating\0"s, ""}},
    {"WritesAJsonLineForEachRun", {"--json", "all-factors", "2", "2x"}, {}, {2,
     "{\"command\":\"all-factors\",\"fields\":[\"2\"],\"outcome\":\"answered\",\"result\":"
     "\"The factors of 2 are:\\n\\n2\\n1\\n\",\"boxes\":[]}\n"
     "{\"command\":\"all-factors\",\"fields\":[\"2x\"],\"outcome\":\"invalid\",\"result\":null,"
     "\"boxes\":[],\"error\":\"NUMBER '2x' is not a whole number\"}\n", Said("NUMBER '2x' is not a whole number")}},
    {"PutsTheBoxesInTheJsonLine", {"--json", "gcf-lcm"}, "0 5\n", {1, "{\"command\":\"gcf-lcm\",\"fields\":[\"0\",\"5\"],"
     "\"outcome\":\"refused\",\"result\":" + Json(Window("gcf-lcm", {"0", "5"}).out) + ",\"boxes\":[" +
     Json(Window("gcf-lcm", {"0", "5"}).err) + "]}\n", ""}},
    {"KeepsJsonValidForAnyBytes", {"--json", "-z", "--as-typed", "binary", "\"\\\x01\xFF\xC3\xA9"}, {}, {0,
     "{\"command\":\"binary\",\"fields\":[\"\\\"\\\\\\u0001\xEF\xBF\xBD\xC3\xA9\"],"
     "\"outcome\":\"answered\",\"result\":\"0\",\"boxes\":[]}\0"s, ""}},
    {"RunsNothingWhenTheLastRunIsIncomplete", {"divide", "22", "7", "1"}, {}, {2, "",
     Usage("divide needs FIRST and SECOND for each run, 3 fields given")}},
    {"NeedsAFieldFromATerminal", {"divide"}, {}, {2, "", Usage("divide needs FIRST and SECOND")}},
    {"NeedsACommand", {"--json"}, {}, {2, "", Usage("no command given")}},
    {"NamesAnUnknownCommand", {"foo"}, {}, {2, "", Usage("unknown command 'foo'")}},
    {"NamesAnUnknownOption", {"binary", "--jsn"}, {}, {2, "", Usage("unknown option '--jsn'")}},
    {"TellsHowToGiveATextThatLooksLikeAnOption", {"prime-factors", "-x"}, {}, {2, "",
     Usage("'-x' is not a number; to give a field text that begins with '-', put -- before the field texts")}},
    {"WritesJsonInUtf8Only", {"--json", "--raw", "binary", "1"}, {}, {2, "", Usage("--json and --raw do not go together")}},
    AsTyped("AsTypedBinaryWeighsOtherCharactersAsZero", "binary", {"2x1"}),
    AsTyped("AsTypedBinaryCountsACharacterOfTwoUtf8BytesOnce", "binary", {"1\xC3\xA9"}),
    AsTyped("AsTypedDivideOfAnEmptyField", "divide", {"", "7"}),
    AsTyped("AsTypedGcfLcmShowsABoxForZero", "gcf-lcm", {"0", "5"}),
    AsTyped("AsTypedPrimeFactorsOfLetters", "prime-factors", {"abc"}),
    AsTyped("AsTypedAllFactorsOutOfRange", "all-factors", {"2147483648"}),
    AsTyped("AsTypedBitsOfAnExponent", "bits", {"1e3"}),
}), [](const auto& param) { return std::string(param.param.name); });
// clang-format on

}  // namespace
