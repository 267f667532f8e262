#include "ops/all_factors.h"

#include <charconv>

#include "ops/divisor_table.h"
#include "ops/magnitude.h"
#include "ops/number_text.h"

std::string WriteAllFactors(int32_t number) {
  std::string text = "The factors of ";
  AppendSigned(text, number);
  text += " are:\r\n\r\n";

  const uint32_t magnitude = MagnitudeOf(number);
  if (magnitude < 2) {
    AppendUnsigned(text, magnitude);
    return text;
  }

  DivisorTable divisors;
  const std::size_t count = ListDivisors(magnitude, divisors);
  // Up to 1,600 lines: written in place into room for ten digits and a line
  // end each, then cut to length, rather than appended one piece at a time.
  std::size_t end = text.size();
  text.resize(end + 12 * count);
  char* const room = text.data();
  for (std::size_t i = count; i-- > 0;) {
    end = static_cast<std::size_t>(std::to_chars(room + end, room + end + 10, divisors[i]).ptr -
                                   room);
    room[end++] = '\r';
    room[end++] = '\n';
  }
  text.resize(end);
  return text;
}
