#pragma once
// What the user reads when a frame analysis failed: the program's message that
// the structure could not be solved, and where it can move, so the user knows
// which support or hinge to look at.

#include <string>

#include "analysis/analysis_outcome.h"

namespace strandel {

// "The structure can move at node 7 in x." ("... in y.", "The structure can turn
// at node 7."), in the loaded language; empty unless the analysis failed as
// unstable at a known node and freedom.
std::string MovementText(const AnalysisOutcome& outcome);

// The message of a failed analysis, followed on a second line by MovementText
// when there is one.
std::string AnalysisFailedMessage(const AnalysisOutcome& outcome);

} // namespace strandel
