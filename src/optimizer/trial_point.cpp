#include "optimizer/trial_point.h"

#include <cmath>

#include "analysis/solver.h"
#include "model/node_move.h"
#include "model/position_on_beam.h"
#include "optimizer/objective.h"

namespace strandel {

bool ApplyPoint(ModelDocument& doc, const Selection& selection, const TVector* point,
                UserMessages& messages) {
  const int n = static_cast<int>(selection.size());
  auto valueOf = [&](int i) { return point ? (*point)[i] : selection[i]->OrigValue; };
  for (int i = 0; i < n; ++i)
    if (!std::isfinite(valueOf(i))) return false;
  doc.ResultsValid = false;
  // The X and Y of one node are neighbours in the list: the node moves once.
  for (int i = 0; i < n;) {
    if (!selection[i]->NodeRef) return false;
    TNodeObject& node = *selection[i]->NodeRef;
    Point2 to{node.X, node.Y};
    const TBeamObject* host = nullptr;
    for (; i < n && selection[i]->NodeRef == &node; ++i) {
      const TVarItem& item = *selection[i];
      const double value = valueOf(i);
      if (item.Kind() == 'X') {
        to.X = value;
      } else if (item.Kind() == 'Y') {
        to.Y = value;
      } else if (item.BeamRef) {
        node.PositionOnBeam = value;
        host = item.BeamRef;
      }
    }
    if (host) to = PointOnBeam(*host, node.PositionOnBeam);
    if (!MoveNode(doc, node.Number, to, messages)) return false;
  }
  return true;
}

TrialValue EvaluateTrialPoint(ModelDocument& doc, const Selection& selection, const TVector& point,
                              int objective, UserMessages& messages) {
  if (!ApplyPoint(doc, selection, &point, messages)) return {};
  const ObjectiveAnalysis analysed = AnalyseObjective(doc, objective);
  const TrialScore score = analysed.Outcome.Ok() ? TrialScore{true, analysed.Value}
                                                 : TrialObjective(doc, analysed.Outcome, objective);
  // An infinite utilisation (a force meeting no capacity) still ranks among the
  // solved points; an undefined one cannot be ranked at all.
  if (std::isnan(score.Value)) return {};
  return {true, score.Solved, score.Value};
}

} // namespace strandel
