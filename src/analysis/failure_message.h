#pragma once
// What the user reads when a frame analysis failed: the program's message that
// the structure could not be solved, and where it can move, so the user knows
// which support or hinge to look at.

#include <string>
#include <vector>

#include "analysis/analysis_outcome.h"

namespace strandel {

// "The structure can move at node 7 in x." ("... in y.", "The structure can turn
// at node 7."), in the loaded language; empty unless the analysis failed as
// unstable at a known node and freedom.
std::string MovementText(const AnalysisOutcome& outcome);

// The message of a failed analysis, followed on a second line by MovementText
// when there is one.
std::string AnalysisFailedMessage(const AnalysisOutcome& outcome);

// alpha_cr as the user reads it: three digits ("0.84", "12.5"), or in words
// when nothing is compressed or it was not found.
std::string CriticalFactorText(double factor);

// "Buckling mode of combination 3, alpha_cr = 4.21" ("Buckling mode, alpha_cr
// = 4.21" for the single load set, combination 0).
std::string BucklingCaption(long combination, double factor);
// "alpha_cr = 4.21 (combination 3)", or without the combination for 0.
std::string CriticalFactorStatus(long combination, double factor);

// The warning for a load set solved to first order although its alpha_cr is
// below 10, with the rule of EN 1993-1-1; empty when none is due.
std::string FirstOrderWarning(const LoadSetStability& stability);
// Every such warning of the outcome, one per line; none after a failed
// analysis.
std::vector<std::string> FirstOrderWarnings(const AnalysisOutcome& outcome);

} // namespace strandel
