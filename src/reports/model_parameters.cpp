// The parameters of the whole model: the dimensioning rules in force, totals
// and counts of the model, the document's history, and when, by whom and with
// which program the report was made.

#include <algorithm>
#include <cmath>

#include "common/files.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "reports/parameter_lists.h"
#include "reports/stability_parameters.h"
#include "sections/profile.h"

namespace strandel {
namespace {

template <bool DocumentSettings::*Rule> std::string RuleText(ParameterScope& scope) {
  return Translated(scope.Sources.Doc.Settings.*Rule ? tr::kReportSwitchOn : tr::kReportSwitchOff);
}

std::string OwnWeightText(ParameterScope& scope) {
  return Translated(scope.Sources.Doc.Settings.OwnWeight ? tr::kReportOwnWeightOn
                                                         : tr::kReportOwnWeightOff);
}

// The sum of a value over every beam.
template <double (*Value)(const TBeamObject&, const ModelDocument&, SectionContext*), Quantity Q>
std::string BeamTotal(ParameterScope& scope) {
  double total = 0;
  for (const TBeamObject& beam : ObjectsOf<TBeamObject>(scope.Sources.Doc))
    total += Value(beam, scope.Sources.Doc, &scope.Context);
  return ShownParameterValue(scope, Q, total);
}

template <class T> std::string CountOf(ParameterScope& scope) {
  long count = 0;
  for (const T& object : ObjectsOf<T>(scope.Sources.Doc)) {
    (void)object;
    ++count;
  }
  return std::to_string(count);
}

// How far the nodes spread in x or y; 0 without nodes.
template <double TNodeObject::*Coordinate> std::string Extent(ParameterScope& scope) {
  bool any = false;
  double low = 0, high = 0;
  for (const TNodeObject& node : ObjectsOf<TNodeObject>(scope.Sources.Doc)) {
    const double value = node.*Coordinate;
    low = any ? std::min(low, value) : value;
    high = any ? std::max(high, value) : value;
    any = true;
  }
  return ShownParameterValue(scope, Quantity::Length, high - low);
}

std::string LongFileName(ParameterScope& scope) {
  return JoinPath(scope.Sources.DocumentFolder, scope.Sources.Doc.FileName);
}

template <std::string ModelDocument::*Field> std::string History(ParameterScope& scope) {
  return scope.Sources.Doc.*Field;
}

template <std::string ReportEnvironment::*Field> std::string Environment(ParameterScope& scope) {
  return scope.Sources.Environment.*Field;
}

} // namespace

const std::vector<ReportParameter>& DimensioningParameters() {
  using D = DocumentSettings;
  constexpr ParameterList L = ParameterList::Dimensioning;
  static const std::vector<ReportParameter> parameters = {
      {"Dim_HazRedStr", L, &RuleText<&D::FailHazRed>},
      {"Dim_DimRedStr", L, &RuleText<&D::DimUncertRed>},
      {"Dim_LatBucRedStr", L, &RuleText<&D::LatBuckRed>},
      {"Dim_LocBucRedStr", L, &RuleText<&D::LocBuckRed>},
      {"Dim_DurRedStr", L, &RuleText<&D::LoadDurRed>},
      {"Dim_MoistRedStr", L, &RuleText<&D::AirMoistRed>},
      {"Dim_OwnWeightStr", L, &OwnWeightText},
      {"Dim_SecondOrderStr", L, &SecondOrderRuleText},
  };
  return parameters;
}

const std::vector<ReportParameter>& ModelParameters() {
  constexpr ParameterList L = ParameterList::Model;
  static const std::vector<ReportParameter> parameters = {
      {"Mdl_TotalBeamLength", L, &BeamTotal<&Length, Quantity::Length>},
      {"Mdl_TotalBeamMass", L, &BeamTotal<&Mass, Quantity::Mass>},
      {"Mdl_NoOfNodes", L, &CountOf<TNodeObject>},
      {"Mdl_NoOfBeams", L, &CountOf<TBeamObject>},
      {"Mdl_NoOfSupports", L, &CountOf<TSupportObject>},
      {"Mdl_NoOfForces", L, &CountOf<TForceObject>},
      {"Mdl_NoOfMoments", L, &CountOf<TMomentObject>},
      {"Mdl_NoOfLoads", L, &CountOf<TLoadObject>},
      {"Mdl_TotalWidth", L, &Extent<&TNodeObject::X>},
      {"Mdl_TotalHeight", L, &Extent<&TNodeObject::Y>},
  };
  return parameters;
}

const std::vector<ReportParameter>& DocumentParameters() {
  using D = ModelDocument;
  constexpr ParameterList L = ParameterList::Document;
  static const std::vector<ReportParameter> parameters = {
      {"Doc_LongFileName", L, &LongFileName},
      {"Doc_ShortFileName", L, &History<&D::FileName>},
      {"Doc_LastModDate", L, &History<&D::LastModDate>},
      {"Doc_LastModByUser", L, &History<&D::LastModByUser>},
      {"Doc_CreatedDate", L, &History<&D::CreatedDate>},
      {"Doc_CreatedByUser", L, &History<&D::CreatedByUser>},
      {"Doc_CreationVersion", L, &History<&D::CreationVersion>},
  };
  return parameters;
}

const std::vector<ReportParameter>& EnvironmentParameters() {
  using E = ReportEnvironment;
  constexpr ParameterList L = ParameterList::Environment;
  static const std::vector<ReportParameter> parameters = {
      {"Env_CurrentDate", L, &Environment<&E::CurrentDate>},
      {"Env_CurrentUser", L, &Environment<&E::CurrentUser>},
      {"Env_CurrentVersion", L, &Environment<&E::Version>},
  };
  return parameters;
}

} // namespace strandel
