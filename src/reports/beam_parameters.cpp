// The 57 beam parameters: identity, geometry, material and profile of the beam,
// its design values and capacities, and what the analysis found for it.

#include <cmath>

#include "analysis/beam_curves.h"
#include "analysis/load_case_analysis.h"
#include "common/text.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "reports/parameter_lists.h"
#include "sections/capacity.h"
#include "sections/material.h"
#include "sections/material_kind.h"
#include "sections/profile.h"

namespace strandel {
namespace {

using SectionValue = double (*)(const TBeamObject&, const ModelDocument&, SectionContext*);
using MaterialFactor = double (*)(const TBeamObject&, const ModelDocument&);

// A section, design or capacity value of the beam in the display unit of Q.
template <SectionValue Value, Quantity Q> std::string Section(ParameterScope& scope) {
  return ShownParameterValue(scope, Q, Value(*scope.Beam, scope.Sources.Doc, &scope.Context));
}

// A value of no unit: slenderness, reduction factors.
template <SectionValue Value> std::string Pure(ParameterScope& scope) {
  return PlainParameterValue(Value(*scope.Beam, scope.Sources.Doc, &scope.Context));
}
template <MaterialFactor Factor> std::string PureFactor(ParameterScope& scope) {
  return PlainParameterValue(Factor(*scope.Beam, scope.Sources.Doc));
}

// A stored field of the beam in the display unit of Q.
template <double TBeamObject::*Field, Quantity Q> std::string Stored(ParameterScope& scope) {
  return ShownParameterValue(scope, Q, (*scope.Beam).*Field);
}

// A profile dimension as the section values use it, clamped to what the profile
// allows; blank for the shapes that have no such dimension.
template <double ProfileSize::*Field, bool (*Applies)(int shape)>
std::string Dimension(ParameterScope& scope) {
  if (!Applies(scope.Beam->ShapeNo)) return {};
  return ShownParameterValue(scope, Quantity::Displacement, NormalisedSize(*scope.Beam).*Field);
}
bool EveryShape(int) {
  return true;
}
// Solid and hollow circles are given by their diameter alone.
bool HasWidth(int shape) {
  return shape != kCircularMassive && shape != kCircularTube;
}
bool HasWallOrWeb(int shape) {
  return shape != kRectangularMassive && shape != kCircularMassive;
}
// Only I, H and U profiles have a flange of a thickness of its own.
bool HasOwnFlange(int shape) {
  return shape == kIProfile || shape == kHProfile || shape == kUProfile;
}

// Texts, with line breaks of a description joined by a blank so that a report
// line stays one line.
std::string OneLineText(const std::string& text) {
  return ReplaceAll(ReplaceAll(ReplaceAll(text, "\r\n", " "), "\r", " "), "\n", " ");
}
template <std::string TBeamObject::*Field> std::string Text(ParameterScope& scope) {
  return OneLineText((*scope.Beam).*Field);
}

// The stretches of the beam the analysis left, first and last along the beam;
// null while the results are not valid.
const TSegmentObject* EndSegment(const ParameterScope& scope, bool stop) {
  const ModelDocument& doc = scope.Sources.Doc;
  if (!doc.ResultsValid) return nullptr;
  const TSegmentObject* found = nullptr;
  for (const TSegmentObject& segment : doc.Segments) {
    if (segment.BeamNo != scope.Beam->Number) continue;
    found = &segment;
    if (!stop) break;
  }
  return found;
}

// A force or moment the node at the start or stop exerts on the beam, in the
// beam's own axes as the beam page shows them: x along the beam from its start
// node, y across it, the moment counter-clockwise.
template <bool Stop, int Component> std::string EndForce(ParameterScope& scope) {
  const TSegmentObject* segment = EndSegment(scope, Stop);
  const double value = segment ? segment->ForceL[(Stop ? 3 : 0) + Component] : 0.0;
  const AppSettings& settings = scope.Sources.Settings;
  if (Component == 2)
    return ThresholdParameterValue(scope, Quantity::Moment, value, settings.MinMomentValue);
  return ThresholdParameterValue(scope, Quantity::Force, value, settings.MinForceValue);
}

std::string Number(ParameterScope& scope) {
  return std::to_string(scope.Beam->Number);
}

std::string Braced(ParameterScope& scope) {
  return Translated(scope.Beam->Braced ? tr::kChoiceYes : tr::kChoiceNo);
}

std::string Displacement(ParameterScope& scope) {
  const ModelDocument& doc = scope.Sources.Doc;
  const double value =
      doc.ResultsValid ? BeamPeakOf(scope.Sources, scope.Beam->Number).MaxDisplacement : 0.0;
  return ShownParameterValue(scope, Quantity::Displacement, value);
}

// The highest utilisation of the beam in whole percent.
std::string UtilisationPercent(ParameterScope& scope) {
  const ModelDocument& doc = scope.Sources.Doc;
  return PercentParameterValue(
      doc.ResultsValid ? BeamPeakOf(scope.Sources, scope.Beam->Number).Utilisation : 0.0);
}

// The beam over the ultimate combinations: its highest utilisation and the
// combination that gives it; null without an analysis of load cases that has
// ultimate combinations.
const BeamEnvelope* UltimateEnvelope(const ParameterScope& scope) {
  const CaseAnalysis* analysis = scope.Sources.Cases;
  if (analysis == nullptr || !analysis->Ok()) return nullptr;
  const KindEnvelope& envelope = analysis->Envelope(CombinationKind::Ultimate);
  if (!envelope.Present) return nullptr;
  for (const BeamEnvelope& beam : envelope.Beams)
    if (beam.Number == scope.Beam->Number) return &beam;
  return nullptr;
}

std::string GoverningCombinationNumber(ParameterScope& scope) {
  const BeamEnvelope* beam = UltimateEnvelope(scope);
  return beam ? std::to_string(beam->UtilisationGoverning) : std::string();
}

std::string GoverningUtilisation(ParameterScope& scope) {
  const BeamEnvelope* beam = UltimateEnvelope(scope);
  return beam ? PercentParameterValue(beam->Utilisation) : std::string();
}

std::string Hardenable(ParameterScope& scope) {
  return BoolText(scope.Beam->HardenAble);
}

// The reductions in words: which case of the rule applies, or that the rule is
// switched off for the document.
std::string HazardText(ParameterScope& scope) {
  if (!scope.Sources.Doc.Settings.FailHazRed) return Translated(tr::kReportReductionNeglected);
  const int safetyClass = scope.Beam->SafetyClass;
  return Translated(safetyClass == 0   ? tr::kChoiceLow
                    : safetyClass == 1 ? tr::kChoiceNormal
                                       : tr::kChoiceHigh);
}

std::string DimensionControlText(ParameterScope& scope) {
  if (!scope.Sources.Doc.Settings.DimUncertRed) return Translated(tr::kReportReductionNeglected);
  return Translated(scope.Beam->DimControl == 1 ? tr::kChoiceHigh : tr::kChoiceNormal);
}

// Moisture and load duration weaken timber only; other materials say nothing.
std::string MoistureText(ParameterScope& scope) {
  if (MaterialKindOf(*scope.Beam) != MaterialKind::Wood) return {};
  if (!scope.Sources.Doc.Settings.AirMoistRed) return Translated(tr::kReportReductionNeglected);
  const int zone = scope.Beam->ClimateZone;
  return Translated(tr::kReportClimateZone0 + (zone > 3 ? 3 : zone));
}

std::string DurationText(ParameterScope& scope) {
  if (MaterialKindOf(*scope.Beam) != MaterialKind::Wood) return {};
  if (!scope.Sources.Doc.Settings.LoadDurRed) return Translated(tr::kReportReductionNeglected);
  const int duration = scope.Beam->LoadDuration;
  return Translated(tr::kReportLoadDurationPermanent + (duration > 3 ? 0 : duration));
}

} // namespace

const std::vector<ReportParameter>& BeamParameters() {
  using Q = Quantity;
  using B = TBeamObject;
  constexpr ParameterList L = ParameterList::Beam;
  static const std::vector<ReportParameter> parameters = {
      {"BeamNo", L, &Number},
      {"Beam_Group", L, &Text<&B::BeamGroup>},
      {"Beam_Length", L, &Section<&Length, Q::Length>},
      {"Beam_Angle", L, &Section<&Angle, Q::Angle>},
      {"Beam_Mass", L, &Section<&Mass, Q::Mass>},
      {"Beam_Rtd", L, &Section<&Rtd, Q::Force>},
      {"Beam_Rcd", L, &Section<&Rcd, Q::Force>},
      {"Beam_Md", L, &Section<&Md, Q::Moment>},
      {"Beam_Braced", L, &Braced},
      {"Beam_Lambda", L, &Pure<&Lambda>},
      {"Beam_Displ", L, &Displacement},
      {"Beam_Util", L, &UtilisationPercent},
      {"Beam_Governing", L, &GoverningCombinationNumber},
      {"Beam_GoverningUtil", L, &GoverningUtilisation},
      {"Beam_Rm1", L, &EndForce<false, 2>},
      {"Beam_Rm2", L, &EndForce<true, 2>},
      {"Beam_Rx1", L, &EndForce<false, 0>},
      {"Beam_Rx2", L, &EndForce<true, 0>},
      {"Beam_Ry1", L, &EndForce<false, 1>},
      {"Beam_Ry2", L, &EndForce<true, 1>},
      {"Mtrl_Name", L, &Text<&B::MtrlName>},
      {"Mtrl_Type", L, &Text<&B::MtrlType>},
      {"Mtrl_Desc", L, &Text<&B::MtrlDesc>},
      {"Mtrl_HardAbl", L, &Hardenable},
      {"Mtrl_Ftk", L, &Stored<&B::Ftk, Q::Stress>},
      {"Mtrl_Fck", L, &Stored<&B::Fck, Q::Stress>},
      {"Mtrl_Fmk", L, &Stored<&B::Fmk, Q::Stress>},
      {"Mtrl_Ek", L, &Stored<&B::Ek, Q::Stress>},
      {"Mtrl_Dens", L, &Stored<&B::Dens, Q::Density>},
      {"Mtrl_Ftd", L, &Section<&Ftd, Q::Stress>},
      {"Mtrl_Fcd", L, &Section<&Fcd, Q::Stress>},
      {"Mtrl_Fmd", L, &Section<&Fmd, Q::Stress>},
      {"Mtrl_Ed", L, &Section<&Ed, Q::Stress>},
      {"Prof_Name", L, &Text<&B::ProfName>},
      {"Prof_H", L, &Dimension<&ProfileSize::H, &EveryShape>},
      {"Prof_B", L, &Dimension<&ProfileSize::B, &HasWidth>},
      {"Prof_Tl", L, &Dimension<&ProfileSize::TL, &HasWallOrWeb>},
      {"Prof_Tf", L, &Dimension<&ProfileSize::TF, &HasOwnFlange>},
      {"Prof_Iy", L, &Section<&Iy, Q::MomentOfInertia>},
      {"Prof_Ix", L, &Section<&Ix, Q::MomentOfInertia>},
      {"Prof_Iyred", L, &Section<&IyRed, Q::MomentOfInertia>},
      {"Prof_Ixred", L, &Section<&IxRed, Q::MomentOfInertia>},
      {"Prof_Imin", L, &Section<&Imin, Q::MomentOfInertia>},
      {"Prof_A", L, &Section<&A, Q::Area>},
      {"Prof_Aeff", L, &Section<&Aeff, Q::Area>},
      {"Prof_SectMod", L, &Section<&SectMod, Q::SectionModulus>},
      {"Prof_Ebott", L, &Section<&Ebott, Q::Displacement>},
      {"Prof_Etop", L, &Section<&Etop, Q::Displacement>},
      {"Beam_BucklRedFact", L, &Pure<&BucklRedFact>},
      {"Beam_HazRedFact", L, &PureFactor<&HazRedFact>},
      {"Beam_DimRedFact", L, &PureFactor<&DimRedFact>},
      {"Beam_MoistRedFact", L, &PureFactor<&MoistRedFact>},
      {"Beam_DurRedFact", L, &PureFactor<&DurRedFact>},
      {"Beam_HazRedStr", L, &HazardText},
      {"Beam_DimRedStr", L, &DimensionControlText},
      {"Beam_MoistRedStr", L, &MoistureText},
      {"Beam_DurRedStr", L, &DurationText},
  };
  return parameters;
}

} // namespace strandel
