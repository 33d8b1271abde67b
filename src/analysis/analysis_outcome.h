#pragma once
// How a frame analysis ended: the results themselves live in the segment list and
// the supports; this says whether they are there, and if not, why not and where
// the structure gives way, in words the batch front end prints.

#include <limits>
#include <string>
#include <vector>

namespace strandel {

enum class AnalysisFailure {
  None,
  Unstable,          // the structure can move without deforming
  ZeroLengthSegment, // two consecutive nodes along a beam coincide
  ZeroStiffness,     // a stretch with E x A = 0 has no axial stiffness to divide by
  OutOfMemory,       // the factorised stiffness or the results do not fit in memory
  NotFinite,         // a value of the model or of the solution is infinite or not a number
  LoadCases,         // a load, settlement or combination names a case that does not exist,
                     // or a combination's factor is not a number
  AboveCritical,     // second order: the loads exceed the frame's elastic critical load
  NotConverged,      // second order: the iteration on the axial forces does not settle
};

// How the frame stands under one load set beyond first order: an ultimate
// combination, or the single load set of a document without cases.
struct LoadSetStability {
  long Combination = 0; // its number; 0 for the single load set
  // alpha_cr, the factor on the loads at which the frame buckles elastically;
  // +infinity when nothing is compressed, NaN when it could not be found.
  double CriticalFactor = std::numeric_limits<double>::quiet_NaN();
  bool SecondOrder = false; // its results are second order
  int Iterations = 0;       // of the second-order analysis
};

// The freedoms of a node, in the order of its unknowns.
enum class Freedom { None = -1, X = 0, Y = 1, Rotation = 2 };

struct AnalysisOutcome {
  // False when the model has no nodes: nothing was analysed and nothing changed.
  bool Analysed = false;
  AnalysisFailure Failure = AnalysisFailure::None;
  long Node = -1; // node number where the structure can move, -1 when not known
  Freedom NodeFreedom = Freedom::None;
  long Beam = -1; // beam of a degenerate stretch, -1 when not known
  long Case = -1; // the load case whose loads the structure could not carry, -1 when not known
  // The load set whose second-order analysis failed (0 the single load set, -1
  // none) and its alpha_cr.
  long Combination = -1;
  double CriticalFactor = std::numeric_limits<double>::quiet_NaN();
  // Of every ultimate combination in list order, or of the single load set;
  // empty when not asked for.
  std::vector<LoadSetStability> Stability;
  // The three unknowns of every node, in node list order; zeros after a failure.
  std::vector<double> Displacements;
  // Notes for the user from the section values (a vanishing area), each once.
  std::vector<std::string> Notes;

  bool Ok() const { return Analysed && Failure == AnalysisFailure::None; }
};

// The stability of the load set `combination` (0 the single load set), or
// none when it was not worked out.
inline const LoadSetStability* StabilityOf(const AnalysisOutcome& outcome, long combination) {
  for (const LoadSetStability& stability : outcome.Stability)
    if (stability.Combination == combination) return &stability;
  return nullptr;
}

// "unstable", "zero-length segment", "zero stiffness", "out of memory", "not
// finite", "load cases", "above critical load", "not converged"; empty for None.
const char* FailureReason(AnalysisFailure failure);
// "x", "y", "rotation"; empty for None.
const char* FreedomName(Freedom freedom);

} // namespace strandel
