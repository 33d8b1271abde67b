#include "sections/material.h"

#include "sections/capacity.h"

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

double DurRedFact(const TBeamObject& beam, const ModelDocument& doc) {
  if (!doc.Settings.LoadDurRed || MaterialKindOf(beam) != MaterialKind::Wood) return 1;
  const double f = beam.Ftk * 1e-6; // MPa
  double factor = 0.6;
  switch (beam.LoadDuration) {
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
  default:
    break;
  }
  return factor < 0 ? 0 : factor;
}

double Ftd(const TBeamObject& beam, const ModelDocument& doc, SectionContext*) {
  return HazRedFact(beam, doc) * beam.Ftk * DimRedFact(beam, doc) * MoistRedFact(beam, doc) *
         DurRedFact(beam, doc);
}

double Fcd(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context) {
  return HazRedFact(beam, doc) * beam.Fck * DimRedFact(beam, doc) * MoistRedFact(beam, doc) *
         DurRedFact(beam, doc) * BucklRedFact(beam, doc, context);
}

double Fmd(const TBeamObject& beam, const ModelDocument& doc, SectionContext*) {
  return HazRedFact(beam, doc) * beam.Fmk * DimRedFact(beam, doc) * MoistRedFact(beam, doc) *
         DurRedFact(beam, doc);
}

double Ed(const TBeamObject& beam, const ModelDocument& doc, SectionContext*) {
  return HazRedFact(beam, doc) * beam.Ek * DimRedFact(beam, doc) * MoistRedFact(beam, doc) *
         DurRedFact(beam, doc);
}

} // namespace strandel
