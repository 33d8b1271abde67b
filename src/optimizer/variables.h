#pragma once
// What the optimizer can move: one variable per free coordinate of every node
// (X and Y of a node on no beam, the position P of a node lying on a beam), the
// user's choice of the variables that take part, and the constraint of each.

#include <string>
#include <vector>

#include "model/document.h"
#include "units/units.h"

namespace strandel {

// ConstrainType of a variable.
inline constexpr int kConstrainInterval = 0; // free between LowBound and HighBound
inline constexpr int kConstrainEqual = 1;    // takes the value of AssocName
inline constexpr int kConstrainMirror = 2;   // -value (X, Y) or 1 - value (P) of AssocName

struct TVarItem {
  std::string Name;      // "N012.X": node number in three digits, then the coordinate
  std::string DispUnit;  // the length unit's name for X and Y, "[%]" for P
  std::string AssocName; // the variable an Equal or Mirror variable follows
  double LowBound = 0;   // m for X and Y, fraction for P
  double HighBound = 0;
  double OrigValue = 0;  // the coordinate when the variables were built
  double CurValue = 0;   // the best value found so far
  double DispFactor = 1; // shown units per held unit
  int ConstrainType = kConstrainInterval;
  bool InOptimize = false; // in the "Optimize :" list
  // The node it moves and, for P, the beam the node lies on. They point into the
  // document, so the variables are built again whenever the model changes.
  TNodeObject* NodeRef = nullptr;
  TBeamObject* BeamRef = nullptr;

  // 'X', 'Y' or 'P', the sixth character of the name.
  char Kind() const { return Name.size() >= 6 ? Name[5] : '\0'; }
  bool IsFree() const { return ConstrainType == kConstrainInterval; }
};

// All variables of the model in list order.
using VariableList = std::vector<TVarItem>;
// The selected variables in list order: the columns of the optimizer's points.
using Selection = std::vector<TVarItem*>;

// "N007.X"; node numbers of 1000 and more keep their last three digits (node
// 1234 gives "N234.X"), so two nodes can share a name.
std::string VariableName(long nodeNumber, char kind);

// Empties the list and creates the variables from the model, every one of type
// Interval, not selected, at its coordinate. A node on no beam gets X and Y with
// a margin of 0.3 x 0.7071135624381276 x its shortest beam on either side (none
// without a beam); a node on a beam gets P with 0.3 x the distance to the nearest
// other node position on that beam, or to the beam's end.
void BuildVariables(VariableList& list, ModelDocument& doc, const UnitChoice& units);

// The first variable of that name in list order, or null.
TVarItem* FindVariable(VariableList& list, const std::string& name);
const TVarItem* FindVariable(const VariableList& list, const std::string& name);

Selection SelectedVariables(VariableList& list);
// The i-th selected variable (0-based), or null.
TVarItem* SelectedVariable(VariableList& list, int i);
// The position of the selected variable of that name among the selected, or -1.
int SelectedIndex(const VariableList& list, const std::string& name);

// n, the number of selected variables, and f, the selected Interval variables.
int SelectedCount(const VariableList& list);
int FreeCount(const VariableList& list);

} // namespace strandel
