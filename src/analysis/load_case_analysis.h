#pragma once
// The analysis of a document with load cases: the stiffness is eliminated once
// and each case solved for its own loads; a combination is the factored sum of
// its cases (the analysis is linear), checked with the load duration of its
// shortest acting case. The envelope of each kind of combination gives every
// beam's largest utilisation and displacement with the combination that
// governs it.

#include <array>
#include <optional>
#include <vector>

#include "analysis/analysis_outcome.h"
#include "analysis/result_set.h"
#include "analysis/second_order.h"
#include "analysis/segments.h"
#include "model/document.h"
#include "model/result_choice.h"

namespace strandel {


// The largest utilisation and displacement of a beam over the combinations of
// one kind, and the combinations that give them. Displacements are judged
// under serviceability combinations only: for ultimate ones they stay 0, with
// the first combination named.
struct BeamEnvelope {
  long Number = 0;
  double Utilisation = 0; // fraction; undefined (NaN) when a combination's is
  long UtilisationGoverning = -1;
  double MaxDisplacement = 0; // m
  long DisplacementGoverning = -1;
};

struct KindEnvelope {
  bool Present = false; // the document has combinations of the kind
  double MaxUtilisation = 0;
  long Governing = -1; // the combination of the largest utilisation
  double MaxDisplacement = 0;
  long DisplacementGoverning = -1;
  std::vector<BeamEnvelope> Beams; // in beam list order
};

struct CaseAnalysis {
  AnalysisOutcome Outcome;              // of the whole: a case that fails fails every result
  std::vector<ResultSet> Cases;         // in the order of the document's cases
  std::vector<DurationClass> Durations; // per combination, the class timber takes
  std::array<KindEnvelope, kCombinationKindCount> Envelopes;
  // The capacities of the stretches for each duration class that a case or
  // combination takes; empty for the others.
  std::array<StretchCapacities, kDurationClassCount> Capacities;
  // Per combination: its second-order results, when the document asks for
  // them and it is an ultimate one; superposition does not hold for these.
  std::vector<std::optional<ResultSet>> SecondOrder;

  bool Ok() const { return Outcome.Ok(); }
  const KindEnvelope& Envelope(CombinationKind kind) const {
    return Envelopes[static_cast<std::size_t>(kind)];
  }
};

// Solves every case of a document with load cases and forms its envelopes,
// leaving the model's segments and reactions as those of the last case. A
// load, settlement or combination naming a case that does not exist, or a
// factor that is not a finite number, fails the analysis (LoadCases).
// With "Second order effects" on, every ultimate combination is solved to
// second order from its first-order results; the outcome's Stability tells
// each one's alpha_cr unless the options say not to.
CaseAnalysis AnalyseLoadCases(ModelDocument& doc, const AnalysisOptions& options = {});

// The results the choice names: a case, a combination, or for an envelope and
// the default the combination that governs the largest utilisation (of the
// kind, or of the ultimate combinations; without any, the first combination,
// then the first case). None after a failed analysis or when the named case or
// combination does not exist.
// A combination's results are formed when asked for, from those of its cases.
// The combination at `index` in the document's list; `into` is reused.
void FormCombination(const CaseAnalysis& analysis, const ModelDocument& doc, std::size_t index,
                     ResultSet& into);
ResultSet CombinationResult(const CaseAnalysis& analysis, const ModelDocument& doc,
                            std::size_t index);
// The factored sum of the combination's cases even where its results are
// second order: the axial forces alpha_cr is found from.
ResultSet FirstOrderCombinationResult(const CaseAnalysis& analysis, const ModelDocument& doc,
                                      std::size_t index);

std::optional<ResultSet> ChosenResult(const CaseAnalysis& analysis, const ModelDocument& doc,
                                      const ResultChoice& choice);
// The number of the combination ChosenResult takes for the default and an
// envelope; -1 when it takes a case or nothing.
long GoverningCombination(const CaseAnalysis& analysis, const ModelDocument& doc,
                          const ResultChoice& choice);

// Puts the results into the model as an analysis of one load set leaves them,
// and returns the outcome of that analysis with their displacements.
AnalysisOutcome InstallResult(ModelDocument& doc, const CaseAnalysis& analysis,
                              const ResultSet& result);

// The result the document's ResultSet names, or the default when it names
// nothing there; none after a failed analysis.
std::optional<ResultSet> DocumentResult(const CaseAnalysis& analysis, const ModelDocument& doc);

// AnalyseLoadCases, then DocumentResult installed.
AnalysisOutcome AnalyseChosenResult(ModelDocument& doc, const AnalysisOptions& options = {});

} // namespace strandel
