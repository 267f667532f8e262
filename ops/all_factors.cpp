#include "ops/all_factors.h"

void HandleAllFactors(Form&) {}
