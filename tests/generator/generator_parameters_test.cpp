#include "generator/generator_parameters.h"

#include <gtest/gtest.h>

namespace strandel {
namespace {

GeneratorParameters Preset(StructureKind kind) {
  GeneratorParameters p;
  ApplyKindPreset(p, kind);
  return p;
}

TEST(GeneratorParameters, InitialValuesAndPresets) {
  const GeneratorParameters initial;
  EXPECT_EQ(initial, (GeneratorParameters{StructureKind::Frame, 6, 5, 1, 3, 3, -1000}));
  GeneratorParameters p = initial;
  ApplyKindPreset(p, StructureKind::Tower);
  EXPECT_EQ(p, (GeneratorParameters{StructureKind::Tower, 1, 4, 1, 3, 4, -1000}));
  ApplyKindPreset(p, StructureKind::TrussGirder);
  EXPECT_EQ(p, (GeneratorParameters{StructureKind::TrussGirder, 6, 1, 1, 4, 4, -1000}));
  ApplyKindPreset(p, StructureKind::Arch);
  EXPECT_EQ(p, (GeneratorParameters{StructureKind::Arch, 8, 1, 1, 8, 4, -1000}));
  ApplyKindPreset(p, StructureKind::SuspensionBridge);
  EXPECT_EQ(p, (GeneratorParameters{StructureKind::SuspensionBridge, 8, 2, 0.5, 8, 4, -1000}));
  ApplyKindPreset(p, StructureKind::Frame);
  EXPECT_EQ(p, (GeneratorParameters{StructureKind::Frame, 6, 5, 0.5, 3, 3, -1000}));
}

TEST(GeneratorParameters, FieldsInUseByKind) {
  EXPECT_TRUE(UsesMiddleHeight(StructureKind::SuspensionBridge));
  EXPECT_FALSE(UsesMiddleHeight(StructureKind::Arch));
  EXPECT_FALSE(UsesLengthSections(StructureKind::Tower));
  EXPECT_FALSE(UsesLoad(StructureKind::Tower));
  EXPECT_TRUE(UsesLoad(StructureKind::TrussGirder));
  EXPECT_TRUE(UsesHeightSections(StructureKind::Frame));
  EXPECT_TRUE(UsesHeightSections(StructureKind::Tower));
  EXPECT_FALSE(UsesHeightSections(StructureKind::SuspensionBridge));
}

TEST(GeneratorParameters, TextsThatAreNotAcceptedKeepTheValue) {
  GeneratorParameters p;
  ReadGeneratorFields(p, {"abc", "0", "-1", "0.5", "", "x"}, 1, 1);
  EXPECT_EQ(p, GeneratorParameters{});
  ReadGeneratorFields(p, {"7,5", "2.5", "1e0", "2.9", "4", "0"}, 1, 1);
  EXPECT_EQ(p.W, 7.5);
  EXPECT_EQ(p.H, 2.5);
  EXPECT_EQ(p.H2, 1);
  EXPECT_EQ(p.n, 2); // the integer part
  EXPECT_EQ(p.m, 4);
  EXPECT_EQ(p.q, 0); // any number is a load
}

TEST(GeneratorParameters, TypedValuesAreInTheShownUnits) {
  GeneratorParameters p;
  // Length in [cm] (100 per metre), distributed load in [KN/m] (0.001 per N/m).
  ReadGeneratorFields(p, {"600", "450", std::nullopt, std::nullopt, std::nullopt, "-2.5"}, 100,
                      0.001);
  EXPECT_DOUBLE_EQ(p.W, 6);
  EXPECT_DOUBLE_EQ(p.H, 4.5);
  EXPECT_DOUBLE_EQ(p.q, -2500);
}

TEST(GeneratorParameters, AFrameOfMoreThan25CellsGivesUpWhatWasTyped) {
  GeneratorParameters p;
  p.n = 4;
  ReadGeneratorFields(p, {.m = "10"}, 1, 1);
  EXPECT_EQ(p.m, 6); // nearest to 25 / 4 = 6.25
  EXPECT_EQ(p.n, 4);
  p = GeneratorParameters{};
  p.n = 7;
  ReadGeneratorFields(p, {.m = "5"}, 1, 1);
  EXPECT_EQ(p.m, 4); // nearest to 25 / 7 = 3.57; 7 x 4 = 28 is accepted
  EXPECT_EQ(p.n, 7);
  p = GeneratorParameters{};
  ReadGeneratorFields(p, {.n = "60"}, 1, 1);
  EXPECT_EQ(p.m, 3);
  EXPECT_EQ(p.n, 8); // nearest to 25 / 3 = 8.33
  p = GeneratorParameters{};
  ReadGeneratorFields(p, {.n = "60", .m = "60"}, 1, 1);
  EXPECT_EQ(p.m, 1);  // 25 / 60 rounds to 0: at least one storey
  EXPECT_EQ(p.n, 25); // then 25 / 1
  p = GeneratorParameters{};
  ReadGeneratorFields(p, {.n = "5", .m = "5"}, 1, 1);
  EXPECT_EQ(p.n, 5); // 25 cells are allowed
  EXPECT_EQ(p.m, 5);
}

TEST(GeneratorParameters, SectionCountsRisesAndSagsAreKeptInRange) {
  GeneratorParameters p = Preset(StructureKind::Tower);
  ReadGeneratorFields(p, {.m = "40"}, 1, 1);
  EXPECT_EQ(p.m, 25);
  for (StructureKind kind :
       {StructureKind::TrussGirder, StructureKind::Arch, StructureKind::SuspensionBridge}) {
    p = Preset(kind);
    ReadGeneratorFields(p, {.n = "2"}, 1, 1);
    EXPECT_EQ(p.n, 3);
    ReadGeneratorFields(p, {.n = "99"}, 1, 1);
    EXPECT_EQ(p.n, 25);
  }
  p = Preset(StructureKind::Arch);
  ReadGeneratorFields(p, {.H = "5"}, 1, 1);
  EXPECT_EQ(p.H, 4); // a half circle at most
  p = Preset(StructureKind::SuspensionBridge);
  ReadGeneratorFields(p, {.H2 = "2"}, 1, 1);
  EXPECT_DOUBLE_EQ(p.H2, 1.8);
  ReadGeneratorFields(p, {.H = "1"}, 1, 1);
  EXPECT_DOUBLE_EQ(p.H2, 0.9); // the chain's ends came down to its low point
}

} // namespace
} // namespace strandel
