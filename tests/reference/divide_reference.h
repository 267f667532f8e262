// The long division done literally, for tests and benchmarks only: one digit
// per step, every remainder compared with all earlier ones, at most 10,000 steps.
#pragma once

#include <cstdint>
#include <string>

// The same text as DivideWithRepeat for a divisor of 1 or more; a divisor of 0
// is outside its domain.
std::string DivideLiterally(uint32_t dividend, uint32_t divisor);
