#pragma once
// What the optimizer minimises, read from the last frame analysis: the highest
// utilisation of any beam stretch, or the largest distance any point of a beam
// moves. Index 1 is the displacement; every other index is the utilisation.

#include <string>

#include "analysis/analysis_outcome.h"
#include "model/document.h"
#include "units/units.h"

namespace strandel {

inline constexpr int kObjectiveUtilisation = 0;
inline constexpr int kObjectiveDisplacement = 1;

// The objective of the current results in base units (a fraction, or m); 0 when
// there are no segments. Undefined (NaN) when a stretch's utilisation is.
double ObjectiveValue(const ModelDocument& doc, int objective);

// Shown units per base unit and their name: 100 and "[%]" for the utilisation,
// the displacement unit of the settings for the displacement.
double ObjectiveDisplayFactor(const UnitChoice& units, int objective);
std::string ObjectiveUnitName(const UnitChoice& units, int objective);
// FormatValue of the shown value, without the leading blank: "61.2".
std::string ObjectiveText(const UnitChoice& units, int objective, double value);

// The score of one analysed trial point. A failed analysis has no results to
// score (its empty segment list would read as 0, the best value there is): it is
// not solved, and ranks behind every point that is, however bad.
struct TrialScore {
  bool Solved = false;
  double Value = 0; // base units; +infinity when not solved
};
TrialScore TrialObjective(const ModelDocument& doc, const AnalysisOutcome& outcome, int objective);

// Analyses the model and scores it. A document with load cases is scored over
// its combinations: the highest utilisation of any ultimate combination, or the
// largest displacement of any serviceability combination (without such
// combinations, that of the result shown); the model then holds the result its
// ResultSet chooses. Without cases: AnalyseModel and ObjectiveValue.
struct ObjectiveAnalysis {
  AnalysisOutcome Outcome;
  double Value = 0; // base units; meaningless when the outcome failed
};
ObjectiveAnalysis AnalyseObjective(ModelDocument& doc, int objective);

} // namespace strandel
