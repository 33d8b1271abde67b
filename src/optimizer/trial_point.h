#pragma once
// A trial point of the optimizer is one value per selected variable. Applying it
// moves the nodes there, through the editor's node move so beams, the nodes on
// them, loads, forces, moments and supports follow; evaluating it also analyses
// the frame and scores the objective.

#include "analysis/matrix.h"
#include "model/document.h"
#include "optimizer/variables.h"

namespace strandel {

class UserMessages;

// Moves the node of every selected variable: X and Y set its coordinates, P its
// position on its beam and so its place there. Without a point every variable
// takes its OrigValue. False when a value is not a finite number (then nothing
// moved) or a node move ran away (the nodes stand where the move stopped).
bool ApplyPoint(ModelDocument& doc, const Selection& selection, const TVector* point,
                UserMessages& messages);

struct TrialValue {
  bool Ok = false;     // false when the point could not be applied or its score is undefined
  bool Solved = false; // the frame at the point was analysed successfully
  double Value = 0;    // the objective, base units; +infinity when not solved
};

// Applies the point, analyses the frame and scores it by TrialObjective: the one
// place where a trial point becomes a value.
TrialValue EvaluateTrialPoint(ModelDocument& doc, const Selection& selection, const TVector& point,
                              int objective, UserMessages& messages);

} // namespace strandel
