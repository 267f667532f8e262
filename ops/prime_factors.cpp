#include "ops/prime_factors.h"

void HandlePrimeFactors(Form&) {}
