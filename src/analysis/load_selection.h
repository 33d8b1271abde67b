#pragma once
// Which loads one solve takes: those of one load case, or every load of a
// document without load cases. The stiffness is the same for every selection.

#include "model/document.h"

namespace strandel {

struct LoadSelection {
  long Case = 0;         // 0: every load, whatever case it names
  bool OwnWeight = true; // the beams' own weight acts
  bool Takes(long loadCase) const { return Case == 0 || loadCase == Case; }
};

// Every load of the document, its own weight as its switch says.
inline LoadSelection EveryLoad(const ModelDocument& doc) {
  return {0, doc.Settings.OwnWeight};
}

// The loads of one case; the own weight acts in the case that carries it.
inline LoadSelection CaseLoads(const ModelDocument& doc, const TLoadCase& loadCase) {
  return {loadCase.Number, doc.Settings.OwnWeight && loadCase.SelfWeight};
}

} // namespace strandel
