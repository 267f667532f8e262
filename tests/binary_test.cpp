#include "ops/binary.h"

#include <gtest/gtest.h>

#include <string>

#include "form/command_table.h"
#include "form/memory_form.h"

namespace {

// Types into the Binary field as a user would and returns what Decimal shows.
std::string DecimalFor(const std::string& binary) {
  MemoryForm form;
  CNumbersDlg dialog(form);
  form.Type(IDC_BINARY, binary);
  DispatchCommand(dialog, IDC_BINARY, Notification::TextChanged);
  return form.FieldText(IDC_DECIMAL);
}

struct BinaryCase {
  std::string binary;
  const char* decimal;
};

TEST(BinaryConversion, ShowsTheValueOfTheLast32Characters) {
  const BinaryCase cases[] = {
      {"", "0"},
      {"0", "0"},
      {"1", "1"},
      {"10", "2"},
      {"101", "5"},
      {"0001", "1"},
      {"1011", "11"},
      {"12", "2"},
      {"21", "1"},
      {"1 ", "2"},
      {"abc1", "1"},
      {"-1", "1"},
      {std::string(31, '1'), "2147483647"},
      {std::string(32, '1'), "4294967295"},
      {"1" + std::string(31, '0'), "2147483648"},
      {std::string(33, '1'), "4294967295"},
      {"1" + std::string(32, '0'), "0"},
      {"10" + std::string(31, '1'), "2147483647"},
  };
  for (const BinaryCase& c : cases) {
    SCOPED_TRACE("binary: \"" + c.binary + "\"");
    EXPECT_EQ(DecimalFor(c.binary), c.decimal);
  }
}

TEST(BinaryConversion, WeighsCharacters68To99OfALongerField) {
  // Characters 68 to 99 are ones, everything after the 99th is zeros.
  const std::string text = std::string(67, '0') + std::string(32, '1') + std::string(50, '0');
  EXPECT_EQ(DecimalFor(text), "4294967295");
  // A single one at character 99 is bit 0; at character 100 it is never seen.
  EXPECT_EQ(DecimalFor(std::string(98, '0') + "1" + std::string(20, '0')), "1");
  EXPECT_EQ(DecimalFor(std::string(99, '0') + "1"), "0");
  // Character 67 lies left of the 32 weighed positions.
  EXPECT_EQ(DecimalFor(std::string(66, '0') + "1" + std::string(32, '0')), "0");
}

TEST(BinaryConversion, StopsAtAZeroCharacterAsTheFieldBufferDoes) {
  EXPECT_EQ(DecimalFor(std::string("11\0" "1111", 7)), "3");
}

TEST(BinaryConversion, WritesOnlyTheDecimalFieldOnEveryChange) {
  MemoryForm form;
  CNumbersDlg dialog(form);
  for (const char* text : {"1", "11", "1", ""}) {
    form.Type(IDC_BINARY, text);
    DispatchCommand(dialog, IDC_BINARY, Notification::TextChanged);
  }
  ASSERT_EQ(form.Events().size(), 4u);
  const char* shown[] = {"1", "3", "1", "0"};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(form.Events()[i].kind, MemoryForm::EventKind::SetText);
    EXPECT_EQ(form.Events()[i].id, IDC_DECIMAL);
    EXPECT_EQ(form.Events()[i].text, shown[i]);
  }
  EXPECT_EQ(form.FieldText(IDC_BINARY), "");
  EXPECT_EQ(form.FieldText(IDC_RESULT), "");
}

}  // namespace
