// Fuzz target of the material and profile file readers. The input is read as a
// material file and as a profile file into beams, and every section, design and
// capacity value of the result is computed. Besides crashes and sanitizer
// reports, a broken promise of the readers stops the run: a refused profile
// leaves the beam as it was, a read file written out and read again writes the
// same bytes, and every value is a finite number or undefined, never infinite,
// except the slenderness of a section that keeps area but loses all bending
// stiffness (reduced plates of a material without stiffness), which is endless.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/document.h"
#include "sections/beam_details.h"
#include "sections/library_files.h"
#include "sections/profile.h"

namespace {

void Require(bool promise) {
  if (!promise) __builtin_trap();
}

// A beam on two supports, so that buckling lengths have something to walk.
struct Frame {
  strandel::ModelDocument doc;
  strandel::TBeamObject* beam = nullptr;
  Frame() {
    using namespace strandel;
    for (int i = 1; i <= 2; ++i) {
      TNodeObject& node = AppendObject<TNodeObject>(doc);
      node.Number = static_cast<std::uint16_t>(i);
      node.X = 3.0 * (i - 1);
      TSupportObject& support = AppendObject<TSupportObject>(doc);
      support.Number = static_cast<std::uint16_t>(i);
      support.NodeNo = static_cast<std::uint16_t>(i);
    }
    beam = &AppendObject<TBeamObject>(doc);
    beam->Number = 1;
    beam->Node1 = 1;
    beam->Node2 = 2;
    beam->X2 = 3;
  }
};

void CheckValues(strandel::TBeamObject& beam, const strandel::ModelDocument& doc) {
  using namespace strandel;
  SectionContext context;
  for (const auto* list : {&BeamDetails(), &BeamCapacities()}) {
    for (const BeamDetail& detail : *list) {
      const double value = detail.Value(beam, doc, &context);
      const bool endless = std::string_view(detail.Name) == "Lambda" && value == INFINITY;
      Require(std::isnan(value) || std::isfinite(value) || endless);
    }
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace strandel;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  Frame frame;
  TBeamObject& beam = *frame.beam;

  Require(ReadMaterialText(input, "fuzz", beam).ok);
  const std::string material = WriteMaterialText(beam);
  TBeamObject again;
  Require(ReadMaterialText(material, "fuzz", again).ok);
  Require(WriteMaterialText(again) == material);

  const std::string before = WriteProfileText(beam);
  if (ReadProfileText(input, "fuzz", beam).ok) {
    Require(beam.ShapeNo >= 1 && beam.ShapeNo <= 10);
    const std::string profile = WriteProfileText(beam);
    TBeamObject reread;
    Require(ReadProfileText(profile, "fuzz", reread).ok);
    Require(WriteProfileText(reread) == profile);
  } else {
    Require(WriteProfileText(beam) == before);
  }
  CheckValues(beam, frame.doc);
  return 0;
}
