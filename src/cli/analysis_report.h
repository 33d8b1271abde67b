#pragma once
// How the batch front end tells the outcome of a frame analysis: the "failure"
// object of the JSON output, the one-line explanation of the tables, and on
// stderr the notes of the section values and where the structure can move.

#include <string>

#include "analysis/analysis_outcome.h"
#include "units/units.h"

namespace strandel::cli {

// {"reason": "unstable", "node": 7, "freedom": "x"}; node and freedom only when known.
std::string FailureJson(const AnalysisOutcome& outcome);

// "the structure is unstable: node 7 can move along x", and the like.
std::string FailureText(const AnalysisOutcome& outcome);

// Every note of the section values, one line each on stderr.
void ShowNotes(const AnalysisOutcome& outcome);

// Where an unstable structure can move, as the program's message says it
// ("The structure can move at node 7 in x."), on a line of stderr; nothing when
// the outcome does not know.
void ShowMovement(const AnalysisOutcome& outcome);

// For a second-order analysis that failed, the program's message on a line of
// stderr ("The loads of combination 3 exceed the frame's critical load
// (alpha_cr = 0.84)."); for every load set solved to first order although its
// alpha_cr is below 10, the warning with the rule of EN 1993-1-1.
void ShowStability(const AnalysisOutcome& outcome);

// "alpha_cr": 4.21, or null when nothing is compressed or it was not found.
std::string CriticalFactorJson(double factor);

// A value in its display unit, "undefined" when it is not a number.
std::string ShownOrUndefined(const UnitChoice& units, Quantity quantity, double value);

// The exit status for the outcome: 1 when the analysis failed.
int AnalysisExitStatus(const AnalysisOutcome& outcome);

} // namespace strandel::cli
