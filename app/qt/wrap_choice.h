// How the result field wraps a text. Word wrapping is what the form asks for,
// but Qt lays out a run without a break opportunity that is wider than a line
// by searching the rest of the run again for every line, in time quadratic in
// the run's length: 2 to the power 262,144 is one run of 105,218 digits and
// commas and would take over a second. Where a run is that long, every line
// of it breaks anywhere under either mode, so the text wraps anywhere instead;
// only the other paragraphs of that text can then break inside a word.
#pragma once

#include <QFontMetrics>
#include <QStringView>
#include <QTextOption>

// Word wrapping a run up to this many lines long costs about a millisecond
// more than wrapping it anywhere; beyond it the cost grows with the square.
inline constexpr int kLongestWordWrappedRunLines = 64;

// Spaces, tabs and line ends are the break opportunities counted; a no-break
// space is not one. A run's width is reckoned at the font's average character
// width against lineWidth pixels.
QTextOption::WrapMode WrapModeFor(QStringView text, const QFontMetrics& metrics, int lineWidth);
