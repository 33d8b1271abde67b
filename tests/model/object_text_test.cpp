#include "model/object_text.h"

#include <gtest/gtest.h>

#include "common/number_text.h"
#include "common/record.h"
#include "model/colour_text.h"

namespace strandel {
namespace {

// The beam line written by hand from its field table: 79 fields, the listed
// separators, numbers in the three-digit display form with the blank column.
constexpr const char* kTimberBeamLine =
    "2;1;1;2;True;False;False;; 0; 0; 4; 0;Floor;C24;WOOD;Line one#13#10Line two;False;;;;;;"
    " 14000000; 21000000; 24000000; 1.10E+10;; 420;;;;;;;;;;;;;;;;;;;;;;" // 22 ";" after field 28
    "1;45x195;;;;;;; 0.045; 0.195; 0; 0;;;;;;2;1;1;0;0;;;;;;;$00CCCCCC; 0.5";

TBeamObject TimberBeam() {
  TBeamObject beam;
  beam.Number = 1;
  beam.Node1 = 1;
  beam.Node2 = 2;
  beam.Locked1 = true;
  beam.X2 = 4;
  beam.BeamGroup = "Floor";
  beam.MtrlName = "C24";
  beam.MtrlType = "WOOD";
  beam.MtrlDesc = "Line one\r\nLine two";
  beam.Ftk = 14e6;
  beam.Fck = 21e6;
  beam.Fmk = 24e6;
  beam.Ek = 11e9;
  beam.Dens = 420;
  beam.ProfName = "45x195";
  beam.B = 0.045;
  beam.H = 0.195;
  beam.SafetyClass = 2;
  beam.ClimateZone = 1;
  beam.LoadDuration = 1;
  return beam;
}

TEST(BeamLine, WritesEveryFieldInItsPlace) {
  const std::string line = WriteText(TimberBeam());
  EXPECT_EQ(line, kTimberBeamLine);
  EXPECT_EQ(std::count(line.begin(), line.end(), ';'), 78);
}

TEST(BeamLine, ALoneKindCodeGivesEveryDefault) {
  ModelDocument doc;
  AppendObject<TBeamObject>(doc).Number = 4;
  TBeamObject beam;
  ASSERT_TRUE(ReadText("2", beam, doc).ok);
  EXPECT_EQ(beam.Number, 5);
  EXPECT_EQ(beam.Node1, 1);
  EXPECT_EQ(beam.Node2, 2);
  EXPECT_EQ(beam.X1, 0);
  EXPECT_EQ(beam.Y1, 0);
  EXPECT_EQ(beam.X2, 1);
  EXPECT_EQ(beam.Y2, 1);
  EXPECT_EQ(beam.MtrlName, "K12");
  EXPECT_EQ(beam.MtrlType, "WOOD");
  EXPECT_EQ(beam.Ftk, 1e6);
  EXPECT_EQ(beam.Fck, 1e6);
  EXPECT_EQ(beam.Fmk, 1e6);
  EXPECT_EQ(beam.Ek, 1e9);
  EXPECT_EQ(beam.Dens, 7800);
  EXPECT_EQ(beam.ProfName, "WOOD 10x10");
  EXPECT_EQ(beam.ShapeNo, 1);
  EXPECT_EQ(beam.B, 0.01);
  EXPECT_EQ(beam.H, 0.01);
  EXPECT_EQ(beam.TL, 0.01);
  EXPECT_EQ(beam.TF, 0.01);
  EXPECT_EQ(beam.SafetyClass, 3);
  EXPECT_EQ(beam.ClimateZone, 3);
  EXPECT_EQ(beam.LoadDuration, 0);
  EXPECT_EQ(beam.BeamColor, 0xCCCCCCu);
  EXPECT_EQ(beam.TxtPos, 0.5);
  EXPECT_FALSE(beam.Locked1 || beam.Locked2 || beam.Braced || beam.HardenAble);
}

TEST(BeamLine, LoadDurationIsRoundedHalvesToEven) {
  ModelDocument doc;
  TBeamObject beam;
  std::string line = WriteText(TimberBeam());
  const std::string field69 = ";2;1;1;0;0;";
  const auto at = line.find(field69);
  ASSERT_NE(at, std::string::npos);
  line.replace(at, field69.size(), ";2;1;2.5;0;0;");
  ASSERT_TRUE(ReadText(line, beam, doc).ok);
  EXPECT_EQ(beam.LoadDuration, 2);
  line.replace(line.find(";2.5;"), 5, ";3,5;");
  ASSERT_TRUE(ReadText(line, beam, doc).ok);
  EXPECT_EQ(beam.LoadDuration, 4);
}

TEST(BeamLine, SemicolonsInTextsCannotBreakTheLine) {
  TBeamObject beam = TimberBeam();
  beam.BeamGroup = "Roof;north";
  beam.MtrlName = "C;24";
  beam.ProfName = "45;195";
  beam.MtrlDesc = "a;b";
  const std::string line = WriteText(beam);
  EXPECT_EQ(std::count(line.begin(), line.end(), ';'), 78);
  ModelDocument doc;
  TBeamObject back;
  ASSERT_TRUE(ReadText(line, back, doc).ok);
  EXPECT_EQ(back.BeamGroup, "Roof,north");
  EXPECT_EQ(back.MtrlName, "C,24");
  EXPECT_EQ(back.ProfName, "45,195");
  EXPECT_EQ(back.MtrlDesc, "a,b");
  EXPECT_EQ(back.TxtPos, 0.5);
}

TEST(BeamLine, ALongDescriptionIsShortenedToKeepTheLineReadable) {
  TBeamObject beam = TimberBeam();
  beam.MtrlDesc.clear();
  for (int i = 0; i < 400; ++i)
    beam.MtrlDesc += "ab\r\n";
  const std::string line = WriteText(beam);
  EXPECT_LE(line.size(), 1023u);
  EXPECT_GT(line.size(), 1000u);
  ModelDocument doc;
  TBeamObject back;
  ASSERT_TRUE(ReadText(line, back, doc).ok);
  EXPECT_EQ(back.BeamColor, beam.BeamColor); // the fields after the description survive
  EXPECT_EQ(back.TxtPos, 0.5);
  EXPECT_EQ(back.MtrlDesc.find('#'), std::string::npos); // no escape cut in half
  EXPECT_EQ(back.MtrlDesc.rfind("ab\r\n", 0), 0u);
}

TEST(ColorText, NamesHexAndDecimal) {
  EXPECT_EQ(ColorText(0x0000FF), "clRed");
  EXPECT_EQ(ColorText(0xFFFFFF), "clWhite");
  EXPECT_EQ(ColorText(0xCCCCCC), "$00CCCCCC");
  EXPECT_EQ(ColorText(0x8E8E8E), "$008E8E8E");
  EXPECT_EQ(ParseColorText("clred"), 0x0000FFu);
  EXPECT_EQ(ParseColorText("clNavy"), 0x800000u);
  EXPECT_EQ(ParseColorText("$CCCCCC"), 0xCCCCCCu);
  EXPECT_EQ(ParseColorText("$00A3a3A3"), 0xA3A3A3u);
  EXPECT_EQ(ParseColorText("255"), 0xFFu);
  EXPECT_FALSE(ParseColorText("clPink").has_value());
  EXPECT_FALSE(ParseColorText("").has_value());
}

TEST(ObjectLines, ShortLinesTakeTheirDefaults) {
  ModelDocument doc;
  TNodeObject node;
  node.Provisional = node.Selected = true;
  ASSERT_TRUE(ReadText("1;7", node, doc).ok);
  EXPECT_EQ(node.Number, 7);
  EXPECT_EQ(node.X, 0);
  EXPECT_EQ(node.Y, 1);
  EXPECT_EQ(node.HostBeam, -1);
  EXPECT_FALSE(node.Provisional || node.Selected);

  TSupportObject support;
  ASSERT_TRUE(ReadText("3", support, doc).ok);
  EXPECT_EQ(support.Number, 1);
  EXPECT_EQ(support.NodeNo, 1);
  EXPECT_EQ(support.Direction, 1); // the line's default, not the class default 3
  EXPECT_FALSE(support.Locked || support.Rolled);

  TLoadObject load;
  ASSERT_TRUE(ReadText("4;;;;;;;;;;;", load, doc).ok);
  EXPECT_EQ(load.Node1, 1);
  EXPECT_EQ(load.HostBeam, 1);
  EXPECT_EQ(load.X2, 1);
  EXPECT_EQ(load.Y2, 1);
  EXPECT_DOUBLE_EQ(load.Angle, kPi / 2);
  EXPECT_EQ(load.Value, 1);

  TMomentObject moment;
  ASSERT_TRUE(ReadText("6", moment, doc).ok);
  EXPECT_EQ(moment.X, 0.5);
  EXPECT_EQ(moment.Y, 0.5);
  EXPECT_EQ(moment.Value, 1);

  TForceObject force;
  ASSERT_TRUE(ReadText("5;;;1,5;2,25", force, doc).ok);
  EXPECT_EQ(force.X, 1.5);
  EXPECT_EQ(force.Y, 2.25);
  EXPECT_EQ(force.Value, 1);
}

TEST(TemplateBeam, NewBeamsTakeTheTemplateOrEveryDefault) {
  ModelDocument doc;
  TBeamObject& fromTemplate = AppendBeamFromTemplate(doc, kTimberBeamLine);
  EXPECT_EQ(fromTemplate.MtrlName, "C24");
  EXPECT_EQ(fromTemplate.ProfName, "45x195");
  TBeamObject& fromNothing = AppendBeamFromTemplate(doc, "");
  EXPECT_EQ(fromNothing.MtrlName, "K12");
  EXPECT_EQ(fromNothing.MtrlType, "WOOD");
  EXPECT_EQ(fromNothing.ProfName, "WOOD 10x10");
  EXPECT_EQ(fromNothing.Number, 2);
  TBeamObject& fromDamaged = AppendBeamFromTemplate(doc, "2;x");
  EXPECT_EQ(fromDamaged.MtrlName, "K12");
  EXPECT_EQ(fromDamaged.Number, 3);
  EXPECT_EQ(doc.GraphObjects.size(), 3u);
}

} // namespace
} // namespace strandel
