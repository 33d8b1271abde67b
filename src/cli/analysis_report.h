#pragma once
// How the batch front end tells the outcome of a frame analysis: the "failure"
// object of the JSON output, the one-line explanation of the tables, and the
// notes of the section values on stderr.

#include <string>

#include "analysis/analysis_outcome.h"

namespace strandel::cli {

// {"reason": "unstable", "node": 7, "freedom": "x"}; node and freedom only when known.
std::string FailureJson(const AnalysisOutcome& outcome);

// "the structure is unstable: node 7 can move along x", and the like.
std::string FailureText(const AnalysisOutcome& outcome);

// Every note of the section values, one line each on stderr.
void ShowNotes(const AnalysisOutcome& outcome);

// The exit status for the outcome: 1 when the analysis failed.
int AnalysisExitStatus(const AnalysisOutcome& outcome);

} // namespace strandel::cli
