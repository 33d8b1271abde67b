// The dimensioning-rules dialog: seven switches on a working copy, and the
// second-order box that always moves with lateral buckling.

#include <gtest/gtest.h>

#include "common/translation.h"
#include "dialogs/dimensioning_dialog_model.h"

namespace strandel {
namespace {

TEST(DimensioningRulesDialog, SecondOrderEffectsAndLateralBucklingAreOneSwitch) {
  ModelDocument doc;
  DimensioningDialogModel dialog = OpenDimensioningDialog(doc);
  dialog.SetSecondOrder(false);
  EXPECT_FALSE(dialog.IsOn(DimensioningSwitch::LatBuckRed));
  dialog.Set(DimensioningSwitch::LatBuckRed, true);
  EXPECT_TRUE(dialog.SecondOrder());
  dialog.SetSecondOrder(false);
  EXPECT_TRUE(doc.Settings.LatBuckRed); // nothing stored before OK
  EXPECT_TRUE(dialog.Apply(doc));
  EXPECT_FALSE(doc.Settings.LatBuckRed);
  EXPECT_TRUE(doc.Settings.FailHazRed && doc.Settings.DimUncertRed && doc.Settings.LocBuckRed &&
              doc.Settings.LoadDurRed && doc.Settings.AirMoistRed && doc.Settings.OwnWeight);
}

TEST(DimensioningRulesDialog, OkReportsWhetherAnySwitchChanged) {
  ModelDocument doc;
  DimensioningDialogModel dialog = OpenDimensioningDialog(doc);
  EXPECT_FALSE(dialog.Apply(doc));
  for (std::size_t i = 0; i < kDimensioningSwitchCount; ++i) {
    ModelDocument each;
    DimensioningDialogModel one = OpenDimensioningDialog(each);
    one.On[i] = false;
    EXPECT_TRUE(one.Apply(each)) << i;
    const bool stored[] = {each.Settings.FailHazRed, each.Settings.DimUncertRed,
                           each.Settings.LatBuckRed, each.Settings.LocBuckRed,
                           each.Settings.LoadDurRed, each.Settings.AirMoistRed,
                           each.Settings.OwnWeight};
    for (std::size_t j = 0; j < kDimensioningSwitchCount; ++j)
      EXPECT_EQ(stored[j], j != i) << i << " " << j;
  }
}

} // namespace
} // namespace strandel
