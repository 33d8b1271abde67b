// The "Select units" dialog: its boxes, what picking and the presets change,
// and how a unit name with a power is drawn.

#include <gtest/gtest.h>

#include "common/translation.h"
#include "dialogs/units_dialog_model.h"

namespace strandel {
namespace {

std::size_t BoxOf(const UnitsDialogModel& dialog, Quantity quantity) {
  for (std::size_t i = 0; i < dialog.Boxes.size(); ++i)
    if (dialog.Boxes[i].Shown == quantity) return i;
  return dialog.Boxes.size();
}

TEST(UnitsDialog, ElevenLabelledBoxesInTheDialogsOrder) {
  ASSERT_TRUE(LoadLanguage(std::string(STRANDEL_SOURCE_DIR) + "/data/Languages/English.txt"));
  const UnitsDialogModel dialog = OpenUnitsDialog(UnitChoice{});
  SetTranslations({});
  ASSERT_EQ(dialog.Boxes.size(), 11u);
  EXPECT_EQ(dialog.Caption, "Select units");
  const char* labels[] = {"Length:",          "Displacement:",
                          "Force:",           "Distributed load:",
                          "Stress:",          "Surf.mom.of inert:",
                          "Section modulus:", "Area:",
                          "Moment:",          "Mass:",
                          "Density:"};
  for (std::size_t i = 0; i < 11; ++i)
    EXPECT_EQ(dialog.Boxes[i].Label, labels[i]) << i;
  // Displacement has no list of its own: it offers the length units.
  EXPECT_EQ(dialog.Boxes[1].Names, dialog.Boxes[0].Names);
  EXPECT_EQ(dialog.Boxes[0].Names.size(), 6u);
  EXPECT_EQ(dialog.Boxes[0].Names[3], "[mm]");
  EXPECT_EQ(dialog.Boxes[10].Names.size(), 3u);
}

TEST(UnitsDialog, PickingChangesOnlyTheWorkingCopy) {
  const UnitChoice stored;
  UnitsDialogModel dialog = OpenUnitsDialog(stored);
  const std::size_t stress = BoxOf(dialog, Quantity::Stress);
  EXPECT_EQ(dialog.SelectedRow(stress), 1); // [MPa], position 2
  dialog.Select(stress, 6);                 // [ksi]
  EXPECT_EQ(dialog.Working.Stress, 7);
  EXPECT_EQ(dialog.SelectedRow(stress), 6);
  dialog.Select(stress, 7); // no eighth stress unit
  dialog.Select(stress, -1);
  dialog.Select(99, 0);
  EXPECT_EQ(dialog.Working.Stress, 7);
  EXPECT_EQ(stored.Stress, 2);
  const std::size_t displacement = BoxOf(dialog, Quantity::Displacement);
  dialog.Select(displacement, 0);
  EXPECT_EQ(dialog.Working.Displacement, 1);
  EXPECT_EQ(dialog.Working.Length, 3); // the length choice is its own
}

TEST(UnitsDialog, PresetsSetEveryBoxButUsKeepsTheDensity) {
  UnitChoice stored;
  stored.Density = 2; // [Ton/m^3]
  UnitsDialogModel dialog = OpenUnitsDialog(stored);
  dialog.Preset(UnitPreset::US);
  const std::size_t length = BoxOf(dialog, Quantity::Length);
  EXPECT_EQ(dialog.Boxes[length].Names[static_cast<std::size_t>(dialog.SelectedRow(length))],
            "[ft]");
  const std::size_t stress = BoxOf(dialog, Quantity::Stress);
  EXPECT_EQ(dialog.Boxes[stress].Names[static_cast<std::size_t>(dialog.SelectedRow(stress))],
            "[ksi]");
  EXPECT_EQ(dialog.Working.Density, 2);
  dialog.Preset(UnitPreset::SI);
  EXPECT_EQ(dialog.Working.Displacement, 4); // [mm]
  EXPECT_EQ(dialog.Working.Moment, 2);       // [KNm]
  EXPECT_EQ(dialog.Working.Density, 1);
}

TEST(UnitsDialog, AStoredChoiceOutsideItsListShowsTheFirstUnit) {
  UnitChoice stored;
  stored.Mass = 0;
  stored.Force = 40;
  const UnitsDialogModel dialog = OpenUnitsDialog(stored);
  EXPECT_EQ(dialog.SelectedRow(BoxOf(dialog, Quantity::Mass)), 0);
  EXPECT_EQ(dialog.SelectedRow(BoxOf(dialog, Quantity::Force)), 0);
}

TEST(UnitsDialog, APowerIsDrawnRaisedWithoutItsCaret) {
  struct Case {
    std::string Name;
    std::string Plain;  // the characters drawn, in order
    std::string Raised; // 'r' where a character is raised
  };
  const Case cases[] = {
      {"[m^2]", "[m2]", "..r."},
      {"[N/mm^2]", "[N/mm2]", ".....r."},
      {"[kg/m^3]", "[kg/m3]", ".....r."},
      {"[KN]", "[KN]", "...."},
      {"^", "", ""},
      {"a^^b", "a^b", ".r."},
  };
  for (const Case& c : cases) {
    std::string plain, raised;
    for (const UnitGlyph& glyph : UnitNameGlyphs(c.Name)) {
      plain.push_back(glyph.Character);
      raised.push_back(glyph.Superscript ? 'r' : '.');
    }
    EXPECT_EQ(plain, c.Plain) << c.Name;
    EXPECT_EQ(raised, c.Raised) << c.Name;
  }
}

} // namespace
} // namespace strandel
