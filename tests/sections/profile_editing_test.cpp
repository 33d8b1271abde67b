// Choosing a shape from the shape menu and defining a profile by its second
// moment and area.

#include <cmath>

#include <gtest/gtest.h>

#include "common/translation.h"
#include "model/document.h"
#include "sections/library_files.h"
#include "sections/profile.h"

namespace strandel {
namespace {

UnitChoice SiUnits() {
  UnitChoice units;
  units.Area = 1;            // [m^2]
  units.MomentOfInertia = 1; // [m^4]
  return units;
}

TEST(ProfileByIA, RectangleWithTheGivenSecondMomentAndArea) {
  TBeamObject beam;
  beam.ShapeNo = kIProfile;
  beam.ProfName = "IPE 200";
  beam.TL = 0.0056;
  // I = 1e-4 m^4, A = 0.012 m^2: H = sqrt(12 I / A) = sqrt(0.1) = 0.316228 m,
  // B = A / H = 0.0379473 m; and indeed B H^3 / 12 = 1e-4, B H = 0.012.
  ASSERT_TRUE(ProfileByIA(beam, "1e-4", "0,012", SiUnits()));
  EXPECT_EQ(beam.ShapeNo, kRectangularMassive);
  EXPECT_EQ(beam.ProfName, "Rectangular massive");
  EXPECT_NEAR(beam.H, 0.316228, 1e-6);
  EXPECT_NEAR(beam.B, 0.0379473, 1e-7);
  ModelDocument doc;
  EXPECT_NEAR(Iy(beam, doc), 1e-4, 1e-16);
  EXPECT_NEAR(A(beam, doc), 0.012, 1e-16);
  EXPECT_EQ(beam.TL, 0.0056); // the other dimensions stay
}

TEST(ProfileByIA, AnswersAreInTheDisplayUnits) {
  // The program's default units: I in cm^4, A in cm^2. 10000 cm^4 and 120 cm^2
  // are the same rectangle as above.
  SetTranslations({});
  TBeamObject beam;
  const ProfileByIAPrompts prompts = ProfileByIAQuestions(UnitChoice{});
  EXPECT_EQ(prompts.Caption, "Define profile by I and A");
  EXPECT_EQ(prompts.IPrompt, "Enter I [cm^4]");
  EXPECT_EQ(prompts.APrompt, "Enter A [cm^2]");
  ASSERT_TRUE(ProfileByIA(beam, "10000", "120", UnitChoice{}));
  EXPECT_NEAR(beam.H, 0.316228, 1e-6);
  EXPECT_NEAR(beam.B, 0.0379473, 1e-7);
}

TEST(ProfileByIA, AnswersThatGiveNoRectangleKeepTheDimensions) {
  const char* answers[][2] = {{"abc", "0.012"}, {"1e-4", ""},    {"0", "0.012"},
                              {"1e-4", "0"},    {"-1", "0.012"}, {"1e-4", "-0.01"}};
  for (const auto& answer : answers) {
    TBeamObject beam;
    beam.ShapeNo = kTProfile;
    beam.H = 0.1;
    beam.B = 0.05;
    EXPECT_FALSE(ProfileByIA(beam, answer[0], answer[1], SiUnits())) << answer[0] << answer[1];
    // The shape and name are set before asking; the dimensions stay.
    EXPECT_EQ(beam.ShapeNo, kRectangularMassive);
    EXPECT_EQ(beam.ProfName, "Rectangular massive");
    EXPECT_EQ(beam.H, 0.1);
    EXPECT_EQ(beam.B, 0.05);
  }
}

TEST(NewDefaultProfile, TakesTheShapeAndItsName) {
  SetTranslations({}); // no language loaded: the shape's own caption
  TBeamObject beam;
  beam.H = 0.3;
  NewDefaultProfile(beam, kCircularTube);
  EXPECT_EQ(beam.ShapeNo, kCircularTube);
  EXPECT_EQ(beam.ProfName, "Circular Tube");
  EXPECT_FALSE(beam.Braced);
  EXPECT_EQ(beam.H, 0.3);
  // An angle cannot stand alone against buckling sideways: it becomes braced.
  NewDefaultProfile(beam, kLProfile);
  EXPECT_TRUE(beam.Braced);
  EXPECT_EQ(beam.ProfName, "L - Profile");
  // Shapes outside the menu are clamped to it.
  NewDefaultProfile(beam, 0);
  EXPECT_EQ(beam.ShapeNo, 1);
  NewDefaultProfile(beam, 42);
  EXPECT_EQ(beam.ShapeNo, 10);
  EXPECT_EQ(beam.ProfName, "LL - Profile");
  // With a language loaded, texts 120..129 name the shapes.
  std::vector<std::string> texts(130, "");
  texts[124] = "I-Profil";
  SetTranslations(texts);
  NewDefaultProfile(beam, kIProfile);
  EXPECT_EQ(beam.ProfName, "I-Profil");
  SetTranslations({});
}

TEST(LibraryReaders, HostileBytesNeverCrash) {
  const std::string inputs[] = {
      std::string("\0\0\0[", 4),
      "[Profile-Data]\nShapeNo=5\nH=1e308\nB=-1e308\nTl=nan\nTf=inf\n",
      "[General-Material-data]\nMtrlDesc=#13#1#13#10#13\n[Material-Characteristics]\nEk=1e999\n",
      std::string(5000, '['),
      "[Profile-Data]\nShapeNo=99999999999999999999\n",
  };
  ModelDocument doc;
  for (const std::string& bytes : inputs) {
    TBeamObject beam;
    ReadMaterialText(bytes, "x", beam);
    if (ReadProfileText(bytes, "x", beam).ok) {
      // Whatever was read, the values are numbers or undefined; nothing traps.
      A(beam, doc);
      Iy(beam, doc);
      Aeff(beam, doc);
      IxRed(beam, doc);
    }
    EXPECT_TRUE(std::isfinite(beam.Ek));
  }
}

} // namespace
} // namespace strandel
