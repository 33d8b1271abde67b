#include "optimizer/variable_lists.h"

#include "common/number_text.h"
#include "common/text.h"

namespace strandel {

std::vector<std::string> VariablesListLines(const VariableList& list) {
  std::vector<std::string> lines;
  for (const TVarItem& item : list)
    if (!item.InOptimize) lines.push_back(item.Name);
  return lines;
}

std::vector<std::string> OptimizeListLines(const VariableList& list) {
  std::vector<std::string> lines;
  for (const TVarItem& item : list)
    if (item.InOptimize) lines.push_back(OptimizeLine(item));
  return lines;
}

std::string OptimizeLine(const TVarItem& item) {
  switch (item.ConstrainType) {
  case kConstrainEqual:
    return item.Name + " =  " + item.AssocName;
  case kConstrainMirror:
    return item.Name + (item.Kind() == 'P' ? " =  1-" : " = -") + item.AssocName;
  default:
    return item.Name + " = " + FormatValue(item.LowBound * item.DispFactor) + ".." +
           std::string(Trim(FormatValue(item.HighBound * item.DispFactor))) + "\t" + item.DispUnit;
  }
}

std::string NameOfListLine(const std::string& line) {
  return line.substr(0, 6);
}

namespace {

// Nodes 1 and 1001 share their variable names; each list shows its own entry,
// so a move takes the first of that name in the list it leaves.
bool MoveFirst(VariableList& list, const std::string& name, bool select) {
  for (TVarItem& item : list) {
    if (item.Name == name && item.InOptimize != select) {
      item.InOptimize = select;
      return true;
    }
  }
  return false;
}

} // namespace

bool SelectVariableByName(VariableList& list, const std::string& name) {
  return MoveFirst(list, name, true);
}

bool DeselectVariableByName(VariableList& list, const std::string& name) {
  return MoveFirst(list, name, false);
}

bool DropVariable(VariableList& list, VariableListId from, VariableListId to,
                  const std::string& text) {
  if (from == to) return false;
  const std::string name = NameOfListLine(text);
  return to == VariableListId::Optimize ? SelectVariableByName(list, name)
                                        : DeselectVariableByName(list, name);
}

} // namespace strandel
