// Fuzz target of report templates. The input is taken as the bytes of a template
// file (Windows-1252 lines) and expanded on a small solved frame with a beam, a
// node on it and two supports. Besides crashes and sanitizer reports, a broken
// promise of the expansion stops the run: every template line gives an error
// line, one line, one line per beam or one per support as its kind says; an
// error line begins "Error:"; a field never grows a line beyond its width; and
// the report leaves the model as it was.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/solver.h"
#include "common/codepage.h"
#include "common/text.h"
#include "reports/report.h"
#include "reports/template_syntax.h"

namespace {

void Require(bool promise) {
  if (!promise) __builtin_trap();
}

strandel::ModelDocument SolvedFrame() {
  using namespace strandel;
  ModelDocument doc;
  const double xs[] = {0, 4, 2};
  for (int i = 0; i < 3; ++i) {
    TNodeObject& node = AppendObject<TNodeObject>(doc);
    node.Number = static_cast<std::uint16_t>(i + 1);
    node.X = xs[i];
  }
  TBeamObject& beam = AppendObject<TBeamObject>(doc);
  beam.Number = 1, beam.Node1 = 1, beam.Node2 = 2, beam.X2 = 4;
  beam.Locked1 = beam.Locked2 = true;
  beam.MtrlType = "WOOD", beam.Ftk = beam.Fck = beam.Fmk = 24e6, beam.Ek = 11e9, beam.Dens = 420;
  beam.B = 0.045, beam.H = 0.195;
  std::get<TNodeObject>(*doc.GraphObjects[2]).HostBeam = 1;
  std::get<TNodeObject>(*doc.GraphObjects[2]).PositionOnBeam = 0.5;
  for (int node : {1, 2}) {
    TSupportObject& support = AppendObject<TSupportObject>(doc);
    support.Number = static_cast<std::uint16_t>(node),
    support.NodeNo = static_cast<std::uint16_t>(node);
    support.Rolled = node == 2, support.Direction = 1;
    support.X = xs[node - 1];
  }
  AnalyseModel(doc);
  return doc;
}

// The most a line can grow to, in bytes: its literal text, and for every
// parameter the widest field of UTF-8 characters.
std::size_t LongestExpansion(std::string_view line) {
  std::size_t longest = 0;
  for (const strandel::TemplatePart& part : strandel::SplitTemplateLine(line))
    longest += part.IsParameter ? strandel::kMaxFieldWidth * 4 : part.Text.size();
  return longest;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace strandel;
  static const ModelDocument doc = SolvedFrame();
  static const AppSettings settings;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> lines;
  for (std::string_view line : SplitLines(bytes))
    lines.push_back(Cp1252ToUtf8(line));

  const ReportSources sources{doc, settings, "/models/", {"2024-05-06", "fuzz", "3.1.4"}};
  const std::vector<std::string> report = BuildReport(lines, sources);
  std::size_t at = 0;
  for (const std::string& templateLine : lines) {
    std::string classified = templateLine;
    const ReportLineKind kind = LineKind(classified);
    const std::size_t count = kind == ReportLineKind::PerBeam      ? 1
                              : kind == ReportLineKind::PerSupport ? 2
                                                                   : 1;
    Require(at + count <= report.size());
    for (std::size_t i = 0; i < count; ++i, ++at) {
      if (kind == ReportLineKind::Error) {
        Require(report[at] == classified && StartsWith(report[at], "Error:"));
      } else {
        Require(report[at].size() <= LongestExpansion(templateLine));
      }
    }
  }
  Require(at == report.size());
  const TBeamObject& beam = std::get<TBeamObject>(*doc.GraphObjects[3]);
  Require(beam.H == 0.195 && beam.B == 0.045);
  return 0;
}
