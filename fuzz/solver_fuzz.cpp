// Fuzz target of the frame analysis on small models made from the input bytes:
// up to a dozen nodes, beams, supports and loads whose numbers may name nothing,
// nodes lying on beams at any position, hinges, rollers in every direction,
// prescribed displacements, sections and stiffnesses from ordinary to absurd.
// Besides crashes, hangs and sanitizer reports, a broken promise of the analysis
// stops the run:
// - a model without nodes is left as it was;
// - a run that succeeds leaves finite results in stretches of positive length,
//   and a run that fails leaves no stretches and zero displacements;
// - reactions are always finite, and the model objects are unchanged (but for the
//   profiles, which every use of the section values brings within their limits);
// - the same model analysed again gives the same results, bit for bit;
// - the beam curves can be drawn for every beam, the beam page for a beam and for
//   one that does not exist.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "analysis/beam_curves.h"
#include "analysis/beam_page.h"
#include "analysis/solver.h"
#include "model/document_file.h"
#include "sections/profile.h"

namespace {

void Require(bool promise) {
  if (!promise) __builtin_trap();
}

// The input read a byte at a time; past its end every byte is 0.
class Bytes {
public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t Next() { return at_ < size_ ? data_[at_++] : 0; }
  bool Flag() { return Next() & 1; }
  int Below(int n) { return Next() % n; }
  // Object numbers 0..11 (some naming nothing), now and then the top of the range.
  int Number() {
    const std::uint8_t b = Next();
    return b >= 250 ? 65535 : b % 12;
  }
  // Coordinates on a half-metre grid, so nodes often coincide, and a few far off.
  double Coordinate() {
    const std::uint8_t b = Next();
    if (b >= 248) return kFar[b - 248];
    return (b % 21 - 10) * 0.5;
  }
  // A value from an ordinary range scaled by `unit`, or one of the extremes. None
  // comes so near the largest double that a sum of a few loads overflows.
  double Value(double unit) {
    const std::uint8_t b = Next();
    if (b >= 240) return kExtremes[b - 240];
    return (b - 120) / 40.0 * unit;
  }

private:
  static constexpr double kFar[8] = {1e-9, -1e-9, 1e6, -1e6, 1e150, -1e150, 3e-300, 1e300};
  static constexpr double kExtremes[16] = {
      0,     -0.0,   1e-300, -1e-300, 1e-12,  1e12,   1e150, -1e150,
      1e300, -1e300, 5e-324, 1e250,   -1e250, 1e-200, 1e200, 2.2250738585072014e-308};
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

void AddBeam(strandel::ModelDocument& doc, Bytes& in, int number) {
  using namespace strandel;
  TBeamObject& beam = AppendObject<TBeamObject>(doc);
  beam.Number = static_cast<std::uint16_t>(number);
  beam.Node1 = static_cast<std::uint16_t>(in.Number());
  beam.Node2 = static_cast<std::uint16_t>(in.Number());
  beam.Locked1 = in.Flag();
  beam.Locked2 = in.Flag();
  beam.Braced = in.Flag();
  if (const TNodeObject* n = FindNode(doc, beam.Node1)) beam.X1 = n->X, beam.Y1 = n->Y;
  if (const TNodeObject* n = FindNode(doc, beam.Node2)) beam.X2 = n->X, beam.Y2 = n->Y;
  static const char* const kTypes[] = {"STEEL", "WOOD", "ALUMINIUM", "wood"};
  beam.MtrlType = kTypes[in.Below(4)];
  beam.Ek = in.Flag() ? 2.1e11 : in.Value(1e11);
  beam.Ftk = beam.Fck = beam.Fmk = in.Flag() ? 235e6 : in.Value(1e8);
  beam.Dens = in.Flag() ? 7850 : in.Value(5000);
  beam.ShapeNo = static_cast<std::uint16_t>(in.Below(12));
  beam.B = in.Flag() ? 0.1 : in.Value(0.1);
  beam.H = in.Flag() ? 0.2 : in.Value(0.2);
  beam.TL = in.Value(0.01);
  beam.TF = in.Value(0.01);
  beam.SafetyClass = static_cast<std::uint16_t>(in.Below(4));
  beam.ClimateZone = static_cast<std::uint16_t>(in.Below(5));
  beam.LoadDuration = static_cast<std::uint16_t>(in.Below(5));
  beam.Manufacture = static_cast<std::uint16_t>(in.Below(4));
  beam.DimControl = static_cast<std::uint16_t>(in.Below(3));
}

strandel::ModelDocument MakeModel(Bytes& in) {
  using namespace strandel;
  ModelDocument doc;
  const std::uint8_t switches = in.Next();
  doc.Settings.FailHazRed = switches & 1;
  doc.Settings.DimUncertRed = switches & 2;
  doc.Settings.LatBuckRed = switches & 4;
  doc.Settings.LocBuckRed = switches & 8;
  doc.Settings.LoadDurRed = switches & 16;
  doc.Settings.AirMoistRed = switches & 32;
  doc.Settings.OwnWeight = switches & 64;
  const int nodes = in.Below(13);
  for (int i = 0; i < nodes; ++i) {
    TNodeObject& node = AppendObject<TNodeObject>(doc);
    node.Number = static_cast<std::uint16_t>(in.Flag() ? i + 1 : in.Number());
    node.X = in.Coordinate();
    node.Y = in.Coordinate();
    if (in.Below(4) == 0) {
      node.HostBeam = in.Number() - 1;
      const std::uint8_t p = in.Next();
      node.PositionOnBeam = p == 255 ? std::numeric_limits<double>::quiet_NaN() : p / 160.0 - 0.3;
    }
  }
  const int beams = in.Below(13);
  for (int i = 1; i <= beams; ++i)
    AddBeam(doc, in, in.Flag() ? i : in.Number());
  const int supports = in.Below(8);
  for (int i = 1; i <= supports; ++i) {
    TSupportObject& support = AppendObject<TSupportObject>(doc);
    support.Number = static_cast<std::uint16_t>(i);
    support.NodeNo = static_cast<std::uint16_t>(in.Number());
    support.Rolled = in.Flag();
    support.Locked = in.Flag();
    support.Direction = static_cast<std::uint16_t>(in.Below(6));
    if (in.Flag()) {
      support.DX = in.Value(0.01);
      support.DY = in.Value(0.01);
      support.DRot = in.Value(0.01);
    }
  }
  const int loads = in.Below(8);
  for (int i = 1; i <= loads; ++i) {
    TLoadObject& load = AppendObject<TLoadObject>(doc);
    load.Number = static_cast<std::uint16_t>(i);
    load.HostBeam = in.Number();
    load.Node1 = in.Number();
    load.Node2 = in.Number();
    load.X1 = in.Coordinate();
    load.Y1 = in.Coordinate();
    load.X2 = in.Coordinate();
    load.Y2 = in.Coordinate();
    load.Angle = in.Value(3);
    load.Value = in.Value(1000);
  }
  const int points = in.Below(8);
  for (int i = 1; i <= points; ++i) {
    if (in.Flag()) {
      TForceObject& force = AppendObject<TForceObject>(doc);
      force.Number = i;
      force.NodeNo = in.Number();
      force.Angle = in.Value(3);
      force.Value = in.Value(1000);
    } else {
      TMomentObject& moment = AppendObject<TMomentObject>(doc);
      moment.Number = i;
      moment.NodeNo = in.Number();
      moment.Value = in.Value(1000);
    }
  }
  return doc;
}

bool Finite(const strandel::Vector6& v) {
  for (double x : v)
    if (!std::isfinite(x)) return false;
  return true;
}

bool SameBits(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

void CheckOutcome(const strandel::ModelDocument& doc, const strandel::AnalysisOutcome& outcome) {
  using namespace strandel;
  Require(outcome.Analysed);
  Require(doc.ResultsValid == outcome.Ok());
  if (outcome.Ok()) {
    for (const TSegmentObject& segment : doc.Segments) {
      Require(segment.Length > 0 && std::isfinite(segment.Length));
      Require(Finite(segment.DispG) && Finite(segment.DispL) && Finite(segment.ForceL) &&
              Finite(segment.ForceG));
    }
    for (double u : outcome.Displacements)
      Require(std::isfinite(u));
  } else {
    Require(doc.Segments.empty());
    for (double u : outcome.Displacements)
      Require(u == 0);
  }
  for (const TSupportObject& support : ObjectsOf<TSupportObject>(doc)) {
    for (double r : support.Reactions)
      Require(std::isfinite(r));
  }
}

void CheckSameResults(const strandel::ModelDocument& a, const strandel::AnalysisOutcome& first,
                      const strandel::ModelDocument& b, const strandel::AnalysisOutcome& second) {
  using namespace strandel;
  Require(first.Failure == second.Failure && first.Node == second.Node &&
          first.Beam == second.Beam && first.NodeFreedom == second.NodeFreedom);
  Require(first.Displacements.size() == second.Displacements.size());
  for (std::size_t i = 0; i < first.Displacements.size(); ++i)
    Require(SameBits(first.Displacements[i], second.Displacements[i]));
  Require(a.Segments.size() == b.Segments.size());
  for (std::size_t s = 0; s < a.Segments.size(); ++s) {
    for (int i = 0; i < 6; ++i) {
      Require(SameBits(a.Segments[s].ForceG[i], b.Segments[s].ForceG[i]));
      Require(SameBits(a.Segments[s].DispL[i], b.Segments[s].DispL[i]));
    }
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace strandel;
  Bytes in(data, size);
  ModelDocument doc = MakeModel(in);
  // The section values bring a profile within its shape's limits on first use;
  // beyond that the analysis must not touch the model.
  for (TBeamObject& beam : ObjectsOf<TBeamObject>(doc))
    NormaliseProfile(beam);
  const std::string before = WriteDocumentText(doc);

  if (ObjectsOf<TNodeObject>(doc).begin() != ObjectsOf<TNodeObject>(doc).end()) {
    const AnalysisOutcome outcome = AnalyseModel(doc);
    CheckOutcome(doc, outcome);
    Require(WriteDocumentText(doc) == before);

    // Run again on the same model: every bit of the results is the same.
    const std::vector<TSegmentObject> segments = doc.Segments;
    const AnalysisOutcome again = AnalyseModel(doc);
    ModelDocument first;
    first.Segments = segments;
    CheckSameResults(first, outcome, doc, again);
  } else {
    doc.ResultsValid = true;
    const AnalysisOutcome outcome = AnalyseModel(doc);
    Require(!outcome.Analysed && doc.ResultsValid && doc.Segments.empty());
    Require(WriteDocumentText(doc) == before);
  }

  // The page of the last beam (the fuzzer can make any beam last) and of one that
  // does not exist; every page build looks up nodes, which costs more than the rest.
  BeamPage page;
  AppSettings settings;
  for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc)) {
    doc.Settings.FBDBeamNo = beam.Number;
    const double displacement = BeamMaxDisplacement(doc, beam.Number);
    Require(!doc.ResultsValid || std::isfinite(displacement));
    BeamUtilisation(doc, beam.Number);
  }
  UpdateBeamPage(page, doc, settings);
  doc.Settings.FBDBeamNo = 60000;
  UpdateBeamPage(page, doc, settings);
  DeflectionDrawScale(doc, 6);
  return 0;
}
