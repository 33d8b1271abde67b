#include "sections/material.h"

#include "sections/capacity.h"
#include "sections/section_context.h"

namespace strandel {
namespace {

bool IsMetal(MaterialKind kind) {
  return kind == MaterialKind::Steel || kind == MaterialKind::Aluminium;
}

} // namespace

double HazRedFact(const TBeamObject& beam, const ModelDocument& doc) {
  // A material of no known kind is taken at its characteristic values.
  if (!doc.Settings.FailHazRed || MaterialKindOf(beam) == MaterialKind::Other) return 1;
  const double gamma = beam.SafetyClass == 0 ? 1.0 : beam.SafetyClass == 1 ? 1.1 : 1.2;
  return 1 / gamma;
}

double DimRedFact(const TBeamObject& beam, const ModelDocument& doc) {
  if (!doc.Settings.DimUncertRed) return 1;
  const MaterialKind kind = MaterialKindOf(beam);
  const bool controlled = beam.DimControl == 1;
  if (kind == MaterialKind::Wood) return 1 / (controlled ? 1.15 : 1.25);
  if (IsMetal(kind)) return 1 / (controlled ? 1.0 : 1.1);
  return 1;
}

double MoistRedFact(const TBeamObject& beam, const ModelDocument& doc) {
  if (!doc.Settings.AirMoistRed) return 1;
  if (MaterialKindOf(beam) == MaterialKind::Wood && beam.ClimateZone >= 3) return 0.85;
  return 1;
}

namespace {

// Only a load combination's class can be instantaneous: a beam's own choice of
// 4, which no dialog offers, keeps the 0.6 it has always had.
constexpr int kInstantaneousDuration = -1;

// The reduction of timber for a load duration: the beam's own choice (0..3,
// any other index taken as 0.6) or a combination's class.
double DurationReduction(const TBeamObject& beam, const ModelDocument& doc, int duration) {
  if (!doc.Settings.LoadDurRed || MaterialKindOf(beam) != MaterialKind::Wood) return 1;
  const double f = beam.Ftk * 1e-6; // MPa
  double factor = 0.6;
  switch (duration) {
  case 0:
  case 1:
    factor = 0.858 - 0.011 * f;
    break;
  case 2:
    factor = 1.008 - 0.011 * f;
    break;
  case 3:
    factor = 1.127 - 0.011 * f;
    break;
  case kInstantaneousDuration:
    // Timber takes a load of an instant better than a short one, by the ratio
    // of their modification factors for solid timber and glulam, 1.10 / 0.90.
    factor = (1.127 - 0.011 * f) * 1.10 / 0.90;
    break;
  default:
    break;
  }
  return factor < 0 ? 0 : factor;
}

double DurationFactor(const TBeamObject& beam, const ModelDocument& doc,
                      const SectionContext* context) {
  if (context == nullptr || !context->Duration()) return DurRedFact(beam, doc);
  const DurationClass duration = *context->Duration();
  return DurationReduction(beam, doc,
                           duration == DurationClass::Instantaneous ? kInstantaneousDuration
                                                                    : static_cast<int>(duration));
}

} // namespace

double DurRedFact(const TBeamObject& beam, const ModelDocument& doc) {
  return DurationReduction(beam, doc, beam.LoadDuration);
}

double Ftd(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context) {
  return HazRedFact(beam, doc) * beam.Ftk * DimRedFact(beam, doc) * MoistRedFact(beam, doc) *
         DurationFactor(beam, doc, context);
}

double Fcd(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context) {
  return HazRedFact(beam, doc) * beam.Fck * DimRedFact(beam, doc) * MoistRedFact(beam, doc) *
         DurationFactor(beam, doc, context) * BucklRedFact(beam, doc, context);
}

double Fmd(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context) {
  return HazRedFact(beam, doc) * beam.Fmk * DimRedFact(beam, doc) * MoistRedFact(beam, doc) *
         DurationFactor(beam, doc, context);
}

double Ed(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context) {
  return HazRedFact(beam, doc) * beam.Ek * DimRedFact(beam, doc) * MoistRedFact(beam, doc) *
         DurationFactor(beam, doc, context);
}

} // namespace strandel
