// The answers a command gives for a number its field's reading cannot hold,
// written from the reading's range.
#pragma once

#include <string>

#include "form/field_reading.h"

// "Invalid Input, Numbers from 0 to 4,294,967,295 only".
std::string RefuseRange(Reading reading);

// The same words as GCF/LCM's message box says them, between blank lines.
std::string RefuseRangeInABox(Reading reading);
