// The Windows program under test, named on the test program's command line
// after GoogleTest's own flags.
#pragma once

#include <string>

// The program's path in Windows form (a Unix path from the build as Z:\...).
const std::wstring& ProgramUnderTest();
