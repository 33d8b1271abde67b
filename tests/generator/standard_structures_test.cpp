// The standard structures shipped in data/Structures: each opens, stands and
// carries its loads within its capacities, and is stored as the program writes it.

#include <gtest/gtest.h>

#include "analysis/solver.h"
#include "common/files.h"
#include "model/document_file.h"
#include "support/standard_structures.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

using testing::StandardStructures;

TEST(StandardStructures, EveryOneOpensSolvesAndIsStoredAsWritten) {
  const std::vector<std::string> paths = StandardStructures();
  ASSERT_GE(paths.size(), 11u);
  for (const std::string& path : paths) {
    SCOPED_TRACE(path);
    ModelDocument doc;
    ASSERT_TRUE(LoadDocument(path, doc).ok);
    EXPECT_EQ(WriteDocumentText(doc), testing::ReadBytes(path));
    int beams = 0, supports = 0;
    for (const auto& object : doc.GraphObjects) {
      beams += KindOf(*object) == ObjectKind::Beam;
      supports += KindOf(*object) == ObjectKind::Support;
    }
    EXPECT_GT(beams, 0);
    EXPECT_GE(supports, 2);
    const AnalysisOutcome outcome = AnalyseModel(doc);
    ASSERT_TRUE(outcome.Ok()) << FailureReason(outcome.Failure);
    // A template should show a sensible design, not a failing one.
    for (const TSegmentObject& segment : doc.Segments) {
      EXPECT_GT(segment.Area, 0);
      EXPECT_GT(segment.Inertia, 0);
      EXPECT_GT(segment.Rtd, 0);
    }
  }
}

TEST(StandardStructures, BeamsCarryLibraryMaterialsAndProfiles) {
  for (const std::string& path : StandardStructures()) {
    SCOPED_TRACE(path);
    ModelDocument doc;
    ASSERT_TRUE(LoadDocument(path, doc).ok);
    for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc)) {
      EXPECT_TRUE(FileExists(std::string(STRANDEL_SOURCE_DIR) + "/data/Materials/" + beam.MtrlName +
                             ".txt"))
          << beam.MtrlName;
      EXPECT_TRUE(
          FileExists(std::string(STRANDEL_SOURCE_DIR) + "/data/Profiles/" + beam.ProfName + ".txt"))
          << beam.ProfName;
    }
  }
}

} // namespace
} // namespace strandel
