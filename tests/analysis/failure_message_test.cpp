// The words of a failed analysis: where the structure can move, in the program's
// English without a language file and in the language loaded.

#include "analysis/failure_message.h"

#include <string>

#include <gtest/gtest.h>

#include "analysis/solver.h"
#include "common/translation.h"
#include "unstable_frames.h"

namespace strandel {
namespace {

AnalysisOutcome Unstable(long node, Freedom freedom) {
  AnalysisOutcome outcome;
  outcome.Analysed = true;
  outcome.Failure = AnalysisFailure::Unstable;
  outcome.Node = node;
  outcome.NodeFreedom = freedom;
  return outcome;
}

TEST(FailureMessage, SaysWhereTheStructureCanMove) {
  SetTranslations({});
  EXPECT_EQ(MovementText(Unstable(7, Freedom::X)), "The structure can move at node 7 in x.");
  EXPECT_EQ(MovementText(Unstable(12, Freedom::Y)), "The structure can move at node 12 in y.");
  EXPECT_EQ(MovementText(Unstable(3, Freedom::Rotation)), "The structure can turn at node 3.");
  // Nothing to say without a node, or when the analysis failed for another reason.
  EXPECT_EQ(MovementText(Unstable(-1, Freedom::None)), "");
  AnalysisOutcome degenerate = Unstable(7, Freedom::X);
  degenerate.Failure = AnalysisFailure::ZeroLengthSegment;
  EXPECT_EQ(MovementText(degenerate), "");
  EXPECT_EQ(MovementText(AnalysisOutcome{}), "");

  // The message of a failed analysis, the place on its second line.
  const std::string message = AnalysisFailedMessage(Unstable(7, Freedom::X));
  const std::size_t lineBreak = message.find('\n');
  ASSERT_NE(lineBreak, std::string::npos);
  EXPECT_EQ(message.substr(0, 36), "The structure could not be solved. I");
  EXPECT_EQ(message.substr(lineBreak + 1), "The structure can move at node 7 in x.");
  EXPECT_EQ(AnalysisFailedMessage(degenerate).find('\n'), std::string::npos);
}

TEST(FailureMessage, InTheLanguageLoaded) {
  const std::string folder = std::string(STRANDEL_SOURCE_DIR) + "/data/";
  ASSERT_TRUE(LoadLanguage(LanguageFilePath(folder, "Svenska")));
  EXPECT_EQ(MovementText(Unstable(7, Freedom::X)), "Bärverket kan röra sig vid nod 7 i x-led.");
  EXPECT_EQ(MovementText(Unstable(9, Freedom::Rotation)), "Bärverket kan vrida sig vid nod 9.");
  const std::string message = AnalysisFailedMessage(Unstable(4, Freedom::Y));
  EXPECT_EQ(message.substr(0, 10), "Bärverket"); // ä is two bytes in UTF-8
  EXPECT_NE(message.find("\nBärverket kan röra sig vid nod 4 i y-led."), std::string::npos);
  SetTranslations({});
}

TEST(FailureMessage, OfARealAnalysis) {
  // The hinged portal sways; the message points at the girder's far end.
  ModelDocument portal = testing::SwayPortal(true);
  SetTranslations({});
  EXPECT_EQ(MovementText(AnalyseModel(portal)), "The structure can move at node 3 in x.");
}

} // namespace
} // namespace strandel
