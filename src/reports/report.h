#pragma once
// Expanding a report template: every template line is copied to the report with
// its parameters replaced by values of the model; a line naming beam parameters
// is repeated for every beam, one naming support parameters for every support,
// and so for nodes, distributed loads, point forces and point moments, in the
// order of the model's object list, and for load cases and combinations in the
// order of the document's lists. A line the report cannot expand is
// replaced by a message beginning "Error:", and the rest is still produced.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "reports/report_parameters.h"

namespace strandel {

enum class ReportLineKind : int {
  Error = 0,          // the line has been replaced by its message
  Plain = 1,          // expanded once
  PerBeam = 2,        // expanded once for every beam
  PerSupport = 3,     // expanded once for every support
  PerNode = 4,        // expanded once for every node
  PerLoad = 5,        // expanded once for every distributed load
  PerForce = 6,       // expanded once for every point force
  PerMoment = 7,      // expanded once for every point moment
  PerCase = 8,        // expanded once for every load case
  PerCombination = 9, // expanded once for every load combination
};

// Classifies the line, replacing it by the message when it cannot be expanded:
// a parameter without a name, a name in none of the lists, a width that is not
// a whole number up to kMaxFieldWidth (first offending parameter from the left),
// or parameters of two repeating kinds (beam and support, node and force, ...)
// mixed on one line.
ReportLineKind LineKind(std::string& line);

// The object a line is expanded for, or none.
using ReportObject = std::variant<std::monostate, const TBeamObject*, const TSupportObject*,
                                  const TNodeObject*, const TLoadObject*, const TForceObject*,
                                  const TMomentObject*, const TLoadCase*, const TCombination*>;

// One report line: literal text as it is, every parameter's value set in its
// field. A parameter of a repeating kind without its kind of object, and a name
// that is in no list, give an empty value (a field of blanks). A width that is
// not a whole number gives no field: LineKind stops such lines first.
std::string ExpandLine(std::string_view line, const ReportSources& sources,
                       ReportObject object = {}, SectionContext* context = nullptr);

// The report of the template's lines. Notes the section values raise (a
// vanishing area) go to `context` when one is given.
std::vector<std::string> BuildReport(const std::vector<std::string>& templateLines,
                                     const ReportSources& sources,
                                     SectionContext* context = nullptr);

} // namespace strandel
