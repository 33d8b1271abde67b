#pragma once
// The parameters a report template may name: fifteen lists (beam, support, node,
// distributed load, point force, point moment, load case, combination, unit,
// dimensioning, model, result, balance, document and environment parameters),
// each name with the function that writes its value for the current model. A
// line naming a parameter of one of the first eight lists is repeated for every
// object, load case or combination of that kind.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "analysis/analysis_outcome.h"
#include "analysis/beam_curves.h"
#include "model/app_settings.h"
#include "model/document.h"
#include "sections/section_context.h"

namespace strandel {

struct CaseAnalysis;

enum class ParameterList {
  Beam,
  Support,
  Unit,
  Dimensioning,
  Model,
  Document,
  Environment,
  Node,
  Load,
  Force,
  Moment,
  Balance,
  LoadCase,    // repeated for every load case of the document
  Combination, // repeated for every combination
  Result,      // the result shown, the numbers of cases and combinations
};

// Whether a line naming a parameter of the list is repeated for every object
// of one kind (beam, support, node, distributed load, point force, point
// moment), every load case or every combination.
bool RepeatsPerObject(ParameterList list);

// What a report says about when and by whom it was made.
struct ReportEnvironment {
  std::string CurrentDate; // "yyyy-MM-dd"
  std::string CurrentUser; // "?" when the login name cannot be read
  std::string Version;     // the program's version text
};
// Today, the login name and this program's version.
ReportEnvironment CurrentReportEnvironment();

// Everything a report is made from. The results are those the analysis left in
// the document; while they are not valid every result reads 0.
struct ReportSources {
  const ModelDocument& Doc;
  const AppSettings& Settings; // display units and the force and moment thresholds
  std::string DocumentFolder;  // the folder of the document's file, ends in "/"
  ReportEnvironment Environment = CurrentReportEnvironment();
  // The analysis of every load case of a document with cases, of this
  // document; null without one. It gives each combination's utilisation and
  // each beam's governing combination; without it those read 0 and empty.
  const CaseAnalysis* Cases = nullptr;
  // alpha_cr of the ultimate load sets, as the analysis found them; null
  // without (a document with cases then reads them from Cases).
  const std::vector<LoadSetStability>* Stability = nullptr;
  // Every beam's highest utilisation and largest displacement, worked out the
  // first time a beam's is asked for (BeamPeakOf).
  mutable std::optional<std::unordered_map<long, BeamPeak>> Peaks{};
};

// The beam's peaks in the analysed document of `sources`.
BeamPeak BeamPeakOf(const ReportSources& sources, long beamNumber);

// What one value is asked about: the beam, support, node, load, force,
// moment, load case or combination of the line being repeated, if any. Asking
// never changes the model.
struct ParameterScope {
  const ReportSources& Sources;
  SectionContext& Context;
  const TBeamObject* Beam = nullptr;
  const TSupportObject* Support = nullptr;
  const TNodeObject* Node = nullptr;
  const TLoadObject* Load = nullptr;
  const TForceObject* Force = nullptr;
  const TMomentObject* Moment = nullptr;
  const TLoadCase* Case = nullptr;
  const TCombination* Combination = nullptr;
};

struct ReportParameter {
  const char* Name; // as template authors write it, "Beam_Length"
  ParameterList List;
  // The value as it goes into the field: display units, FormatValue form
  // without its blanks, thresholds applied.
  std::string (*Value)(ParameterScope& scope);
};

// The parameters of one list, in the order template authors find them listed.
const std::vector<ReportParameter>& ParametersOf(ParameterList list);

// The parameter of that name in any list, without regard to letter case; null
// when there is none.
const ReportParameter* FindReportParameter(std::string_view name);

// Value forms shared by the lists: a quantity in its display unit, a pure
// number, and a result that is written " 0" unless its magnitude is greater
// than the threshold (N or Nm).
std::string ShownParameterValue(const ParameterScope& scope, Quantity quantity, double value);
std::string PlainParameterValue(double value);
std::string ThresholdParameterValue(const ParameterScope& scope, Quantity quantity, double value,
                                    double threshold);
// A utilisation (a fraction) in whole percent; an undefined one as the number
// form writes it.
std::string PercentParameterValue(double fraction);
// The number of the load case an object belongs to; empty in a document
// without cases, whose loads are one load set.
std::string CaseParameterValue(const ParameterScope& scope, long caseNumber);

} // namespace strandel
