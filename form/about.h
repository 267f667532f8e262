// The About box's texts, shared by every shell's window and the version record.
#pragma once

inline constexpr const char* kProgramTitle = "Ezo's Numbrel V1.1";
inline constexpr const char* kAboutCaption = "About Ezo's Numbrel";
inline constexpr const char* kAboutText =
    "Ezo's Numbrel, version 1.1\n"
    "Exact binary conversion, long division, GCF and LCM, factors and powers of two.";
