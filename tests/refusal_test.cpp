// A number its field cannot hold is refused by every command that reads it,
// never computed as the 0 the form's reading rule makes of it; the numbers at
// each end of a range are answered.
#include <gtest/gtest.h>

#include <string>

#include "commands/refusals.h"
#include "tests/press.h"

namespace {

const std::string kBitsIntro =
    "Ezo's Bit combination finder VBETA, 1999\r\n"
    "\r\nThis program calculates the number of combinations for a given number of binary digits."
    "\r\n";
const std::string kGcfLcmBanner =
    "\r\nThe Greatest Common Factor finder V2.00\r\n and Least Common Multiple finder V1.00,\r\n";

struct RefusalCase {
  const char* name;
  ControlId button;
  Fields fields;
  std::string result;  // the last text written to the result field
  const char* box;     // the message box's text, if one is shown
};

std::string TooManyBits(const std::string& number) {
  return kBitsIntro + "\r\n\t" + number + " is too large, max input is 262,144\r\n";
}

const RefusalCase kCases[] = {
    {"DivideAnswersTheLargestUnsigned", IDC_DIVIDE,
     {{IDC_FIRST_NUMBER, "4294967295"}, {IDC_SECOND_NUMBER, "4294967295"}},
     "1.\xA0[\xA0" "0 ] - Repeating", nullptr},
    {"DivideAnswersMinusZeroAsZero", IDC_DIVIDE,
     {{IDC_FIRST_NUMBER, "-0"}, {IDC_SECOND_NUMBER, "7"}}, "0.\xA0[\xA0" "0 ] - Repeating", nullptr},
    {"DivideRefusesADividendAboveTheRange", IDC_DIVIDE,
     {{IDC_FIRST_NUMBER, "4294967296"}, {IDC_SECOND_NUMBER, "3"}},
     "Invalid Input, Numbers from 0 to 4,294,967,295 only", nullptr},
    {"DivideRefusesADivisorAboveTheRange", IDC_DIVIDE,
     {{IDC_FIRST_NUMBER, "22"}, {IDC_SECOND_NUMBER, "99999999999"}},
     "Invalid Input, Numbers from 0 to 4,294,967,295 only", nullptr},
    {"DivideRefusesANegativeDividend", IDC_DIVIDE,
     {{IDC_FIRST_NUMBER, " -22"}, {IDC_SECOND_NUMBER, "7"}},
     "Invalid Input, Numbers from 0 to 4,294,967,295 only", nullptr},
    {"DivideRefusesANegativeDivisorRatherThanDividingByZero", IDC_DIVIDE,
     {{IDC_FIRST_NUMBER, "22"}, {IDC_SECOND_NUMBER, "-7"}},
     "Invalid Input, Numbers from 0 to 4,294,967,295 only", nullptr},
    {"PrimeFactorsAnswerTheLargestSigned", IDC_PRIME_FACTORS,
     {{IDC_SINGLE_NUMBER, "2147483647"}},
     "The prime factorization of 2147483647 is:\r\n\r\n 2147483647^1", nullptr},
    {"PrimeFactorsAnswerTheSmallestSigned", IDC_PRIME_FACTORS,
     {{IDC_SINGLE_NUMBER, "-2147483647"}},
     "The prime factorization of -2147483647 is:\r\n\r\n -1 * 2147483647^1", nullptr},
    {"PrimeFactorsRefuseOneAboveTheRange", IDC_PRIME_FACTORS,
     {{IDC_SINGLE_NUMBER, "2147483648"}},
     "Invalid Input, Numbers from -2,147,483,647 to 2,147,483,647 only", nullptr},
    {"PrimeFactorsRefuseOneBelowTheRange", IDC_PRIME_FACTORS,
     {{IDC_SINGLE_NUMBER, "-2147483648"}},
     "Invalid Input, Numbers from -2,147,483,647 to 2,147,483,647 only", nullptr},
    {"AllFactorsRefuseAnUnsignedOnlyNumber", IDC_ALL_FACTORS, {{IDC_SINGLE_NUMBER, "4294967295"}},
     "Invalid Input, Numbers from -2,147,483,647 to 2,147,483,647 only", nullptr},
    {"AllFactorsAnswerMinusZeroAsZero", IDC_ALL_FACTORS, {{IDC_SINGLE_NUMBER, "-0"}},
     "The factors of 0 are:\r\n\r\n0", nullptr},
    {"GcfLcmRefusesANumberOutOfRangeInABox", IDC_GCF_LCM,
     {{IDC_FIRST_NUMBER, "99999999999"}, {IDC_SECOND_NUMBER, "3"}}, kGcfLcmBanner,
     "\n\nInvalid Input, Numbers from -2,147,483,647 to 2,147,483,647 only\n\n"},
    {"GcfLcmRefusesTheRangeBeforeAZero", IDC_GCF_LCM,
     {{IDC_FIRST_NUMBER, "0"}, {IDC_SECOND_NUMBER, "-2147483648"}}, kGcfLcmBanner,
     "\n\nInvalid Input, Numbers from -2,147,483,647 to 2,147,483,647 only\n\n"},
    {"GcfLcmStillRefusesATypedZero", IDC_GCF_LCM,
     {{IDC_FIRST_NUMBER, "0"}, {IDC_SECOND_NUMBER, "3"}}, kGcfLcmBanner,
     "\n\nInvalid Input, Cannot input Zero\n\n"},
    {"BitsRefuseANumberTooLargeToReadAsTyped", IDC_BITS,
     {{IDC_SINGLE_NUMBER, "  99999999999x"}}, TooManyBits("99999999999"), nullptr},
    {"BitsRefuseANegativeNumberTooLargeToReadWithItsSign", IDC_BITS,
     {{IDC_SINGLE_NUMBER, "-99999999999"}}, TooManyBits("-99999999999"), nullptr},
    {"BitsOfZeroAreOne", IDC_BITS, {{IDC_SINGLE_NUMBER, "0"}},
     kBitsIntro + "\r\n\r\nThe result of 0 Bits is:\r\n\r\n1", nullptr},
};

class Refusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(Refusal, AnswersOrRefusesAsTheFieldHoldsIt) {
  const RefusalCase& c = GetParam();
  const Events events = Dispatch(c.button, c.fields);
  std::string result;
  const char* box = nullptr;
  for (const MemoryForm::Event& event : events) {
    if (event.kind == EventKind::SetText) result = event.text;
    if (event.kind == EventKind::MessageBox) box = event.text.c_str();
  }
  EXPECT_EQ(result, c.result);
  EXPECT_STREQ(box, c.box);
  EXPECT_EQ(IsRefusalText(result) || box != nullptr,
            c.box != nullptr || result.starts_with("Invalid") || result.ends_with("262,144\r\n"));
}

INSTANTIATE_TEST_SUITE_P(AtEachEndOfEachRange, Refusal, testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
