#include "commands/refusals.h"

#include "ops/bits.h"
#include "ops/divide.h"

bool IsRefusalText(std::string_view text) {
  return text == kUnsignedRangeRefusal || text == kSignedRangeRefusal ||
         text == kDivideByZeroText || text.ends_with(kTooManyBitsEnd);
}
