// Expanding the shipped design report, the longest template, on solved rigid grid
// frames of 10 x 10, 25 x 25 and 50 x 50 fields (the largest: 2601 nodes, 5100
// beams, 51 supports): every beam line computes the beam's section, design and
// buckling values and reads its results. The peak heap and the report's size
// are reported beside the time. The design report with load cases runs on the
// 50 x 50 frame with its loads in 10 cases and 20 combinations, whose lines
// form every combination's results for its highest utilisation.

#include <benchmark/benchmark.h>

#include "analysis/load_case_analysis.h"
#include "analysis/solver.h"
#include "common/files.h"
#include "heap_meter.h"
#include "reports/report.h"
#include "reports/report_templates.h"
#include "support/frame_models.h"

namespace strandel {
namespace {

ModelDocument SolvedFrame(int fields) {
  // Storeys 3 m, bays 4 m, columns 0.3 x 0.3 m, girders 0.2 x 0.4 m, 10 kN/m.
  ModelDocument doc = testing::GridFrame(fields, fields, 4, 3, 10000, {0.3, 0.3, 2.1e11, 7850},
                                         {0.2, 0.4, 2.1e11, 7850});
  AnalyseModel(doc);
  return doc;
}

// The frame's floor loads spread over 10 cases, storey by storey; 15 ultimate
// and 5 characteristic combinations of every case.
ModelDocument CaseFrame(int fields) {
  ModelDocument doc = testing::GridFrame(fields, fields, 4, 3, 10000, {0.3, 0.3, 2.1e11, 7850},
                                         {0.2, 0.4, 2.1e11, 7850});
  for (std::uint16_t c = 1; c <= 10; ++c)
    doc.Settings.LoadCases.push_back(MakeLoadCase(
        c, "Case " + std::to_string(c), c == 1 ? ActionCategory::Permanent : ActionCategory::Snow));
  doc.Settings.LoadCases.front().SelfWeight = true;
  std::uint16_t next = 0;
  for (TLoadObject& load : ObjectsOf<TLoadObject>(doc))
    load.Case = static_cast<std::uint16_t>(1 + next++ / fields % 10);
  for (std::uint16_t k = 1; k <= 20; ++k) {
    TCombination combination{k,
                             "Combination " + std::to_string(k),
                             k <= 15 ? CombinationKind::Ultimate : CombinationKind::Characteristic,
                             {}};
    for (std::uint16_t c = 1; c <= 10; ++c)
      combination.Factors.push_back({c, 1.0 + 0.05 * ((k + c) % 7)});
    doc.Settings.Combinations.push_back(combination);
  }
  return doc;
}

void RunReport(benchmark::State& state, const ModelDocument& doc, const char* name,
               const CaseAnalysis* analysis) {
  if (!doc.ResultsValid) state.SkipWithError("analysis failed");
  // The template of the source tree, found from this file's own place in it.
  const TemplateReadResult read =
      ReadReportTemplate(FolderOf(__FILE__) + "../data/Reports/" + name + ".txt");
  if (!read.ok) state.SkipWithError("no design report template");
  const AppSettings settings;
  const ReportSources sources{
      doc, settings, "/models/", {"2024-05-06", "bench", "3.1.4"}, analysis};
  std::size_t lines = 0, bytes = 0;
  bench::ResetHeapPeak();
  for (auto _ : state) {
    const std::vector<std::string> report = BuildReport(read.Lines, sources);
    lines = report.size();
    bytes = 0;
    for (const std::string& line : report)
      bytes += line.size() + 1;
    benchmark::DoNotOptimize(report.data());
  }
  state.counters["peak_heap_MB"] = static_cast<double>(bench::HeapPeakBytes()) / 1e6;
  state.counters["lines"] = static_cast<double>(lines);
  state.counters["report_kB"] = static_cast<double>(bytes) / 1e3;
}

void BM_DesignReport(benchmark::State& state) {
  RunReport(state, SolvedFrame(static_cast<int>(state.range(0))), "Design report", nullptr);
}
BENCHMARK(BM_DesignReport)->Arg(10)->Arg(25)->Arg(50)->Unit(benchmark::kMillisecond);

void BM_DesignReportWithLoadCases(benchmark::State& state) {
  ModelDocument doc = CaseFrame(static_cast<int>(state.range(0)));
  const CaseAnalysis analysis = AnalyseLoadCases(doc);
  if (analysis.Ok()) InstallResult(doc, analysis, *DocumentResult(analysis, doc));
  RunReport(state, doc, "Design report with load cases", &analysis);
}
BENCHMARK(BM_DesignReportWithLoadCases)->Arg(50)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace strandel
