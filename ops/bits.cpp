#include "ops/bits.h"

void HandleBits(Form&) {}
