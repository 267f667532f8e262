// The program's name, its window caption and its About box: every shell shows
// these, and the version in them comes from the one version of the build.
#pragma once

#include "numbrel_version.h"

inline constexpr const char* kProgramName = "Ezo's Numbrel";
inline constexpr const char* kProgramTitle = "Ezo's Numbrel V" NUMBREL_VERSION_SHORT;
inline constexpr const char* kAboutCaption = "About Ezo's Numbrel";
inline constexpr const char* kAboutText =
    "Ezo's Numbrel, version " NUMBREL_VERSION_SHORT
    "\n"
    "Exact binary conversion, long division, GCF and LCM, factors and powers of two.";
