// The dimensioning-rules dialog: seven switches on a working copy, and the
// second-order switch of its own.

#include <gtest/gtest.h>

#include "common/translation.h"
#include "dialogs/dimensioning_dialog_model.h"

namespace strandel {
namespace {

TEST(DimensioningRulesDialog, SecondOrderEffectsAreASwitchOfTheirOwn) {
  ModelDocument doc;
  DimensioningDialogModel dialog = OpenDimensioningDialog(doc);
  EXPECT_FALSE(dialog.SecondOrder()); // off in a new document
  dialog.SetSecondOrder(true);
  EXPECT_TRUE(dialog.IsOn(DimensioningSwitch::LatBuckRed));
  EXPECT_FALSE(doc.Settings.SecondOrder); // nothing stored before OK
  EXPECT_TRUE(dialog.Apply(doc));
  EXPECT_TRUE(doc.Settings.SecondOrder);
  EXPECT_TRUE(doc.Settings.LatBuckRed);

  dialog.Set(DimensioningSwitch::LatBuckRed, false);
  EXPECT_TRUE(dialog.SecondOrder());
  EXPECT_TRUE(dialog.Apply(doc));
  EXPECT_FALSE(doc.Settings.LatBuckRed);
  EXPECT_TRUE(doc.Settings.SecondOrder);
  EXPECT_FALSE(dialog.Apply(doc));
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
