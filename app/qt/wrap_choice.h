// Where the result field wraps anywhere. Word wrapping is what the form asks
// for, but Qt wraps a run without a break opportunity that is wider than a
// line by searching the rest of the run again for every line, in time
// quadratic in the run's length: 2 to the power 262,144 is one run of 105,218
// digits and commas and would take over a second. Every line inside such a run
// breaks anywhere under either mode, so those lines are laid out wrapping
// anywhere, which is linear, and all other lines at word boundaries.
#pragma once

#include <QStringView>
#include <vector>

struct TextRun {
  qsizetype start;
  qsizetype end;  // one past its last character
};

// The runs of more than `longest` characters without a break opportunity, in
// order. Spaces, tabs and line ends are the break opportunities counted; a
// no-break space is not one.
std::vector<TextRun> LongRuns(QStringView text, qsizetype longest);
