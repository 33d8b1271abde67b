// The document's settings as one value: every field, changed on its own, is a
// step of its own that undo takes back and redo makes again, is written to the
// document file and read back exactly, and goes back to its default with New.
// The field list below is tied to the struct, so a field added to it without a
// row here does not compile.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "common/text_entries.h"
#include "model/document_file.h"
#include "model/document_history.h"
#include "support/frame_models.h"

namespace strandel {
namespace {

using testing::SimplySupportedBeam;

// Every field of the settings, in order. The structured binding names exactly
// as many fields as the struct has: one more or one less fails to compile.
auto FieldsOf(DocumentSettings& s) {
  auto& [failHazRed, dimUncertRed, latBuckRed, locBuckRed, loadDurRed, airMoistRed, ownWeight,
         secondOrder, beamHeight, txtHeight, loadHeight, variableStr, fbdBeamNo, loadCases,
         combinations, resultSet] = s;
  return std::tie(failHazRed, dimUncertRed, latBuckRed, locBuckRed, loadDurRed, airMoistRed,
                  ownWeight, secondOrder, beamHeight, txtHeight, loadHeight, variableStr, fbdBeamNo,
                  loadCases, combinations, resultSet);
}

constexpr std::size_t kFieldCount =
    std::tuple_size_v<decltype(FieldsOf(std::declval<DocumentSettings&>()))>;

// A value other than the one given, of each type a setting can have; a field of
// a new type needs its own here. The numbers carry more digits than a short
// form would keep, so the file must store them exactly.
bool Other(bool value) {
  return !value;
}
double Other(double value) {
  return value * 1.75 + 0.0123456789012345;
}
std::int32_t Other(std::int32_t value) {
  return value + 8;
}
std::string Other(const std::string& value) {
  return value + "0;0;;;;;;;;N002.Y;0;";
}
std::vector<TLoadCase> Other(std::vector<TLoadCase> cases) {
  cases.push_back(MakeLoadCase(NextCaseNumber(cases), "Snow, drifted", ActionCategory::Snow));
  cases.back().Psi1 = 0.123456789012345678;
  return cases;
}
std::vector<TCombination> Other(std::vector<TCombination> combinations) {
  TCombination combination;
  combination.Number = NextCombinationNumber(combinations);
  combination.Kind = CombinationKind::Frequent;
  combination.Factors = {{1, 1.0 / 3}, {2, -0.5}};
  combinations.push_back(combination);
  return combinations;
}

// Changes the field at `which` and no other.
void ChangeField(DocumentSettings& s, std::size_t which) {
  std::size_t index = 0;
  std::apply(
      [&](auto&... field) { ((index++ == which ? (void)(field = Other(field)) : (void)0), ...); },
      FieldsOf(s));
}

TEST(DocumentSettings, EveryFieldIsAStepThatUndoTakesBackAndRedoMakesAgain) {
  ModelDocument doc = SimplySupportedBeam(6, 2000);
  DocumentHistory history;
  history.Start(doc);
  // One step per field, each on top of the last, so every undo must restore
  // the settings exactly as the step before left them.
  std::vector<DocumentSettings> states = {doc.Settings};
  for (std::size_t i = 0; i < kFieldCount; ++i) {
    ChangeField(doc.Settings, i);
    EXPECT_TRUE(history.Record(doc, tr::kStepChange)) << "field " << i << " made no step";
    states.push_back(doc.Settings);
  }
  for (std::size_t i = kFieldCount; i-- > 0;) {
    ASSERT_EQ(history.Undo(doc), HistoryMove::Done) << "field " << i;
    EXPECT_EQ(doc.Settings, states[i]) << "undo of field " << i;
  }
  EXPECT_FALSE(doc.Modified);
  for (std::size_t i = 1; i <= kFieldCount; ++i) {
    ASSERT_EQ(history.Redo(doc), HistoryMove::Done) << "field " << i - 1;
    EXPECT_EQ(doc.Settings, states[i]) << "redo of field " << i - 1;
  }
  EXPECT_EQ(history.Undo(doc), HistoryMove::Done);
  EXPECT_EQ(doc.Settings, states[kFieldCount - 1]);
}

// A small frame as its document file gives it back: a beam built in code leaves
// text fields empty that the file reads as their defaults.
ModelDocument StoredFrame() {
  ModelDocument doc;
  EXPECT_TRUE(ReadDocumentText(WriteDocumentText(SimplySupportedBeam(6, 2000)), doc).ok);
  return doc;
}

TEST(DocumentSettings, EveryFieldIsWrittenAndReadBackExactly) {
  for (std::size_t i = 0; i < kFieldCount; ++i) {
    ModelDocument doc = StoredFrame();
    ChangeField(doc.Settings, i);
    const std::string text = WriteDocumentText(doc);
    ModelDocument loaded;
    ASSERT_TRUE(ReadDocumentText(text, loaded).ok) << "field " << i;
    EXPECT_EQ(loaded.Settings, doc.Settings) << "field " << i;
    EXPECT_EQ(WriteDocumentText(loaded), text) << "field " << i;
  }
}

TEST(DocumentSettings, NewGivesEveryFieldItsDefaultAndTheChosenSizes) {
  const DocumentSizes sizes{0.2, 0.15, 0.4};
  DocumentSettings expected;
  expected.BeamHeight = sizes.BeamHeight;
  expected.TxtHeight = sizes.TxtHeight;
  expected.LoadHeight = sizes.LoadHeight;
  for (std::size_t i = 0; i < kFieldCount; ++i) {
    ModelDocument doc = SimplySupportedBeam(6, 2000);
    ChangeField(doc.Settings, i);
    NewDocument(doc, sizes);
    EXPECT_EQ(doc.Settings, expected) << "field " << i;
  }
}

} // namespace
} // namespace strandel
