#include "analysis/buckling_analysis.h"

#include <cmath>
#include <optional>

#include "analysis/load_case_analysis.h"
#include "analysis/node_table.h"
#include "analysis/solver.h"
#include "sections/section_context.h"

namespace strandel {
namespace {

// What an analysis leaves in the document, to give back afterwards.
struct HeldResults {
  std::vector<TSegmentObject> Segments;
  std::vector<std::array<double, 6>> Reactions;
  std::vector<CaseFactor> Factors;
  bool Valid = false;

  explicit HeldResults(const ModelDocument& doc)
      : Segments(doc.Segments), Factors(doc.ResultFactors), Valid(doc.ResultsValid) {
    for (const TSupportObject& support : ObjectsOf<TSupportObject>(doc))
      Reactions.push_back(support.Reactions);
  }
  void GiveBack(ModelDocument& doc) {
    doc.Segments = std::move(Segments);
    std::size_t i = 0;
    for (TSupportObject& support : ObjectsOf<TSupportObject>(doc))
      support.Reactions = Reactions[i++];
    doc.ResultFactors = std::move(Factors);
    doc.ResultsValid = Valid;
  }
};

long IndexOfCombination(const ModelDocument& doc, long number) {
  const std::vector<TCombination>& combinations = doc.Settings.Combinations;
  for (std::size_t k = 0; k < combinations.size(); ++k)
    if (combinations[k].Number == number) return static_cast<long>(k);
  return -1;
}

// The first-order results of the load set, in the document's stretches.
std::optional<ResultSet> FirstOrderResults(ModelDocument& doc, long combination,
                                           AnalysisOutcome& outcome) {
  const AnalysisOptions plain{false};
  if (doc.Settings.LoadCases.empty()) {
    SectionContext context;
    outcome = AnalyseSelections(doc, {EveryLoad(doc)}, context,
                                [](std::size_t, const ModelDocument&, const std::vector<double>&) {});
    if (!outcome.Ok()) return std::nullopt;
    ResultSet result;
    result.Segments = doc.Segments;
    return result;
  }
  // The cases alone: a second-order analysis would fail beyond the very load
  // whose factor is asked for.
  const bool secondOrder = doc.Settings.SecondOrder;
  doc.Settings.SecondOrder = false;
  const CaseAnalysis analysis = AnalyseLoadCases(doc, plain);
  doc.Settings.SecondOrder = secondOrder;
  outcome = analysis.Outcome;
  const long index = IndexOfCombination(doc, combination);
  if (!analysis.Ok() || index < 0) return std::nullopt;
  return FirstOrderCombinationResult(analysis, doc, static_cast<std::size_t>(index));
}

} // namespace

long GoverningBucklingLoadSet(const ModelDocument& doc, const AnalysisOutcome& outcome) {
  if (doc.Settings.LoadCases.empty()) return 0;
  // The lowest alpha_cr; where none is finite, the first ultimate combination.
  const LoadSetStability* governing = nullptr;
  for (const LoadSetStability& stability : outcome.Stability) {
    const bool lower = std::isfinite(stability.CriticalFactor) &&
                       !(governing && std::isfinite(governing->CriticalFactor) &&
                         governing->CriticalFactor <= stability.CriticalFactor);
    if (governing == nullptr || lower) governing = &stability;
  }
  return governing ? governing->Combination : -1;
}

BucklingAnalysis AnalyseBuckling(ModelDocument& doc, long combination) {
  BucklingAnalysis buckling;
  buckling.Combination = combination;
  HeldResults held(doc);
  if (std::optional<ResultSet> first = FirstOrderResults(doc, combination, buckling.Outcome)) {
    const NodeTable nodes(doc);
    buckling.Critical =
        FindCriticalLoad(first->Segments, nodes, FreeNodeUnknowns(doc, nodes), true);
  }
  held.GiveBack(doc);
  return buckling;
}

} // namespace strandel
