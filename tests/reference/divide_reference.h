// The long division done literally, for tests and benchmarks only: one digit
// per step, every remainder compared with all earlier ones, at most 10,000 steps.
#pragma once

#include <cstdint>
#include <string>

// The same text as DivideWithRepeat for a divisor of 1 or more; a divisor of 0
// is outside its domain.
std::string DivideLiterally(uint32_t dividend, uint32_t divisor);

// The same steps with each remainder looked up in a hash table instead of
// compared with every earlier one: the first repeat is the same, found in
// linear time, for the fuzzer's many inputs.
std::string DivideLiterallyWithLookup(uint32_t dividend, uint32_t divisor);
