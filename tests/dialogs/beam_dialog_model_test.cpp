// The beam dialog as a user works it: fields and choices into the edited copy,
// the layout by material and shape, the capacities it shows, beam groups, the
// library files, and what OK and Cancel leave in the model.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "common/files.h"
#include "common/number_text.h"
#include "common/text.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "common/user_message.h"
#include "dialogs/beam_dialog_model.h"
#include "model/document_file.h"
#include "model/object_text.h"
#include "sections/profile.h"
#include "support/frame_models.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

using testing::AddBeam;
using testing::AddNode;

UnitChoice Units() {
  UnitChoice units;
  units.Length = 1;       // [m]
  units.Displacement = 4; // [mm]
  units.Force = 2;        // [KN]
  units.Moment = 2;       // [KNm]
  units.Area = 3;         // [cm^2]
  units.Stress = 2;       // [MPa]
  return units;
}

// Three steel beams 0.1 x 0.2 m side by side, 4 m long.
ModelDocument ThreeBeams() {
  ModelDocument doc;
  for (int i = 0; i < 3; ++i) {
    AddNode(doc, 2 * i + 1, 2.0 * i, 0);
    AddNode(doc, 2 * i + 2, 2.0 * i, 4);
  }
  for (int i = 0; i < 3; ++i)
    AddBeam(doc, i + 1, 2 * i + 1, 2 * i + 2, false, false);
  return doc;
}

int BeamIndex(const ModelDocument& doc, int number) {
  for (std::size_t i = 0; i < doc.GraphObjects.size(); ++i)
    if (const auto* beam = std::get_if<TBeamObject>(doc.GraphObjects[i].get());
        beam && beam->Number == number)
      return static_cast<int>(i);
  return -1;
}

class BeamDialog : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(LoadLanguage(std::string(STRANDEL_SOURCE_DIR) + "/data/Languages/English.txt"));
    doc = ThreeBeams();
    dialog = *OpenBeamDialog(doc, BeamIndex(doc, 1), Units(), parameters);
  }
  void TearDown() override { SetTranslations({}); }

  const TBeamObject& Beam(int number) { return *FindBeam(doc, number); }

  ModelDocument doc;
  ParameterTable parameters;
  BeamDialogModel dialog;
  AppSettings settings;
  RecordingMessages messages;
};

TEST_F(BeamDialog, OpensOnlyForABeam) {
  const UnitChoice units = Units();
  EXPECT_FALSE(OpenBeamDialog(doc, -1, units, parameters));
  EXPECT_FALSE(OpenBeamDialog(doc, static_cast<int>(doc.GraphObjects.size()), units, parameters));
  EXPECT_FALSE(OpenBeamDialog(doc, 0, units, parameters)); // a node
  EXPECT_EQ(dialog.Caption, "Beam properties B1");
  EXPECT_EQ(dialog.H.Unit, "[mm]");
  EXPECT_EQ(Trim(dialog.H.Text), "200");
  EXPECT_EQ(Trim(dialog.Ftk.Text), "235");
  EXPECT_EQ(dialog.Ftk.Unit, "[MPa]");
  EXPECT_EQ(Trim(dialog.TextPos.Text), "50");
  EXPECT_EQ(dialog.DetailNames.size(), 26u);
}

TEST_F(BeamDialog, ARefusedTextWaitsThroughOtherChangesAndStopsOk) {
  dialog.Fck.Text = "abc";
  dialog.ChoiceChanged(doc, messages);
  // The choice took effect; the refused text is still there to be corrected.
  EXPECT_EQ(dialog.Fck.Text, "abc");
  EXPECT_EQ(dialog.Fck.Error, "Operator/Value/Variable/Parameter on position 1 was not recognized");
  EXPECT_DOUBLE_EQ(dialog.Copy.Fck, 235e6);
  EXPECT_EQ(dialog.Apply(doc, settings, messages), ApplyOutcome::FieldRefused);
  EXPECT_FALSE(doc.Modified);
  EXPECT_TRUE(settings.LastBeamStr.empty());
  // A profile from the shape menu keeps the dimensions: a refused height stays.
  dialog.H.Text = "0/0";
  dialog.ShapeChosen(3, doc, messages);
  EXPECT_EQ(dialog.H.Text, "0/0");
  dialog.H.Text = "250";
  dialog.Fck.Text = "2*120";
  ASSERT_EQ(dialog.Apply(doc, settings, messages), ApplyOutcome::Applied);
  EXPECT_EQ(Beam(1).Fck, 240e6);
  EXPECT_EQ(Beam(1).H, 0.25);
}

TEST_F(BeamDialog, EveryTypedDigitReachesTheBeamAndItsStoredLine) {
  // Millimetres and megapascals, typed with more digits than three.
  dialog.H.Text = "123.45";
  dialog.W.Text = "61.25";
  dialog.Ftk.Text = "1/3";
  dialog.Ek.Text = "210123.4";
  dialog.TextPos.Text = "12.345";
  ASSERT_EQ(dialog.Apply(doc, settings, messages), ApplyOutcome::Applied);
  const TBeamObject& beam = Beam(1);
  EXPECT_EQ(beam.H, ParseNumber("0.12345"));
  EXPECT_EQ(beam.B, ParseNumber("0.06125"));
  EXPECT_DOUBLE_EQ(beam.Ftk, 1e6 / 3);
  EXPECT_EQ(beam.Ek, ParseNumber("210123.4E6"));
  EXPECT_EQ(beam.TxtPos, ParseNumber("0.12345"));
  // The template for new beams holds the same digits.
  TBeamObject back;
  ASSERT_TRUE(ReadText(settings.LastBeamStr, back, doc).ok);
  for (auto [read, typed] : {std::pair{back.H, beam.H},
                             {back.B, beam.B},
                             {back.Ftk, beam.Ftk},
                             {back.Ek, beam.Ek},
                             {back.TxtPos, beam.TxtPos}})
    EXPECT_EQ(read, typed);
  EXPECT_NE(settings.LastBeamStr.find("; 0.12345;"), std::string::npos);
  EXPECT_NE(settings.LastBeamStr.find("; 2.101234E+11;"), std::string::npos);
}

TEST_F(BeamDialog, TheMaterialDecidesWhichChoicesShow) {
  struct Case {
    const char* Type;
    bool Climate, Duration, Hardenable;
    std::size_t Manufactures;
  };
  const Case cases[] = {
      {"WOOD", true, true, false, 2},
      {"STEEL", false, false, false, 3},
      {"ALUMINIUM", false, false, true, 2},
  };
  for (const Case& c : cases) {
    dialog.Copy.MtrlType = c.Type;
    dialog.RefreshLayout();
    EXPECT_EQ(dialog.ClimateZone.Visible, c.Climate) << c.Type;
    EXPECT_EQ(dialog.LoadDuration.Visible, c.Duration) << c.Type;
    EXPECT_EQ(dialog.Hardenable.Visible, c.Hardenable) << c.Type;
    EXPECT_EQ(dialog.Manufacture.Items.size(), c.Manufactures) << c.Type;
  }
  dialog.Copy.MtrlType = "STEEL";
  dialog.RefreshLayout();
  EXPECT_EQ(dialog.Manufacture.Items[2], "Welded");
}

TEST_F(BeamDialog, LoadingAMaterialSwitchesTheLayout) {
  testing::TempFolder folder;
  const std::string wood = folder.Path() + "C24.txt";
  ASSERT_TRUE(WriteFileAtomically(wood, "[General-Material-data]\nMtrlType=WOOD\n"
                                        "[Material-Characteristics]\nFtk=14500000\n")
                  .ok);
  dialog.LoadMaterial(wood, doc, messages);
  EXPECT_EQ(dialog.MaterialName, "C24");
  EXPECT_TRUE(dialog.ClimateZone.Visible);
  EXPECT_EQ(Trim(dialog.Ftk.Text), "14.5");
  const std::string steel = folder.Path() + "S355.txt";
  ASSERT_TRUE(WriteFileAtomically(steel, "[General-Material-data]\nMtrlType=STEEL\n").ok);
  dialog.LoadMaterial(steel, doc, messages);
  EXPECT_FALSE(dialog.ClimateZone.Visible || dialog.LoadDuration.Visible ||
               dialog.Hardenable.Visible);
  EXPECT_TRUE(messages.Entries.empty());
}

TEST_F(BeamDialog, TheShapeDecidesWhichDimensionsApply) {
  struct Case {
    int Shape;
    bool W, TL, TF;
  };
  const Case cases[] = {
      {kRectangularMassive, true, false, false},
      {kCircularMassive, false, false, false},
      {kRectangularTube, true, true, false},
      {kCircularTube, false, true, false},
      {kIProfile, true, true, true},
      {kUProfile, true, true, true},
      {kTProfile, true, true, false},
      {kLLProfile, true, true, false},
  };
  for (const Case& c : cases) {
    dialog.ShapeChosen(c.Shape, doc, messages);
    EXPECT_TRUE(dialog.H.Enabled) << c.Shape;
    EXPECT_EQ(dialog.W.Enabled, c.W) << c.Shape;
    EXPECT_EQ(dialog.TL.Enabled, c.TL) << c.Shape;
    EXPECT_EQ(dialog.TF.Enabled, c.TF) << c.Shape;
  }
  EXPECT_EQ(dialog.ProfileName, "LL - Profile");
}

TEST_F(BeamDialog, AnLProfileStaysBraced) {
  dialog.ShapeChosen(kLProfile, doc, messages);
  EXPECT_EQ(dialog.Braced.Selected, 1);
  dialog.Braced.Selected = 0;
  dialog.BracedChanged(doc, messages);
  ASSERT_EQ(messages.Entries.size(), 1u);
  EXPECT_EQ(messages.Entries[0].Text, Translated(263));
  EXPECT_EQ(dialog.Braced.Selected, 1);
  EXPECT_TRUE(dialog.Copy.Braced);
  dialog.ShapeChosen(kIProfile, doc, messages);
  dialog.Braced.Selected = 0;
  dialog.BracedChanged(doc, messages);
  EXPECT_FALSE(dialog.Copy.Braced);
  EXPECT_EQ(messages.Entries.size(), 1u);
}

TEST_F(BeamDialog, CapacitiesAgainstAHandCalculation) {
  // S235, 0.1 x 0.2 m, safety class 1, no dimension control: Ftd = 235 / 1.1
  // MPa, Rtd = Ftd A = 213.6 MPa x 0.02 m^2 = 4273 kN, 91 % of Ftk A.
  // Md = Ftd W = 213.6 MPa x 0.1 x 0.2^2 / 6 m^3 = 142.4 kNm.
  EXPECT_NEAR(ParseNumber(dialog.Capacities[1].Value), 4273, 10);
  EXPECT_EQ(dialog.Capacities[1].Unit, "[KN]");
  EXPECT_EQ(dialog.Capacities[1].Bar, 91);
  EXPECT_NEAR(ParseNumber(dialog.Capacities[2].Value), 142, 1);
  EXPECT_EQ(dialog.Capacities[2].Unit, "[KNm]");
  EXPECT_EQ(dialog.Capacities[2].Bar, 91);
  // Dimension control lifts the reduction.
  dialog.DimControl.Selected = 1;
  dialog.ChoiceChanged(doc, messages);
  EXPECT_NEAR(ParseNumber(dialog.Capacities[1].Value), 4700, 10);
  EXPECT_EQ(dialog.Capacities[1].Bar, 100);
  // A compression capacity below the plain one (buckling over 4 m).
  EXPECT_LT(dialog.Capacities[0].Bar, 100);
  EXPECT_GT(dialog.Capacities[0].Bar, 0);
}

TEST_F(BeamDialog, TheDetailsListShowsTheChosenValueInItsUnit) {
  dialog.SelectedDetail = 0; // A = 0.02 m^2 = 200 cm^2
  dialog.ShowDetail(doc);
  EXPECT_EQ(Trim(dialog.DetailValue), "200");
  EXPECT_EQ(dialog.DetailUnit, "[cm^2]");
  dialog.SelectedDetail = 25; // StopNode
  dialog.ShowDetail(doc);
  EXPECT_EQ(dialog.DetailValue, "2");
  EXPECT_EQ(dialog.DetailUnit, "");
  dialog.SelectedDetail = 19; // HazRedFact for safety class 1
  dialog.ShowDetail(doc);
  EXPECT_EQ(Trim(dialog.DetailValue), "1");
  EXPECT_EQ(dialog.DetailUnit, "[-]");
}

TEST_F(BeamDialog, OkGivesTheWholeGroupTheProfileAndMaterial) {
  for (int number : {1, 2, 3})
    const_cast<TBeamObject&>(Beam(number)).BeamGroup = "G";
  dialog = *OpenBeamDialog(doc, BeamIndex(doc, 2), Units(), parameters);
  EXPECT_EQ(dialog.Caption, "Beam properties B2  (=B1,B3)");
  dialog.H.Text = "300";
  dialog.W.Text = "150";
  dialog.Fck.Text = "355";
  dialog.MaterialName = "S355";
  doc.ResultsValid = true;
  ASSERT_EQ(dialog.Apply(doc, settings, messages), ApplyOutcome::Applied);
  for (int number : {1, 2, 3}) {
    EXPECT_DOUBLE_EQ(Beam(number).H, 0.3) << number;
    EXPECT_DOUBLE_EQ(Beam(number).B, 0.15) << number;
    EXPECT_DOUBLE_EQ(Beam(number).Fck, 355e6) << number;
    EXPECT_EQ(Beam(number).MtrlName, "S355") << number;
  }
  // Their places in the frame stay their own.
  EXPECT_EQ(Beam(3).Node1, 5);
  EXPECT_DOUBLE_EQ(Beam(3).X1, 4.0);
  // The window marks the document and puts the results out of date, once.
  EXPECT_FALSE(doc.Modified);
  EXPECT_TRUE(doc.ResultsValid);
}

TEST_F(BeamDialog, JoiningAGroupTakesItsProperties) {
  TBeamObject& third = const_cast<TBeamObject&>(Beam(3));
  third.BeamGroup = "Rafters";
  third.H = 0.25;
  third.MtrlName = "C24";
  third.MtrlType = "WOOD";
  dialog.ShowValues(doc);
  ASSERT_EQ(dialog.Groups, std::vector<std::string>{"Rafters"});
  dialog.ChooseGroup("Rafters", doc, messages);
  EXPECT_EQ(dialog.Copy.BeamGroup, "Rafters");
  EXPECT_EQ(Trim(dialog.H.Text), "250");
  EXPECT_EQ(dialog.MaterialName, "C24");
  EXPECT_TRUE(dialog.ClimateZone.Visible);
  EXPECT_EQ(dialog.Copy.Node2, 2);
  EXPECT_EQ(dialog.Caption, "Beam properties B1  (=B3)");
}

TEST_F(BeamDialog, DeletingAGroupClearsItEverywhereOnOk) {
  for (int number : {1, 2, 3})
    const_cast<TBeamObject&>(Beam(number)).BeamGroup = number == 3 ? "H" : "G";
  dialog = *OpenBeamDialog(doc, BeamIndex(doc, 3), Units(), parameters);
  ASSERT_EQ(dialog.Groups, (std::vector<std::string>{"G", "H"}));
  dialog.DeleteGroup("G", doc);
  EXPECT_EQ(dialog.Groups, std::vector<std::string>{"H"});
  EXPECT_EQ(Beam(1).BeamGroup, "G"); // Cancel would leave the model as it was
  ASSERT_EQ(dialog.Apply(doc, settings, messages), ApplyOutcome::Applied);
  EXPECT_EQ(Beam(1).BeamGroup, "");
  EXPECT_EQ(Beam(2).BeamGroup, "");
  EXPECT_EQ(Beam(3).BeamGroup, "H");
}

TEST_F(BeamDialog, ANewGroupTakesTheCopy) {
  dialog.AddGroup("  Posts ", doc, messages);
  EXPECT_EQ(dialog.Copy.BeamGroup, "Posts");
  EXPECT_EQ(dialog.Groups, std::vector<std::string>{"Posts"});
  dialog.AddGroup("", doc, messages);
  dialog.AddGroup("a;b", doc, messages);
  EXPECT_EQ(dialog.Copy.BeamGroup, "Posts");
  EXPECT_EQ(messages.Entries.size(), 1u);
}

TEST_F(BeamDialog, TextsThatCannotBeStoredAreRefusedWithAMessage) {
  dialog.ProfileName = "HEA;200";
  dialog.ApplyFields(messages);
  EXPECT_EQ(dialog.Copy.ProfName, Beam(1).ProfName);
  EXPECT_EQ(dialog.ProfileName, Beam(1).ProfName);
  ASSERT_EQ(messages.Entries.size(), 1u);
  EXPECT_NE(messages.Entries[0].Text.find("may not contain \";\""), std::string::npos);
  dialog.Description = std::string(1100, 'x');
  dialog.ApplyFields(messages);
  EXPECT_EQ(dialog.Copy.MtrlDesc, Beam(1).MtrlDesc);
  ASSERT_EQ(messages.Entries.size(), 2u);
  EXPECT_NE(messages.Entries[1].Text.find("too long"), std::string::npos);
  // A description of several lines is kept with its line breaks.
  dialog.Description = "Line one\nLine two";
  dialog.ApplyFields(messages);
  EXPECT_EQ(dialog.Copy.MtrlDesc, "Line one\r\nLine two");
  EXPECT_EQ(messages.Entries.size(), 2u);
}

TEST_F(BeamDialog, OkKeepsTheBeamAsTemplateWithoutCornerLocks) {
  dialog.Corner1Locked = true;
  dialog.Corner2Locked = true;
  dialog.H.Text = "180";
  dialog.SetColour(0x0000FF);
  ASSERT_EQ(dialog.Apply(doc, settings, messages), ApplyOutcome::Applied);
  EXPECT_TRUE(Beam(1).Locked1 && Beam(1).Locked2);
  EXPECT_EQ(Beam(1).BeamColor, 0x0000FFu);
  ModelDocument fresh;
  const TBeamObject& made = AppendBeamFromTemplate(fresh, settings.LastBeamStr);
  EXPECT_DOUBLE_EQ(made.H, 0.18);
  EXPECT_FALSE(made.Locked1 || made.Locked2);
  EXPECT_EQ(made.BeamColor, 0x0000FFu);
}

TEST_F(BeamDialog, ABeamThatLeftTheModelIsNotWrittenNorItsGroupTouched) {
  dialog.H.Text = "999";
  dialog.AddGroup("New", doc, messages);
  // Another beam now holds the dialog's place in the list.
  std::swap(doc.GraphObjects[static_cast<std::size_t>(BeamIndex(doc, 1))],
            doc.GraphObjects[static_cast<std::size_t>(BeamIndex(doc, 2))]);
  const std::string before = WriteDocumentText(doc);
  EXPECT_EQ(dialog.Apply(doc, settings, messages), ApplyOutcome::ObjectGone);
  EXPECT_EQ(WriteDocumentText(doc), before);
  EXPECT_TRUE(settings.LastBeamStr.empty());
}

TEST_F(BeamDialog, WithoutOkTheModelStaysAsItWas) {
  const std::string before = WriteText(Beam(1));
  dialog.H.Text = "999";
  dialog.ShapeChosen(kIProfile, doc, messages);
  dialog.DefaultColour();
  dialog.AddGroup("New", doc, messages);
  EXPECT_EQ(WriteText(Beam(1)), before);
  EXPECT_FALSE(doc.Modified);
  EXPECT_TRUE(settings.LastBeamStr.empty());
}

TEST_F(BeamDialog, ProfilesRoundTripThroughTheLibrary) {
  testing::TempFolder folder;
  const std::string path = folder.Path() + "Box.txt";
  dialog.ShapeChosen(kRectangularTube, doc, messages);
  dialog.H.Text = "160";
  dialog.W.Text = "80";
  dialog.TL.Text = "5";
  ASSERT_TRUE(dialog.SaveProfile(path, messages));
  BeamDialogModel other = *OpenBeamDialog(doc, BeamIndex(doc, 2), Units(), parameters);
  other.LoadProfile(path, doc, messages);
  EXPECT_EQ(other.ProfileName, "Box");
  EXPECT_EQ(other.Copy.ShapeNo, kRectangularTube);
  EXPECT_EQ(Trim(other.H.Text), "160");
  EXPECT_EQ(Trim(other.TL.Text), "5");
  EXPECT_TRUE(other.TL.Enabled);
  // A profile by I and A: I = 8000 cm^4, A = 60 cm^2 gives H = sqrt(12 I / A)
  // = 40 cm and W = A / H = 1.5 cm.
  UnitChoice units = Units();
  units.MomentOfInertia = 3; // [cm^4]
  other.Units = units;
  other.ProfileByIA("8000", "60", doc, messages);
  EXPECT_EQ(Trim(other.H.Text), "400");
  EXPECT_EQ(Trim(other.W.Text), "15");
  EXPECT_TRUE(messages.Entries.empty());
}

} // namespace
} // namespace strandel
