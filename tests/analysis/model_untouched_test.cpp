// Analysing reads the model and never writes it: a girder whose beams hold
// profiles beyond what the program allows (made in memory, since every reader
// clamps them) keeps every field of every beam through the analysis, the beam
// page, the details list, a design report and a whole optimizer run, so the
// document's text, its undo history and its modified mark stay as they were.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/beam_page.h"
#include "analysis/solver.h"
#include "common/files.h"
#include "common/text.h"
#include "common/text_entries.h"
#include "model/document_file.h"
#include "model/document_history.h"
#include "model/profile_size.h"
#include "optimizer/optimizer_fixture.h"
#include "reports/report.h"
#include "sections/beam_details.h"

namespace strandel {
namespace {

// The truss girder with every beam too high and wide, a tube taller than a
// metre, or an I profile whose web and flanges are thicker than the profile
// allows; none of them as a reader or the beam dialog would leave them.
ModelDocument OversizedGirder() {
  ModelDocument doc = testing::TrussGirder();
  int i = 0;
  for (TBeamObject& beam : ObjectsOf<TBeamObject>(doc)) {
    switch (i++ % 3) {
    case 0:
      beam.H = 2;
      beam.B = 1.5;
      break;
    case 1:
      beam.ShapeNo = kRectangularTube;
      beam.H = 1.2, beam.B = 0.5, beam.TL = 0.01, beam.TF = 0.02;
      break;
    default:
      beam.ShapeNo = kIProfile;
      beam.H = 0.3, beam.B = 0.15, beam.TL = 0.2, beam.TF = 0.2;
      break;
    }
  }
  return doc;
}

std::vector<TBeamObject> Beams(const ModelDocument& doc) {
  std::vector<TBeamObject> beams;
  for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc))
    beams.push_back(beam);
  return beams;
}

TEST(ModelUntouched, AnalysingReportingAndListingLeaveEveryBeamAsItWas) {
  ModelDocument doc = OversizedGirder();
  const std::vector<TBeamObject> beams = Beams(doc);
  ASSERT_NE(NormalisedSize(beams[0]).H, beams[0].H); // the profiles really are oversized
  const std::string text = WriteDocumentText(doc);
  DocumentHistory history;
  history.Start(doc);

  const AnalysisOutcome outcome = AnalyseModel(doc);
  ASSERT_TRUE(outcome.Ok());
  EXPECT_EQ(Beams(doc), beams);

  AppSettings settings;
  BeamPage page;
  for (const TBeamObject& beam : beams) {
    doc.Settings.FBDBeamNo = beam.Number;
    UpdateBeamPage(page, doc, settings);
  }
  doc.Settings.FBDBeamNo = -1;
  EXPECT_EQ(Beams(doc), beams);

  for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc)) {
    SectionContext context;
    for (const auto* list : {&BeamDetails(), &BeamCapacities()}) {
      for (const BeamDetail& detail : *list)
        detail.Value(beam, doc, &context);
    }
  }
  EXPECT_EQ(Beams(doc), beams);

  const FileReadResult design =
      ReadWholeFile(std::string(STRANDEL_SOURCE_DIR) + "/data/Reports/Design report.txt");
  ASSERT_TRUE(design.ok);
  std::vector<std::string> lines;
  for (std::string_view line : SplitLines(design.bytes))
    lines.emplace_back(line);
  const ReportSources sources{doc, settings, "/", {"2024-05-06", "engineer", "3.1.4"}};
  EXPECT_GT(BuildReport(lines, sources).size(), 10u);
  EXPECT_EQ(Beams(doc), beams);

  // Nothing for the history to record, nothing unsaved.
  EXPECT_EQ(WriteDocumentText(doc), text);
  EXPECT_FALSE(history.Record(doc, tr::kStepChange));
  EXPECT_FALSE(history.CanUndo());
  EXPECT_FALSE(doc.Modified);
}

TEST(ModelUntouched, EveryTrialPointOfAnOptimizerRunLeavesTheProfiles) {
  ModelDocument doc = OversizedGirder();
  doc.Settings.VariableStr = "0;0;;;;;;;;N004.Y;0;;N006.Y;0;;N008.Y;0;";
  const std::vector<TBeamObject> beams = Beams(doc);
  UnitChoice units;
  testing::TestHost host;
  host.Recorded.Answers = {MessageAnswer::No}; // the best point is not kept
  RandomSequence random;
  Optimizer optimizer(doc, units, host, random);
  optimizer.Open();
  const std::string text = WriteDocumentText(doc);
  int trials = 0;
  // Beam ends follow the moving nodes; everything else of a beam stays.
  auto profiles = [](std::vector<TBeamObject> list) {
    for (TBeamObject& beam : list)
      beam.X1 = beam.Y1 = beam.X2 = beam.Y2 = 0;
    return list;
  };
  host.OnRedraw = [&] {
    ++trials;
    EXPECT_EQ(profiles(Beams(doc)), profiles(beams)) << "trial " << trials;
  };
  RunLimits limits;
  limits.MaxIterations = 30;
  optimizer.SetLimits(limits);
  ASSERT_TRUE(optimizer.Start());
  testing::RunToEnd(optimizer);
  EXPECT_GT(trials, 10);
  EXPECT_EQ(optimizer.LastRunEnd(), RunEnd::Rejected);
  EXPECT_EQ(WriteDocumentText(doc), text);
  EXPECT_EQ(Beams(doc), beams);
}

} // namespace
} // namespace strandel
