// The node, support and force/load/moment dialogs as a user works them: what
// they offer for an object, what typing does to a field, and what OK writes.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "common/geometry.h"
#include "common/text.h"
#include "common/translation.h"
#include "common/user_message.h"
#include "dialogs/load_dialog_model.h"
#include "dialogs/node_dialog_model.h"
#include "dialogs/support_dialog_model.h"
#include "editor/editor_harness.h"
#include "model/document_file.h"
#include "support/frame_models.h"

namespace strandel {
namespace {

using testing::PutBeam;
using testing::PutNode;
using testing::PutNodeOnBeam;

constexpr double kDeg = kPi / 180;

UnitChoice Metres() {
  UnitChoice units;
  units.Length = 1;       // [m]
  units.Displacement = 4; // [mm]
  units.Force = 2;        // [KN]
  units.DistLoad = 2;     // [KN/m]
  units.Moment = 2;       // [KNm]
  return units;
}

int IndexOf(const ModelDocument& doc, ObjectKind kind, long number) {
  for (std::size_t i = 0; i < doc.GraphObjects.size(); ++i) {
    const GraphObject& object = *doc.GraphObjects[i];
    if (KindOf(object) != kind) continue;
    const long n = std::visit([](const auto& o) { return static_cast<long>(o.Number); }, object);
    if (n == number) return static_cast<int>(i);
  }
  return -1;
}

class PropertyDialogs : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(LoadLanguage(std::string(STRANDEL_SOURCE_DIR) + "/data/Languages/English.txt"));
  }
  void TearDown() override { SetTranslations({}); }
  RecordingMessages messages;
  ParameterTable parameters;
};

TEST_F(PropertyDialogs, AFreeNodeIsPlacedByItsCoordinates) {
  ModelDocument doc;
  PutNode(doc, 4, 2.5, 1);
  UnitChoice units = Metres();
  units.Length = 3; // [cm]
  auto dialog = OpenNodeDialog(doc, 0, units);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(dialog->Caption, "Node properties N4");
  EXPECT_EQ(dialog->X.Unit, "[cm]");
  EXPECT_EQ(Trim(dialog->X.Text), "250"); // 2.5 m in cm
  EXPECT_TRUE(dialog->X.Enabled && dialog->Y.Enabled);
  EXPECT_FALSE(dialog->Position.Enabled);

  dialog->X.Text = "2*150"; // 300 cm
  dialog->Y.Text = "1+";    // not an expression: it stays, with the reason
  EXPECT_FALSE(dialog->EvaluateFields(parameters));
  EXPECT_EQ(Trim(dialog->X.Text), "300");
  EXPECT_EQ(dialog->Y.Text, "1+");
  EXPECT_EQ(dialog->Y.Error, "The addition needs a right operand");
  dialog->Y.Text = "123.45"; // corrected: every digit counts
  ASSERT_EQ(dialog->Apply(doc, parameters, messages), ApplyOutcome::Applied);
  const TNodeObject& node = std::get<TNodeObject>(*doc.GraphObjects[0]);
  EXPECT_EQ(node.X, 3.0);
  EXPECT_EQ(node.Y, 1.2345);
  // The rules only apply; the window marks the document, once.
  EXPECT_FALSE(doc.Modified);
}

TEST_F(PropertyDialogs, ANodeOnABeamOffersOnlyItsPosition) {
  // Beam from (0,0) to (4,2): 50 % lies at (2,1).
  ModelDocument doc;
  PutNode(doc, 1, 0, 0);
  PutNode(doc, 2, 4, 2);
  PutBeam(doc, 1, 1, 2);
  PutNodeOnBeam(doc, 3, 1, 0.1);
  auto dialog = OpenNodeDialog(doc, IndexOf(doc, ObjectKind::Node, 3), Metres());
  ASSERT_TRUE(dialog);
  EXPECT_TRUE(dialog->OnBeam);
  EXPECT_FALSE(dialog->X.Enabled || dialog->Y.Enabled);
  EXPECT_TRUE(dialog->Position.Enabled);
  EXPECT_EQ(dialog->Position.Unit, "[%]");
  EXPECT_EQ(Trim(dialog->Position.Text), "10");
  dialog->X.Text = "99"; // disabled: never read
  dialog->Position.Text = "100/2";
  ASSERT_EQ(dialog->Apply(doc, parameters, messages), ApplyOutcome::Applied);
  const TNodeObject& node = *FindNode(doc, 3);
  EXPECT_NEAR(node.X, 2.0, 1e-12);
  EXPECT_NEAR(node.Y, 1.0, 1e-12);
  EXPECT_NEAR(node.PositionOnBeam, 0.5, 1e-12);
}

TEST_F(PropertyDialogs, ARefusedFieldStopsOkUntilItIsCorrected) {
  ModelDocument doc;
  PutNode(doc, 1, 0, 0);
  PutNode(doc, 2, 4, 0);
  PutBeam(doc, 1, 1, 2);
  PutNodeOnBeam(doc, 3, 1, 0.3);
  PutNode(doc, 4, 1, 1);
  testing::AddSupport(doc, 1, 1);
  testing::AddForce(doc, 1, 2, 1000, kPi / 2);
  const UnitChoice units = Metres();
  auto node = OpenNodeDialog(doc, IndexOf(doc, ObjectKind::Node, 3), units);
  node->Position.Text = "120";
  EXPECT_FALSE(node->EvaluateFields(parameters));
  EXPECT_EQ(node->Position.Text, "120");
  EXPECT_EQ(node->Position.Error, "The value must lie between 0 and 100");
  EXPECT_EQ(node->Apply(doc, parameters, messages), ApplyOutcome::FieldRefused);
  EXPECT_FALSE(doc.Modified);
  node->Position.Text = "40";
  ASSERT_EQ(node->Apply(doc, parameters, messages), ApplyOutcome::Applied);
  EXPECT_NEAR(FindNode(doc, 3)->X, 1.6, 1e-12);

  // The same for every dialog: nonsense leaves the object as it was.
  doc.Modified = false;
  auto free = OpenNodeDialog(doc, IndexOf(doc, ObjectKind::Node, 4), units);
  free->Y.Text = "abc";
  EXPECT_EQ(free->Apply(doc, parameters, messages), ApplyOutcome::FieldRefused);
  auto support = OpenSupportDialog(doc, IndexOf(doc, ObjectKind::Support, 1), units);
  support->Rotation.Text = "1e400";
  EXPECT_EQ(support->Apply(doc, parameters), ApplyOutcome::FieldRefused);
  EXPECT_EQ(support->Rotation.Error, "The value is too large");
  auto force = OpenLoadDialog(doc, IndexOf(doc, ObjectKind::Force, 1), units);
  force->Value.Text = "1/0";
  force->Angle.Text = "45";
  EXPECT_EQ(force->Apply(doc, parameters), ApplyOutcome::FieldRefused);
  EXPECT_EQ(force->Value.Error, "Division by zero");
  EXPECT_EQ(std::get<TForceObject>(*doc.GraphObjects[IndexOf(doc, ObjectKind::Force, 1)]).Angle,
            kPi / 2);
  EXPECT_FALSE(doc.Modified);
  EXPECT_EQ(FindNode(doc, 4)->Y, 1);
}

TEST_F(PropertyDialogs, OnlyTheirOwnKindOpensEachDialog) {
  ModelDocument doc;
  PutNode(doc, 1, 0, 0);
  PutNode(doc, 2, 1, 0);
  PutBeam(doc, 1, 1, 2);
  const UnitChoice units = Metres();
  for (int index : {-1, 3, 1000}) {
    EXPECT_FALSE(OpenNodeDialog(doc, index, units)) << index;
    EXPECT_FALSE(OpenSupportDialog(doc, index, units)) << index;
    EXPECT_FALSE(OpenLoadDialog(doc, index, units)) << index;
  }
  EXPECT_FALSE(OpenNodeDialog(doc, 2, units));    // the beam
  EXPECT_FALSE(OpenLoadDialog(doc, 0, units));    // a node
  EXPECT_FALSE(OpenSupportDialog(doc, 0, units)); // a node
}

// The object a dialog was opened for left the model, or another took its place
// in the list, or the beam its node lies on went: OK changes nothing and says
// the object is gone, whatever the fields hold.
TEST_F(PropertyDialogs, ADialogWhoseObjectWentAwayChangesNothing) {
  struct Case {
    const char* what;
    std::function<void(ModelDocument&)> change;
  };
  const Case cases[] = {
      {"the node deleted",
       [](ModelDocument& doc) { doc.GraphObjects.erase(doc.GraphObjects.begin() + 3); }},
      {"another node in its place",
       [](ModelDocument& doc) { std::get<TNodeObject>(*doc.GraphObjects[3]).Number = 9; }},
      {"the host beam gone",
       [](ModelDocument& doc) { std::get<TBeamObject>(*doc.GraphObjects[2]).Number = 5; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ModelDocument doc;
    PutNode(doc, 1, 0, 0);
    PutNode(doc, 2, 4, 0);
    PutBeam(doc, 1, 1, 2);
    PutNodeOnBeam(doc, 3, 1, 0.5);
    auto dialog = OpenNodeDialog(doc, 3, Metres());
    ASSERT_TRUE(dialog);
    c.change(doc);
    const std::string before = WriteDocumentText(doc);
    dialog->Position.Text = "nonsense"; // the object is checked first
    EXPECT_EQ(dialog->Apply(doc, parameters, messages), ApplyOutcome::ObjectGone);
    dialog->Position.Text = "25";
    EXPECT_EQ(dialog->Apply(doc, parameters, messages), ApplyOutcome::ObjectGone);
    EXPECT_EQ(WriteDocumentText(doc), before);
  }
  // The same for the support and the load dialogs.
  ModelDocument doc;
  PutNode(doc, 1, 0, 0);
  testing::AddSupport(doc, 1, 1);
  testing::AddForce(doc, 1, 1, 1000, kPi / 2);
  auto support = OpenSupportDialog(doc, 1, Metres());
  auto force = OpenLoadDialog(doc, 2, Metres());
  ASSERT_TRUE(support && force);
  std::swap(doc.GraphObjects[1], doc.GraphObjects[2]);
  EXPECT_EQ(support->Apply(doc, parameters), ApplyOutcome::ObjectGone);
  EXPECT_EQ(force->Apply(doc, parameters), ApplyOutcome::ObjectGone);
  std::swap(doc.GraphObjects[1], doc.GraphObjects[2]);
  std::get<TForceObject>(*doc.GraphObjects[2]).Number = 4;
  EXPECT_EQ(force->Apply(doc, parameters), ApplyOutcome::ObjectGone);
  EXPECT_EQ(support->Apply(doc, parameters), ApplyOutcome::Applied);
}

TEST_F(PropertyDialogs, TheSupportTakesItsDirectionDisplacementsAndLocks) {
  ModelDocument doc;
  PutNode(doc, 1, 0, 0);
  TSupportObject support;
  support.Number = 2;
  support.NodeNo = 1;
  support.DX = 0.002; // 2 mm
  doc.GraphObjects.push_back(std::make_unique<GraphObject>(support));
  auto dialog = OpenSupportDialog(doc, 1, Metres());
  ASSERT_TRUE(dialog);
  EXPECT_EQ(dialog->Caption, "Support properties S2");
  EXPECT_EQ(dialog->XDisplacement.Unit, "[mm]");
  EXPECT_EQ(Trim(dialog->XDisplacement.Text), "2");
  EXPECT_EQ(dialog->Rotation.Unit, "[Deg]");
  EXPECT_EQ(dialog->Direction, 3);
  dialog->Direction = 2;
  dialog->YDisplacement.Text = "-5";
  dialog->Rotation.Text = "45*2";
  dialog->Locked = true;
  dialog->Rolled = true;
  ASSERT_EQ(dialog->Apply(doc, parameters), ApplyOutcome::Applied);
  const TSupportObject& stored = std::get<TSupportObject>(*doc.GraphObjects[1]);
  EXPECT_EQ(stored.Direction, 2);
  EXPECT_DOUBLE_EQ(stored.DX, 0.002); // untouched: exactly as it was
  EXPECT_DOUBLE_EQ(stored.DY, -0.005);
  EXPECT_NEAR(stored.DRot, kPi / 2, 1e-12);
  EXPECT_TRUE(stored.Locked && stored.Rolled);
}

TEST_F(PropertyDialogs, DirectionsAreStoredWithinAHalfTurnEitherWay) {
  struct Case {
    const char* Typed;
    double ExpectedRad;
  };
  const Case cases[] = {
      {"270", -90 * kDeg},   {"180", 180 * kDeg}, {"-180", 180 * kDeg},
      {"360+45", 45 * kDeg}, {"-90", -90 * kDeg}, {"540", 180 * kDeg},
  };
  for (const Case& c : cases) {
    ModelDocument doc;
    PutNode(doc, 1, 0, 0);
    testing::AddForce(doc, 1, 1, 1000, kPi / 2);
    auto dialog = OpenLoadDialog(doc, 1, Metres());
    ASSERT_TRUE(dialog);
    dialog->Angle.Text = c.Typed;
    ASSERT_EQ(dialog->Apply(doc, parameters), ApplyOutcome::Applied);
    EXPECT_NEAR(std::get<TForceObject>(*doc.GraphObjects[1]).Angle, c.ExpectedRad, 1e-12)
        << c.Typed;
  }
}

TEST_F(PropertyDialogs, EachKindShowsItsValueInItsOwnUnit) {
  ModelDocument doc;
  PutNode(doc, 1, 0, 0);
  PutNode(doc, 2, 4, 0);
  PutBeam(doc, 1, 1, 2);
  testing::AddForce(doc, 3, 1, 2500, kPi / 2);
  testing::AddLoad(doc, 4, 1, 1, 2, 1500, -kPi / 2);
  testing::AddMoment(doc, 5, 2, 12000);
  const UnitChoice units = Metres();
  auto force = OpenLoadDialog(doc, IndexOf(doc, ObjectKind::Force, 3), units);
  auto load = OpenLoadDialog(doc, IndexOf(doc, ObjectKind::Load, 4), units);
  auto moment = OpenLoadDialog(doc, IndexOf(doc, ObjectKind::Moment, 5), units);
  ASSERT_TRUE(force && load && moment);
  EXPECT_EQ(force->Caption, "Force: F3");
  EXPECT_EQ(force->Value.Unit, "[KN]");
  EXPECT_EQ(Trim(force->Value.Text), "2.5");
  EXPECT_EQ(Trim(force->Angle.Text), "90");
  EXPECT_FALSE(force->TextPos.Enabled);
  EXPECT_EQ(load->Value.Unit, "[KN/m]");
  EXPECT_EQ(Trim(load->Value.Text), "1.5");
  EXPECT_TRUE(load->TextPos.Enabled);
  EXPECT_EQ(moment->Value.Unit, "[KNm]");
  EXPECT_EQ(Trim(moment->Value.Text), "12");

  load->Value.Text = "3";
  load->TextPos.Text = "25";
  ASSERT_EQ(load->Apply(doc, parameters), ApplyOutcome::Applied);
  const TLoadObject& stored =
      std::get<TLoadObject>(*doc.GraphObjects[IndexOf(doc, ObjectKind::Load, 4)]);
  EXPECT_DOUBLE_EQ(stored.Value, 3000);
  EXPECT_DOUBLE_EQ(stored.TxtPos, 0.25);
  EXPECT_NEAR(stored.Angle, -kPi / 2, 1e-15);

  moment->Value.Text = "-2*4";
  ASSERT_EQ(moment->Apply(doc, parameters), ApplyOutcome::Applied);
  EXPECT_DOUBLE_EQ(
      std::get<TMomentObject>(*doc.GraphObjects[IndexOf(doc, ObjectKind::Moment, 5)]).Value, -8000);
}

// A load, force, moment or support moves to another case as one of its fields;
// without cases the dialogs offer no choice and write the objects as before.
TEST_F(PropertyDialogs, EachActionChoosesItsLoadCaseWhileTheDocumentHasCases) {
  const auto model = [] {
    ModelDocument doc;
    testing::AddNode(doc, 1, 0, 0);
    testing::AddNode(doc, 2, 4, 0);
    testing::AddBeam(doc, 1, 1, 2);
    testing::AddSupport(doc, 1, 1);
    testing::AddLoad(doc, 1, 1, 1, 2, -1000, kPi / 2);
    testing::AddForce(doc, 1, 2, 1000, kPi / 2);
    testing::AddMoment(doc, 1, 2, 500).Case = 9; // a case the document lacks: kept
    return doc;
  };
  struct Case {
    ObjectKind kind;
    std::uint16_t before;
  };
  const Case cases[] = {{ObjectKind::Support, 1},
                        {ObjectKind::Load, 1},
                        {ObjectKind::Force, 1},
                        {ObjectKind::Moment, 9}};
  for (const Case& c : cases) {
    ModelDocument doc = model();
    const std::string plain = WriteDocumentText(doc);
    const int index = IndexOf(doc, c.kind, 1);
    // Without cases: no choice, and OK writes the document byte for byte.
    CaseField field = c.kind == ObjectKind::Support ? OpenSupportDialog(doc, index, Metres())->Case
                                                    : OpenLoadDialog(doc, index, Metres())->Case;
    EXPECT_FALSE(field.Shown());
    if (c.kind == ObjectKind::Support) {
      ASSERT_EQ(OpenSupportDialog(doc, index, Metres())->Apply(doc, parameters),
                ApplyOutcome::Applied);
    } else {
      ASSERT_EQ(OpenLoadDialog(doc, index, Metres())->Apply(doc, parameters),
                ApplyOutcome::Applied);
    }
    EXPECT_EQ(WriteDocumentText(doc), plain);

    doc.Settings.LoadCases = {MakeLoadCase(1, "G", ActionCategory::Permanent),
                              MakeLoadCase(2, "Snow", ActionCategory::Snow)};
    const auto caseOf = [&doc, index] {
      return std::visit(
          [](const auto& o) -> long {
            if constexpr (requires { o.Case; })
              return o.Case;
            else
              return -1;
          },
          *doc.GraphObjects[static_cast<std::size_t>(index)]);
    };
    if (c.kind == ObjectKind::Support) {
      SupportDialogModel dialog = *OpenSupportDialog(doc, index, Metres());
      ASSERT_TRUE(dialog.Case.Shown());
      EXPECT_EQ(dialog.Case.Chosen, c.before);
      EXPECT_EQ(dialog.Case.Texts.front(), "1: G");
      dialog.Case.Chosen = 2;
      ASSERT_EQ(dialog.Apply(doc, parameters), ApplyOutcome::Applied);
    } else {
      LoadDialogModel dialog = *OpenLoadDialog(doc, index, Metres());
      ASSERT_TRUE(dialog.Case.Shown());
      EXPECT_EQ(dialog.Case.Chosen, c.before);
      // The unknown case is offered under its number, so OK does not lose it.
      EXPECT_EQ(dialog.Case.Cases.size(), c.before == 9 ? 3u : 2u);
      EXPECT_GE(dialog.Case.ChosenIndex(), 0);
      ASSERT_EQ(dialog.Apply(doc, parameters), ApplyOutcome::Applied);
      EXPECT_EQ(caseOf(), c.before); // untouched choice: the case stays
      dialog.Case.Chosen = 2;
      ASSERT_EQ(dialog.Apply(doc, parameters), ApplyOutcome::Applied);
    }
    EXPECT_EQ(caseOf(), 2) << static_cast<int>(c.kind);
  }
}

} // namespace
} // namespace strandel
