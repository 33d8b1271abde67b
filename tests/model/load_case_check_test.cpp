// A document's load cases and combinations checked before an analysis: each
// broken reference named with its object, in the user's language; and a
// document of one load set turned into one with a single case.

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "common/translation.h"
#include "model/document_file.h"
#include "model/load_case_check.h"
#include "support/frame_models.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

using testing::AddForce;
using testing::AddLoad;
using testing::AddMoment;

// A simply supported beam (supports 1 and 2, load 1) with a force and a moment,
// dead load (case 1, carrying the own weight) and snow (case 2), and two
// combinations of them.
ModelDocument BeamWithCases() {
  ModelDocument doc = testing::SimplySupportedBeam(6, 2000);
  AddForce(doc, 1, 2, 5000, -kPi / 2).Case = 2;
  AddMoment(doc, 1, 3, 1000).Case = 1;
  doc.Settings.LoadCases = {MakeLoadCase(1, "G", ActionCategory::Permanent),
                            MakeLoadCase(2, "Snow", ActionCategory::Snow)};
  doc.Settings.LoadCases[0].SelfWeight = true;
  doc.Settings.Combinations = {{1, "ULS G", CombinationKind::Ultimate, {{1, 1.35}}},
                               {2, "ULS G+S", CombinationKind::Ultimate, {{1, 1.35}, {2, 1.5}}}};
  return doc;
}

template <class T> T& First(ModelDocument& doc) {
  for (T& object : ObjectsOf<T>(doc))
    return object;
  throw std::logic_error("no such object");
}

TEST(LoadCaseCheck, NamesEachProblemWithItsObject) {
  struct Row {
    const char* Situation;
    std::function<void(ModelDocument&)> Change;
    std::vector<std::string> Problems;
  };
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  constexpr double kInf = std::numeric_limits<double>::infinity();
  const std::vector<Row> rows = {
      {"sound", [](ModelDocument&) {}, {}},
      {"a load in a case that does not exist",
       [](ModelDocument& doc) { First<TLoadObject>(doc).Case = 7; },
       {"Load 1 belongs to load case 7, which does not exist."}},
      {"a force, a moment and a support likewise, in list order",
       [](ModelDocument& doc) {
         First<TMomentObject>(doc).Case = 3;
         First<TForceObject>(doc).Case = 4;
         First<TSupportObject>(doc).Case = 5;
       },
       {"Support 1 belongs to load case 5, which does not exist.",
        "Force 1 belongs to load case 4, which does not exist.",
        "Moment 1 belongs to load case 3, which does not exist."}},
      {"a combination of no case",
       [](ModelDocument& doc) { doc.Settings.Combinations[1].Factors.clear(); },
       {"Combination 2 takes no load case."}},
      {"a combination naming a case that does not exist",
       [](ModelDocument& doc) { doc.Settings.Combinations[1].Factors[1].Case = 9; },
       {"Combination 2 takes load case 9, which does not exist."}},
      {"factors that are not finite",
       [](ModelDocument& doc) {
         doc.Settings.Combinations[0].Factors[0].Factor = kNaN;
         doc.Settings.Combinations[1].Factors[1].Factor = -kInf;
       },
       {"Combination 1 takes load case 1 with a factor that is not a finite number.",
        "Combination 2 takes load case 2 with a factor that is not a finite number."}},
      {"two cases of one number, named once however often it recurs",
       [](ModelDocument& doc) {
         doc.Settings.LoadCases.push_back(MakeLoadCase(2, "Wind", ActionCategory::Wind));
         doc.Settings.LoadCases.push_back(MakeLoadCase(2, "More", ActionCategory::Wind));
       },
       {"Two load cases have the number 2."}},
      {"two combinations of one number",
       [](ModelDocument& doc) { doc.Settings.Combinations[1].Number = 1; },
       {"Two combinations have the number 1."}},
      {"combinations in a document without cases",
       [](ModelDocument& doc) {
         doc.Settings.LoadCases.clear();
         First<TLoadObject>(doc).Case = 7; // not a case's number: there are no cases
       },
       {"Combination 1 has nothing to combine: the document has no load cases.",
        "Combination 2 has nothing to combine: the document has no load cases."}},
      {"two cases carrying the own weight",
       [](ModelDocument& doc) { doc.Settings.LoadCases[1].SelfWeight = true; },
       {"Load cases 1 and 2 both carry the beams' own weight; exactly one case carries it."}},
      {"no case carrying the own weight",
       [](ModelDocument& doc) { doc.Settings.LoadCases[0].SelfWeight = false; },
       {"No load case carries the beams' own weight; exactly one case carries it."}},
      {"a document of one load set",
       [](ModelDocument& doc) {
         doc.Settings.LoadCases.clear();
         doc.Settings.Combinations.clear();
         First<TForceObject>(doc).Case = 3; // ignored: the field is not even written
       },
       {}},
      {"cases first, then combinations, then objects",
       [](ModelDocument& doc) {
         First<TLoadObject>(doc).Case = 8;
         doc.Settings.Combinations[0].Factors[0].Case = 8;
         doc.Settings.LoadCases[0].SelfWeight = false;
       },
       {"No load case carries the beams' own weight; exactly one case carries it.",
        "Combination 1 takes load case 8, which does not exist.",
        "Load 1 belongs to load case 8, which does not exist."}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.Situation);
    ModelDocument doc = BeamWithCases();
    row.Change(doc);
    EXPECT_EQ(CheckLoadCases(doc), row.Problems);
  }
}

TEST(LoadCaseCheck, SpeaksTheChosenLanguage) {
  ASSERT_TRUE(LoadLanguage(std::string(STRANDEL_SOURCE_DIR) + "/data/Languages/Svenska.txt"));
  ModelDocument doc = BeamWithCases();
  First<TLoadObject>(doc).Case = 7;
  doc.Settings.Combinations[1].Factors.clear();
  const std::vector<std::string> problems = CheckLoadCases(doc);
  SetTranslations({});
  EXPECT_EQ(problems, (std::vector<std::string>{
                          "Lastkombination 2 innehåller inget lastfall.",
                          "Last 1 tillhör lastfall 7, som inte finns.",
                      }));
}

TEST(DefaultLoadCases, OneLoadSetBecomesOnePermanentCase) {
  ModelDocument doc = testing::SimplySupportedBeam(6, 2000);
  AddForce(doc, 1, 2, 5000, -kPi / 2).Case = 4; // a stray field of a hand-written file
  AddMoment(doc, 1, 3, 1000);
  AddLoad(doc, 2, 1, 1, 3, 500, kPi / 2);
  ASSERT_TRUE(DefaultLoadCases(doc));

  ASSERT_EQ(doc.Settings.LoadCases.size(), 1u);
  const TLoadCase& permanent = doc.Settings.LoadCases[0];
  EXPECT_EQ(permanent.Number, 1);
  EXPECT_EQ(permanent.Name, "Permanent load");
  EXPECT_EQ(permanent.Category, ActionCategory::Permanent);
  EXPECT_EQ(permanent.Duration, DurationClass::Permanent);
  EXPECT_TRUE(permanent.SelfWeight);
  EXPECT_EQ(
      doc.Settings.Combinations,
      (std::vector<TCombination>{{1, "1.0 x case 1", CombinationKind::Ultimate, {{1, 1.0}}}}));
  EXPECT_EQ(First<TForceObject>(doc).Case, 1);
  EXPECT_TRUE(CheckLoadCases(doc).empty());

  // A second call leaves the cases the user has made alone.
  doc.Settings.LoadCases[0].Name = "Dead";
  EXPECT_FALSE(DefaultLoadCases(doc));
  EXPECT_EQ(doc.Settings.LoadCases[0].Name, "Dead");
}

} // namespace
} // namespace strandel
