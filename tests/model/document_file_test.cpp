#include "model/document_file.h"

#include <cerrno>

#include <gtest/gtest.h>

#include "common/text.h"
#include "model/object_text.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

// A small frame of every object kind, and below it the document the program
// must write for it, typed by hand from the file layout.
ModelDocument PortalDocument() {
  ModelDocument doc;
  doc.Settings.OwnWeight = false;
  doc.LastModDate = "2004-03-01";
  doc.LastModByUser = "anna";
  doc.CreatedDate = "2004-02-28";
  doc.CreatedByUser = "anna";
  doc.CreationVersion = "3.1.4";
  doc.Settings.LoadHeight = 0.3;
  doc.Settings.FBDBeamNo = 1;
  auto node = [&](int n, double x, double y) {
    TNodeObject& o = AppendObject<TNodeObject>(doc);
    o.Number = static_cast<std::uint16_t>(n);
    o.X = x;
    o.Y = y;
    return &o;
  };
  node(1, 0, 0);
  node(2, 4, 0);
  TNodeObject* middle = node(3, 2, 0);
  middle->HostBeam = 1;
  middle->PositionOnBeam = 0.5;
  TBeamObject& beam = AppendObject<TBeamObject>(doc);
  beam.Number = 1;
  beam.Node1 = 1;
  beam.Node2 = 2;
  beam.X2 = 4;
  beam.MtrlName = "S355";
  beam.MtrlDesc = "Structural steel\r\nhot rolled";
  beam.Ftk = 355e6;
  beam.Fck = 355e6;
  beam.Fmk = 355e6;
  beam.Ek = 210e9;
  beam.Dens = 7850;
  beam.ProfName = "IPE 200";
  beam.ShapeNo = 5;
  beam.B = 0.1;
  beam.H = 0.2;
  beam.TL = 0.0056;
  beam.TF = 0.0085;
  beam.BeamColor = 0x0000FF;
  TSupportObject& pinned = AppendObject<TSupportObject>(doc);
  pinned.Number = 1;
  pinned.NodeNo = 1;
  TSupportObject& roller = AppendObject<TSupportObject>(doc);
  roller.Number = 2;
  roller.NodeNo = 2;
  roller.X = 4;
  roller.Direction = 1;
  roller.Rolled = true;
  TLoadObject& load = AppendObject<TLoadObject>(doc);
  load.Number = 1;
  load.Node1 = 1;
  load.Node2 = 2;
  load.HostBeam = 1;
  load.X2 = 4;
  load.Angle = -kPi / 2;
  load.Value = 2000;
  TForceObject& force = AppendObject<TForceObject>(doc);
  force.Number = 1;
  force.NodeNo = 3;
  force.X = 2;
  force.Value = 5000;
  TMomentObject& moment = AppendObject<TMomentObject>(doc);
  moment.Number = 1;
  moment.NodeNo = 2;
  moment.X = 4;
  moment.Value = -750;
  return doc;
}

const char* const kPortalText =
    "[Dimesioning-Settings]\r\n"
    "FailHazRed=True\r\n"
    "DimUncertRed=True\r\n"
    "LatBuckRed=True\r\n"
    "LocBuckRed=True\r\n"
    "LoadDurRed=True\r\n"
    "AirMoistRed=True\r\n"
    "OwnWeight=False\r\n"
    "[History-data]\r\n"
    "LastModDate=2004-03-01\r\n"
    "LastModByUser=anna\r\n"
    "CreatedDate=2004-02-28\r\n"
    "CreatedByUser=anna\r\n"
    "CreationVersion=3.1.4\r\n"
    "[Model-Settings]\r\n"
    "BeamHeight=0.11\r\n"
    "TxtHeight=0.11\r\n"
    "LoadHeight=0.3\r\n"
    "[Optimizer-data]\r\n"
    "VariableStr=\r\n"
    "[FBD-Settings]\r\n"
    "FBDBeamNo=1\r\n"
    "[Model-Objects]\r\n"
    "GraphObjCount=9\r\n"
    "Object001=1;1;0;0;0;-1\r\n"
    "Object002=1;2;4;0;0;-1\r\n"
    "Object003=1;3;2;0;0.5;1\r\n"
    "Object004=2;1;1;2;False;False;False;; 0; 0; 4; 0;;S355;STEEL;Structural steel#13#10hot "
    "rolled;False;;;;;; 3.55E+08; 3.55E+08; 3.55E+08; 2.10E+11;; 7850;;;;;;;;;;;;;;;;;;;;;;5;IPE "
    "200;;;;;;; 0.1; 0.2; 0.0056; 0.0085;;;;;;0;0;0;0;0;;;;;;;clRed; 0.5\r\n"
    "Object005=3;1;1;0;0;0;0;0;3;False;False\r\n"
    "Object006=3;2;2;0;0;0;4;0;1;False;True\r\n"
    "Object007=4;1;1;2;1;0;0;4;0;-1.5707963267948966;2000;0.5\r\n"
    "Object008=5;1;3;2;0;1.5707963267948966;5000\r\n"
    "Object009=6;1;2;4;0;1.5707963267948966;-750\r\n";

TEST(DocumentFile, WritesTheFixedLayoutByteForByte) {
  EXPECT_EQ(WriteDocumentText(PortalDocument()), kPortalText);
}

TEST(DocumentFile, ReadsBackAndWritesTheSameBytes) {
  ModelDocument doc;
  doc.Modified = true;
  ASSERT_TRUE(ReadDocumentText(kPortalText, doc).ok);
  EXPECT_FALSE(doc.Modified);
  ASSERT_EQ(doc.GraphObjects.size(), 9u);
  EXPECT_FALSE(doc.Settings.OwnWeight);
  EXPECT_EQ(doc.CreatedByUser, "anna");
  EXPECT_EQ(doc.Settings.FBDBeamNo, 1);
  EXPECT_EQ(FindBeam(doc, 1)->MtrlDesc, "Structural steel\r\nhot rolled");
  EXPECT_EQ(FindBeam(doc, 1)->BeamColor, 0x0000FFu);
  EXPECT_EQ(FindNode(doc, 3)->HostBeam, 1);
  EXPECT_EQ(std::get<TMomentObject>(*doc.GraphObjects[8]).Value, -750);
  EXPECT_EQ(WriteDocumentText(doc), kPortalText);
  // The same document as older versions wrote it, its quarter turns in fifteen
  // digits, keeps that text too.
  const std::string fifteen = ReplaceAll(kPortalText, "1.5707963267948966", "1.5707963267949");
  ModelDocument older;
  ASSERT_TRUE(ReadDocumentText(fifteen, older).ok);
  EXPECT_EQ(WriteDocumentText(older), fifteen);
}

TEST(DocumentFile, ReadsWhatOtherEditorsWrite) {
  // LF line ends, lower-case names, sections out of order, blanks around "=",
  // "," as decimal separator, colours by name and by decimal, an unknown kind.
  const std::string text = "[model-objects]\n"
                           "graphobjcount = 6\n"
                           "object001=1;1;0,5;1,25\n"
                           "Object002=1;2;3;1,25\n"
                           "Object003=9;whatever\n"
                           "OBJECT004=2;;1;2" +
                           std::string(74, ';') +
                           "clNavy\n"
                           "Object005=2;;2;1" +
                           std::string(74, ';') +
                           "16711680;0,3\n"
                           "Object006=\n"
                           "[model-settings]\n"
                           "beamheight=0,2\n"
                           "[dimesioning-settings]\n"
                           "OwnWeight=false\n"
                           "LatBuckRed= TRUE \n";
  ModelDocument doc;
  ASSERT_TRUE(ReadDocumentText(text, doc).ok);
  ASSERT_EQ(doc.GraphObjects.size(), 4u); // the kind-9 line and the empty line are skipped
  EXPECT_EQ(FindNode(doc, 1)->X, 0.5);
  EXPECT_EQ(FindNode(doc, 1)->Y, 1.25);
  EXPECT_EQ(FindBeam(doc, 1)->BeamColor, 0x800000u);
  EXPECT_EQ(FindBeam(doc, 2)->BeamColor, 0xFF0000u); // the beam without number gets the next
  EXPECT_EQ(FindBeam(doc, 2)->TxtPos, 0.3);
  EXPECT_EQ(doc.Settings.BeamHeight, 0.2);
  EXPECT_EQ(doc.Settings.TxtHeight, 0.11);
  EXPECT_EQ(doc.Settings.LoadHeight, 0.3);
  EXPECT_FALSE(doc.Settings.OwnWeight);
  EXPECT_TRUE(doc.Settings.LatBuckRed);
  EXPECT_TRUE(doc.Settings.FailHazRed);
  EXPECT_EQ(doc.CreatedDate, "?");
  EXPECT_EQ(doc.Settings.FBDBeamNo, -1);
}

TEST(DocumentFile, AnEmptyDocumentKeepsItsSettings) {
  ModelDocument doc;
  ASSERT_TRUE(ReadDocumentText("[Model-Objects]\r\nGraphObjCount=0\r\n[Model-Settings]\r\n"
                               "TxtHeight=0.5\r\n[Optimizer-data]\r\nVariableStr=N001.X\r\n",
                               doc)
                  .ok);
  EXPECT_TRUE(doc.GraphObjects.empty());
  EXPECT_EQ(doc.Settings.TxtHeight, 0.5);
  EXPECT_EQ(doc.Settings.VariableStr, "N001.X");
  doc.DisplacementScale = 40;
  // An empty file is no document: nothing of the record changes.
  EXPECT_FALSE(ReadDocumentText("", doc).ok);
  EXPECT_EQ(doc.Settings.TxtHeight, 0.5);
  ASSERT_TRUE(ReadDocumentText("[Model-Objects]\r\nGraphObjCount=0\r\n", doc).ok);
  EXPECT_EQ(doc.DisplacementScale, 0);
  EXPECT_EQ(doc.Settings.TxtHeight, 0.11);
}

TEST(DocumentFile, ABadIntegerStopsTheReadingAndKeepsWhatCameBefore) {
  const std::string text =
      "[Model-Objects]\r\nGraphObjCount=4\r\n"
      "Object001=1;1;0;0\r\nObject002=1;2;4;0\r\nObject003=1;x3;8;0\r\nObject004=1;4;9;0\r\n";
  ModelDocument doc;
  doc.Modified = true;
  const ReadResult result = ReadDocumentText(text, doc);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message, "'x3' is not a valid integer value");
  EXPECT_EQ(doc.GraphObjects.size(), 2u);
  EXPECT_TRUE(doc.Modified);
  ModelDocument ranged;
  const ReadResult range = ReadDocumentText(
      "[Model-Objects]\r\nGraphObjCount=2\r\nObject001=1;1\r\nObject002=3;1;65536\r\n", ranged);
  EXPECT_FALSE(range.ok);
  EXPECT_EQ(range.message, "'65536' is not within the valid range 0..65535");
  EXPECT_EQ(ranged.GraphObjects.size(), 1u);
  ModelDocument counted;
  EXPECT_EQ(ReadDocumentText("[Model-Objects]\r\nGraphObjCount=many\r\n", counted).message,
            "'many' is not a valid integer value");
}

TEST(DocumentFile, MoreThan999ObjectsWidenTheKeyBothWays) {
  EXPECT_EQ(ObjectKey(1), "Object001");
  EXPECT_EQ(ObjectKey(999), "Object999");
  EXPECT_EQ(ObjectKey(1000), "Object1000");
  EXPECT_EQ(ObjectKey(12345), "Object12345");
  ModelDocument doc;
  for (int i = 1; i <= 1200; ++i) {
    TNodeObject& node = AppendObject<TNodeObject>(doc);
    node.Number = static_cast<std::uint16_t>(i);
    node.X = i * 0.5;
  }
  const std::string text = WriteDocumentText(doc);
  EXPECT_NE(text.find("Object1000=1;1000;500;"), std::string::npos);
  EXPECT_EQ(text.find("Object000="), std::string::npos);
  ModelDocument back;
  ASSERT_TRUE(ReadDocumentText(text, back).ok);
  ASSERT_EQ(back.GraphObjects.size(), 1200u);
  EXPECT_EQ(std::get<TNodeObject>(*back.GraphObjects[1199]).Number, 1200);
  EXPECT_EQ(WriteDocumentText(back), text);
}

TEST(DocumentFile, AHugeObjectCountReadsOnlyTheKeysPresent) {
  ModelDocument doc;
  ASSERT_TRUE(ReadDocumentText("[Model-Objects]\r\nGraphObjCount=2000000000\r\n"
                               "Object001=1;1\r\nObject003=1;3\r\n",
                               doc)
                  .ok);
  EXPECT_EQ(doc.GraphObjects.size(), 2u);
  ModelDocument negative;
  ASSERT_TRUE(
      ReadDocumentText("[Model-Objects]\r\nGraphObjCount=-5\r\nObject001=1;1\r\n", negative).ok);
  EXPECT_TRUE(negative.GraphObjects.empty());
  ModelDocument fewer; // the count limits the objects read
  ASSERT_TRUE(ReadDocumentText(
                  "[Model-Objects]\r\nGraphObjCount=1\r\nObject001=1;1\r\nObject002=1;2\r\n", fewer)
                  .ok);
  EXPECT_EQ(fewer.GraphObjects.size(), 1u);
}

} // namespace
} // namespace strandel
