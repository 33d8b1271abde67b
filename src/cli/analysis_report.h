#pragma once
// How the batch front end tells the outcome of a frame analysis: the "failure"
// object of the JSON output, the one-line explanation of the tables, and on
// stderr the notes of the section values and where the structure can move.

#include <string>

#include "analysis/analysis_outcome.h"

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

// The exit status for the outcome: 1 when the analysis failed.
int AnalysisExitStatus(const AnalysisOutcome& outcome);

} // namespace strandel::cli
