#include "ops/divide.h"

void HandleDivide(Form&) {}
