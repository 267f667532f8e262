// Placeholder until this operation lands.
#pragma once

#include "form/form.h"

void HandlePrimeFactors(Form& form);
