// The active load case: what the user draws goes into it, and the model
// picture fades the loads of the other cases unless every case is shown.

#include <functional>

#include "editor_fixture.h"
#include "model/document_file.h"

namespace strandel {
namespace testing {
namespace {

class ActiveCase : public EditorTest {
protected:
  ActiveCase() {
    PutNode(doc, 1, 0, 0);
    PutNode(doc, 2, 4, 0);
    PutBeam(doc, 1, 1, 2);
  }
  void GiveCases() {
    TLoadCase g = MakeLoadCase(1, "G", ActionCategory::Permanent);
    g.SelfWeight = true;
    doc.Settings.LoadCases = {g, MakeLoadCase(3, "Snow", ActionCategory::Snow)};
  }
  // Each tool draws one object with the mouse; the case it went into.
  struct Drawing {
    const char* what;
    CreateTool tool;
    std::function<void(ActiveCase&)> draw;
  };
  static std::vector<Drawing> Drawings() {
    return {
        {"load", CreateTool::Load,
         [](ActiveCase& t) {
           t.Click(0.3, 0.02);
           t.Click(0.05, 0.3);
           t.Click(3.96, 0.3);
           t.Click(1, 2);
         }},
        {"force", CreateTool::Force,
         [](ActiveCase& t) {
           t.Click(4, 0);
           t.Click(4, 1);
         }},
        {"moment", CreateTool::Moment,
         [](ActiveCase& t) {
           t.Click(0, 0);
           t.Click(-1, 0);
         }},
        {"support", CreateTool::Support,
         [](ActiveCase& t) {
           t.Click(0, 0);
           t.Click(0, -1);
         }},
    };
  }
  // The case of the one object of the kind the tool makes.
  long CaseOfNew(CreateTool tool) const {
    for (const auto& object : doc.GraphObjects) {
      const long number = std::visit(
          [](const auto& o) -> long {
            if constexpr (requires { o.Case; })
              return o.Case;
            else
              return -1;
          },
          *object);
      const ObjectKind kind = KindOf(*object);
      const bool made = (tool == CreateTool::Load && kind == ObjectKind::Load) ||
                        (tool == CreateTool::Force && kind == ObjectKind::Force) ||
                        (tool == CreateTool::Moment && kind == ObjectKind::Moment) ||
                        (tool == CreateTool::Support && kind == ObjectKind::Support);
      if (made) return number;
    }
    return 0;
  }
};

TEST_F(ActiveCase, WhatTheUserDrawsGoesIntoTheActiveCase) {
  GiveCases();
  changes.StartHistory();
  editor.SetActiveCase(3);
  for (const Drawing& d : Drawings()) {
    editor.StartTool(d.tool, true);
    d.draw(*this);
    EXPECT_EQ(Mode(), FirstModeOf(d.tool)) << d.what; // ready for the next one
    EXPECT_EQ(CaseOfNew(d.tool), 3) << d.what;
  }
  // Each drawing was one step of its own.
  EXPECT_EQ(changes.History().UndoCount(), 4u);
}

TEST_F(ActiveCase, FallsBackToTheFirstCaseWhenTheChosenOneIsNotInTheDocument) {
  EXPECT_EQ(editor.ActiveCase(), 1); // no cases: the one set, case 1
  EXPECT_FALSE(editor.UnfadedCase());
  editor.SetActiveCase(3);
  EXPECT_EQ(editor.ActiveCase(), 1);
  GiveCases();
  EXPECT_EQ(editor.ActiveCase(), 3);
  EXPECT_EQ(editor.UnfadedCase(), 3);
  editor.SetShowAllCases(true);
  EXPECT_FALSE(editor.UnfadedCase());
  editor.SetShowAllCases(false);
  doc.Settings.LoadCases.pop_back(); // case 3 deleted
  EXPECT_EQ(editor.ActiveCase(), 1);
  EXPECT_EQ(editor.UnfadedCase(), 1);
}

TEST_F(ActiveCase, ADocumentWithoutCasesWritesWhatItDrawsAsBefore) {
  for (const Drawing& d : Drawings()) {
    editor.StartTool(d.tool, true);
    d.draw(*this);
    EXPECT_EQ(CaseOfNew(d.tool), 1) << d.what;
  }
  // The lines carry no case field: they read and write as they always have.
  const std::string text = WriteDocumentText(doc);
  EXPECT_NE(text.find("=4;1;1;2;1;0;0;4;0;1.1344640137963142;1000;0.5\r\n"), std::string::npos);
  EXPECT_NE(text.find("=5;1;2;4;0;1.5707963267948966;1000\r\n"), std::string::npos);
  EXPECT_NE(text.find("=6;1;1;0;0;3.141592653589793;1000\r\n"), std::string::npos);
  EXPECT_NE(text.find("=3;1;1;0;0;0;0;0;1;False;False\r\n"), std::string::npos);
}

} // namespace
} // namespace testing
} // namespace strandel
