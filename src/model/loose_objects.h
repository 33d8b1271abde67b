#pragma once
// Loads, forces and moments whose beam or node does not exist. The analysis has
// nothing to apply them to and leaves them out; the user hears which they are
// when the document is read, so a load never goes missing without a word.

#include <string>
#include <vector>

#include "model/document.h"

namespace strandel {

struct LooseObject {
  ObjectKind Kind = ObjectKind::Load; // Load, Force or Moment
  long Number = 0;
  long Host = 0;    // the beam (load) or node (force, moment) it names
  double Value = 0; // N/m, N or Nm
  // Whether leaving it out changes what the structure carries: any value but 0.
  bool Carries() const { return Value != 0; }
};

// In list order.
std::vector<LooseObject> LooseObjects(const ModelDocument& doc);

// "These objects refer to a beam or node that does not exist, and the analysis
// leaves them out: load 2 on beam 9, force 1 at node 12." in the chosen
// language; the first ten are named. Empty when there are none.
std::string LooseObjectsText(const std::vector<LooseObject>& loose);

} // namespace strandel
