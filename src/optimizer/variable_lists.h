#pragma once
// The two lists of the optimizer dialog: "Variables :" (the variables not
// chosen) and "Optimize :" (one line per chosen variable with its constraint),
// and the rules by which a variable moves between them.

#include <string>
#include <vector>

#include "optimizer/variables.h"

namespace strandel {

enum class VariableListId { Variables, Optimize };

// The names of the variables not selected, in list order.
std::vector<std::string> VariablesListLines(const VariableList& list);

// One line per selected variable: "N001.X =  250..350<tab>[cm]" for an interval
// (bounds in the shown unit), "N002.X =  N001.X" for Equal, "N002.X = -N001.X"
// for a mirrored coordinate and "N003.P =  1-N004.P" for a mirrored position.
std::vector<std::string> OptimizeListLines(const VariableList& list);
std::string OptimizeLine(const TVarItem& item);

// The variable a line of either list stands for: its first six characters.
std::string NameOfListLine(const std::string& line);

// A drop of `text` dragged from one list onto the other: from "Variables :" onto
// "Optimize :" selects the variable, the other way deselects it; a drop onto the
// list it came from does nothing. True when a variable moved.
bool DropVariable(VariableList& list, VariableListId from, VariableListId to,
                  const std::string& text);
// Selects (deselects) the variable of that name; true when it moved.
bool SelectVariableByName(VariableList& list, const std::string& name);
bool DeselectVariableByName(VariableList& list, const std::string& name);

} // namespace strandel
