// A number its field cannot hold is refused by every command that reads it,
// in that command's words, never computed as the 0 the form's reading rule
// makes of it. Where each range ends is the field reading's own test.
#include "tests/press.h"

namespace {

const char* const kUnsigned = "Invalid Input, Numbers from 0 to 4,294,967,295 only";
const char* const kSigned = "Invalid Input, Numbers from -2,147,483,647 to 2,147,483,647 only";
const std::string kSignedBox = "\n\n" + std::string(kSigned) + "\n\n";

std::string TooManyBits(const std::string& number) {
  return kBitsIntro + "\r\n\t" + number + " is too large, max input is 262,144\r\n";
}

const PressCase kCases[] = {
    Refused("DivideRefusesADividendAboveTheRange", "divide", {"4294967296", "3"}, kUnsigned),
    Refused("DivideRefusesANegativeDivisorRatherThanDividingByZero", "divide", {"22", "-7"},
            kUnsigned),
    Refused("PrimeFactorsRefuseOneAboveTheRange", "prime-factors", {"2147483648"}, kSigned),
    Refused("AllFactorsRefuseAnUnsignedOnlyNumber", "all-factors", {"4294967295"}, kSigned),
    Refused("GcfLcmRefusesTheRangeBeforeAZero", "gcf-lcm", {"0", "-2147483648"}, kGcfBanner,
            kSignedBox.c_str()),
    Refused("BitsRefuseANumberTooLargeToReadAsTyped", "bits", {"  99999999999x"},
            TooManyBits("99999999999")),
    Refused("BitsRefuseANegativeNumberTooLargeToReadWithItsSign", "bits", {"-99999999999"},
            TooManyBits("-99999999999")),
};
INSTANTIATE_TEST_SUITE_P(OutOfRange, Press, testing::ValuesIn(kCases), CaseName);

}  // namespace
