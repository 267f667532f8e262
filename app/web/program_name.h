// Until form/program.h holds it: the caption of a message box given none.
#pragma once

inline constexpr const char* kProgramName = "Ezo's Numbrel";
