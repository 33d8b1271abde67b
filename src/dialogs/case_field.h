#pragma once
// The "Load case" choice of the load, force, moment and support dialogs: the
// document's cases, and the one the object belongs to. A document without
// cases shows no choice.

#include <cstdint>
#include <string>
#include <vector>

#include "model/document.h"

namespace strandel {

struct CaseField {
  std::string Label;                // "Load case"
  std::vector<std::uint16_t> Cases; // the numbers to choose from
  std::vector<std::string> Texts;   // "2: Snow", in the same order
  std::uint16_t Chosen = 1;

  bool Shown() const { return !Cases.empty(); }
  int ChosenIndex() const;
};

// The choice for an object of case `current`. A case the document does not
// have (a damaged file) stays in the list under its number, so OK keeps it.
CaseField OpenCaseField(const ModelDocument& doc, std::uint16_t current);

// "2: Snow".
std::string CaseEntryText(const TLoadCase& loadCase);

} // namespace strandel
