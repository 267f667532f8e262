// The calculator's form as every shell lays it out: where each control sits,
// in dialog units of the form's font (a quarter of its average character width
// across, an eighth of its height down), what it is called, what can be typed
// into it, and which label names which field.
#pragma once

#include <array>

#include "form/control_ids.h"
#include "form/form.h"

struct DialogRect {
  int x;
  int y;
  int width;
  int height;
};

enum class ControlKind { Field, ReadOnlyField, Button, ResultField };

struct ControlPlace {
  ControlId id;
  const char* name;
  ControlKind kind;
  DialogRect rect;
  const char* caption;          // a button's label; nullptr for a field
  const char* accessibleName;   // what a screen reader calls it
  const char* typedCharacters;  // the characters typing accepts; nullptr: none is typed
  int maxTyped;                 // typing stops after this many; 0: when the field is full
};

struct LabelPlace {
  const char* text;
  DialogRect rect;
  ControlId buddy;  // the field the label names
};

inline constexpr int kFormWidth = 263;
inline constexpr int kFormHeight = 201;
inline constexpr const char* kFormFontFace = "Bookman Old Style";
// What fontconfig offers for that face on Debian (fonts-urw-base35).
inline constexpr const char* kFormFontFallback = "URW Bookman";
inline constexpr int kFormFontPoints = 8;
// Tab stops in the result field, every 32 dialog units.
inline constexpr int kResultTabStop = 32;

// The number fields: each is read signed by some command, so a "-" may be
// typed too, as the first character only (form/typing_rule.h).
inline constexpr const char* kSignedDigits = "-0123456789";
// A 32-bit number has 32 binary digits: more would never count.
inline constexpr int kMostBinaryDigits = 32;

// In tab order.
// A table laid out by hand, an entry a line.
// clang-format off
inline constexpr std::array<ControlPlace, 12> kControls{{
    {IDC_BINARY, "IDC_BINARY", ControlKind::Field, {33, 0, 137, 12}, nullptr, "Binary", "01",
     kMostBinaryDigits},
    {IDC_DECIMAL, "IDC_DECIMAL", ControlKind::ReadOnlyField, {33, 12, 137, 12}, nullptr,
     "Decimal", nullptr, 0},
    {IDC_FIRST_NUMBER, "IDC_FIRST_NUMBER", ControlKind::Field, {11, 32, 50, 12}, nullptr,
     "First number", kSignedDigits, 0},
    {IDC_SECOND_NUMBER, "IDC_SECOND_NUMBER", ControlKind::Field, {104, 32, 51, 12}, nullptr,
     "Divided by", kSignedDigits, 0},
    {IDC_DIVIDE, "IDC_DIVIDE", ControlKind::Button, {158, 32, 50, 9}, "Divide", "Divide",
     nullptr, 0},
    {IDC_GCF_LCM, "IDC_GCF_LCM", ControlKind::Button, {211, 32, 50, 9}, "GCF/LCM", "GCF/LCM",
     nullptr, 0},
    {IDC_SINGLE_NUMBER, "IDC_SINGLE_NUMBER", ControlKind::Field, {103, 47, 52, 12}, nullptr,
     "Number to factorize or for bits", kSignedDigits, 0},
    {IDC_PRIME_FACTORS, "IDC_PRIME_FACTORS", ControlKind::Button, {158, 47, 50, 9},
     "Prime Factors", "Prime Factors", nullptr, 0},
    {IDC_ALL_FACTORS, "IDC_ALL_FACTORS", ControlKind::Button, {211, 47, 50, 9}, "All Factors",
     "All Factors", nullptr, 0},
    {IDC_BITS, "IDC_BITS", ControlKind::Button, {211, 58, 50, 9}, "Bits", "Bits", nullptr, 0},
    {IDC_RESULT, "IDC_RESULT", ControlKind::ResultField, {0, 72, 262, 128}, nullptr, "Result",
     nullptr, 0},
    {IDC_ABOUT, "IDC_ABOUT", ControlKind::Button, {212, 0, 50, 24}, "About", "About", nullptr,
     0},
}};
// clang-format on

inline constexpr std::array<LabelPlace, 5> kLabels{{
    {"Binary:", {2, 0, 24, 8}, IDC_BINARY},
    {"Decimal:", {2, 12, 29, 8}, IDC_DECIMAL},
    {"Divided by:", {65, 32, 36, 8}, IDC_SECOND_NUMBER},
    {"Number to factorize or for bits:", {5, 47, 98, 8}, IDC_SINGLE_NUMBER},
    {"Result for Divide/GCF/LCM/Prime factors/All factors/Bits:", {3, 62, 192, 8}, IDC_RESULT},
}};
