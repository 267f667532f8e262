#include "ops/gcf_lcm.h"

void HandleGcfLcm(Form&) {}
