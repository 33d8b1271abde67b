#pragma once
// Beyond first order: the frame's response to a load set with the equilibrium
// taken on the displaced frame (P-delta, and P-small-delta within each stretch
// through its pieces, refined_frame.h), and the elastic critical load factor
// alpha_cr, the factor on the load set at which the frame buckles. Both start
// from a first-order analysis of the same loads, whose axial forces they take.
//
// Superposition does not hold beyond first order: each load set, a load
// combination or a document's single set of loads, is solved on its own.

#include <array>
#include <limits>
#include <vector>

#include "analysis/analysis_outcome.h"
#include "analysis/node_table.h"
#include "analysis/refined_frame.h"
#include "analysis/result_set.h"
#include "model/document.h"

namespace strandel {

// The iteration on the axial forces stops when the displacements change by no
// more than this part of the largest of them.
inline constexpr double kSecondOrderTolerance = 1e-9;
inline constexpr int kMostSecondOrderIterations = 100;

// Per node unknown of the frame whose stretches doc.Segments holds: whether
// it is solved for. Not when a support holds it, and not when nothing stiffens
// it (the rotation of a node where every stretch is hinged), as in the
// first-order analysis.
std::vector<char> FreeNodeUnknowns(const ModelDocument& doc, const NodeTable& nodes);

// The point loads and settlements of a load set: each case's with its factor,
// or with no factors every load once.
NodeLoadSet LoadSetAt(const ModelDocument& doc, const NodeTable& nodes,
                      const std::vector<CaseFactor>& factors);

// The buckling mode, scaled so that its largest translation is +1: per node its
// three unknowns, per stretch the x and y displacement and the turn of the
// ends of its pieces from its start to its end (at a hinged end the node's
// turn, not the stretch's).
struct BucklingMode {
  std::vector<double> Nodes;
  std::vector<std::vector<std::array<double, 3>>> Stretches;
  bool Empty() const { return Stretches.empty(); }
};

struct CriticalLoad {
  // alpha_cr; +infinity when nothing is compressed; NaN when the eigenvalue
  // did not settle.
  double Factor = std::numeric_limits<double>::quiet_NaN();
  BucklingMode Mode; // empty unless asked for and found
  int Unknowns = 0;  // of the equations it was found from, inner points included
};

// The lowest positive factor on the loads of the first-order results in
// `segments` at which K + alpha K_G is singular.
CriticalLoad FindCriticalLoad(const std::vector<TSegmentObject>& segments, const NodeTable& nodes,
                              const std::vector<char>& free, bool withMode);

enum class SecondOrderEnd { Converged, AboveCritical, NotConverged, NotFinite };

struct SecondOrderRun {
  SecondOrderEnd End = SecondOrderEnd::Converged;
  int Iterations = 0;
};

// `result` holds the first-order results of the load set whose loads are
// `loads` (its stretches carry their spread loads); it ends holding the
// second-order ones, its stretches marked so, when the run converged.
SecondOrderRun SolveSecondOrder(ResultSet& result, const ModelDocument& doc,
                                const NodeTable& nodes, const std::vector<char>& free,
                                const NodeLoadSet& loads);

// The force and moment the structure exerts on each support (in list order):
// the point loads at its node less what the stretches take from it.
std::vector<std::array<double, 6>> SupportReactions(const ModelDocument& doc,
                                                    const NodeTable& nodes,
                                                    const std::vector<TSegmentObject>& segments,
                                                    const NodeLoadSet& loads);

// What an analysis finds besides the first-order results.
struct AnalysisOptions {
  // alpha_cr of every ultimate combination or of the single load set; the
  // optimizer's trial points do without.
  bool CriticalLoads = true;
};

// The stability of one load set whose first-order results `result` holds
// (its Factors those of the combination, none for a document's single load
// set): alpha_cr when `critical`, and with `secondOrder` its second-order
// results in place of the first-order ones. False when the second-order
// analysis fails; `failure` then says why.
bool AnalyseBeyondFirstOrder(ResultSet& result, const ModelDocument& doc, const NodeTable& nodes,
                             const std::vector<char>& free, bool critical, bool secondOrder,
                             LoadSetStability& stability, AnalysisOutcome& failure);

// Whether alpha_cr asks for a second-order analysis: below 10 the sway moments
// grow by more than a tenth (EN 1993-1-1, 5.2.1).
inline constexpr double kFirstOrderCriticalFactor = 10;
inline bool NeedsSecondOrder(double criticalFactor) {
  return criticalFactor < kFirstOrderCriticalFactor;
}

} // namespace strandel
