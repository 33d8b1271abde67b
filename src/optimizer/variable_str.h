#pragma once
// The optimizer's choices as the model document keeps them ("VariableStr" of
// "Optimizer-data"): the objective and algorithm indices, then name, constraint
// type and associated name of every selected variable, all separated by ";".
// Bounds are not kept: they are worked out again from the model.

#include <string>

#include "model/document.h"
#include "optimizer/variables.h"

namespace strandel {

// The objective (0 highest utilisation, 1 highest displacement) and the algorithm
// (0 "Complex", 1 "Complex cyclic") of the optimizer dialog.
struct OptimizerChoice {
  int Objective = 0;
  int Algorithm = 0;
  friend bool operator==(const OptimizerChoice&, const OptimizerChoice&) = default;
};

// "0;1;;;;;;;;N001.X;0;;N002.X;2;N001.X". A document value is read back with at
// most 1023 characters, so only the variables that fit whole are written; the
// result says how many of the selected ones did not fit.
struct VariableStrText {
  std::string Text;
  int LeftOut = 0;
};
VariableStrText VariableStrOf(const VariableList& list, const OptimizerChoice& choice);

// Writes VariableStrOf into the document; returns the number left out.
int WriteVariableStr(ModelDocument& doc, const VariableList& list, const OptimizerChoice& choice);

// Selects the variables the text names (unknown names are skipped), sets their
// type and associated name where the text gives them, and returns the objective
// and algorithm (0 when missing). A type that is not 0, 1 or 2 reads as Interval.
// Variables the text does not name are left as they are.
OptimizerChoice ReadVariableStr(const std::string& text, VariableList& list);
inline OptimizerChoice ReadVariableStr(const ModelDocument& doc, VariableList& list) {
  return ReadVariableStr(doc.Settings.VariableStr, list);
}

} // namespace strandel
