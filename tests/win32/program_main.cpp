#include "tests/win32/program_main.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

std::wstring program;

// Wine shows the host's file system as drive Z:.
std::wstring WindowsPathOf(const std::string& path) {
  std::wstring windows = path.starts_with('/') ? L"Z:" : L"";
  for (const char c : path) windows += c == '/' ? L'\\' : static_cast<wchar_t>(c);
  return windows;
}

}  // namespace

const std::wstring& ProgramUnderTest() { return program; }

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s [gtest flags] PATH-OF-EzosNumbrel.exe\n", argv[0]);
    return 2;
  }
  program = WindowsPathOf(argv[1]);
  return RUN_ALL_TESTS();
}
