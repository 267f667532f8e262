// A number its field cannot hold is refused by every command that reads it,
// never computed as the 0 the form's reading rule makes of it; the numbers at
// each end of a range are answered.
#include "tests/press.h"

namespace {

const char* const kUnsigned = "Invalid Input, Numbers from 0 to 4,294,967,295 only";
const char* const kSigned = "Invalid Input, Numbers from -2,147,483,647 to 2,147,483,647 only";
const std::string kSignedBox = "\n\n" + std::string(kSigned) + "\n\n";

std::string TooManyBits(const std::string& number) {
  return kBitsIntro + "\r\n\t" + number + " is too large, max input is 262,144\r\n";
}

const PressCase kCases[] = {
    {"DivideAnswersTheLargestUnsigned", IDC_DIVIDE, Two("4294967295", "4294967295"),
     "1.\xA0[\xA0"
     "0 ] - Repeating"},
    {"DivideAnswersMinusZeroAsZero", IDC_DIVIDE, Two("-0", "7"),
     "0.\xA0[\xA0"
     "0 ] - Repeating"},
    {"DivideRefusesADividendAboveTheRange", IDC_DIVIDE, Two("4294967296", "3"), kUnsigned,
     Outcome::Refused},
    {"DivideRefusesADivisorAboveTheRange", IDC_DIVIDE, Two("22", "99999999999"), kUnsigned,
     Outcome::Refused},
    {"DivideRefusesANegativeDividend", IDC_DIVIDE, Two(" -22", "7"), kUnsigned, Outcome::Refused},
    {"DivideRefusesANegativeDivisorRatherThanDividingByZero", IDC_DIVIDE, Two("22", "-7"),
     kUnsigned, Outcome::Refused},
    {"PrimeFactorsAnswerTheLargestSigned", IDC_PRIME_FACTORS, One("2147483647"),
     "The prime factorization of 2147483647 is:\r\n\r\n 2147483647^1"},
    {"PrimeFactorsRefuseOneAboveTheRange", IDC_PRIME_FACTORS, One("2147483648"), kSigned,
     Outcome::Refused},
    {"PrimeFactorsRefuseOneBelowTheRange", IDC_PRIME_FACTORS, One("-2147483648"), kSigned,
     Outcome::Refused},
    {"AllFactorsRefuseAnUnsignedOnlyNumber", IDC_ALL_FACTORS, One("4294967295"), kSigned,
     Outcome::Refused},
    {"AllFactorsAnswerMinusZeroAsZero", IDC_ALL_FACTORS, One("-0"),
     "The factors of 0 are:\r\n\r\n0"},
    {"GcfLcmRefusesANumberOutOfRangeInABox", IDC_GCF_LCM, Two("99999999999", "3"), kGcfBanner,
     Outcome::Refused, kSignedBox.c_str()},
    {"GcfLcmRefusesTheRangeBeforeAZero", IDC_GCF_LCM, Two("0", "-2147483648"), kGcfBanner,
     Outcome::Refused, kSignedBox.c_str()},
    {"BitsRefuseANumberTooLargeToReadAsTyped", IDC_BITS, One("  99999999999x"),
     TooManyBits("99999999999"), Outcome::Refused},
    {"BitsRefuseANegativeNumberTooLargeToReadWithItsSign", IDC_BITS, One("-99999999999"),
     TooManyBits("-99999999999"), Outcome::Refused},
};
INSTANTIATE_TEST_SUITE_P(AtEachEndOfEachRange, Press, testing::ValuesIn(kCases), CaseName);

}  // namespace
