// Model documents no program of ours would write: absurd counts, enormous lines,
// binary bytes, lines of thousands of fields, values at the readable length,
// numbers at the ends of their range and numbers that are not numbers. Each ends
// in a clear message or a sound model, never a crash, a hang or a huge allocation.

#include <chrono>
#include <cmath>
#include <string>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "common/profile_file.h"
#include "model/document_file.h"
#include "model/object_text.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

const TNodeObject& NodeAt(const ModelDocument& doc, std::size_t index) {
  return std::get<TNodeObject>(*doc.GraphObjects.at(index));
}

std::string Objects(const std::string& lines, const std::string& count = "") {
  return "[Model-Objects]\r\nGraphObjCount=" + count + "\r\n" + lines;
}

TEST(HostileDocument, AnAbsurdCountOrAFarKeyReadsOnlyTheObjectsPresent) {
  // Walking two thousand million absent keys would take minutes: the clock here
  // guards against that hang, it measures no speed (the benchmark does).
  const auto start = std::chrono::steady_clock::now();
  ModelDocument doc;
  ASSERT_TRUE(ReadDocumentText(Objects("Object001=1;1\r\nObject1999999999=1;2\r\n"
                                       "Object1=1;3\r\nObject0002=1;4\r\nObject003=1;5\r\n",
                                       "2000000000"),
                               doc)
                  .ok);
  // "Object1" and "Object0002" are not how the writer names objects 1 and 2.
  ASSERT_EQ(doc.GraphObjects.size(), 3u);
  EXPECT_EQ(NodeAt(doc, 0).Number, 1);
  EXPECT_EQ(NodeAt(doc, 1).Number, 5);
  EXPECT_EQ(NodeAt(doc, 2).Number, 2);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
}

TEST(HostileDocument, AHundredMegabyteLineReadsFromItsFirst1023Characters) {
  testing::TempFolder folder;
  const std::string junk(100u * 1024u * 1024u, 'x');
  const std::string text = Objects(
      "Object001=1;5;2.5;-4;0;-1;" + junk + "\r\nno key here\r\nObject002=1;6;1;1\r\n", "2");
  const std::string path = folder.Write("huge.qsd", text);
  ModelDocument doc;
  ASSERT_TRUE(LoadDocument(path, doc).ok);
  ASSERT_EQ(doc.GraphObjects.size(), 2u);
  EXPECT_EQ(NodeAt(doc, 0).Number, 5);
  EXPECT_EQ(NodeAt(doc, 0).X, 2.5);
  EXPECT_EQ(NodeAt(doc, 0).Y, -4);
  EXPECT_EQ(NodeAt(doc, 1).Number, 6);
}

TEST(HostileDocument, BinaryBytesAreRefusedBeforeAnythingChanges) {
  const char kPicture[] = "\x89PNG\r\n\x1a\n\0\0\0\rIHDR[Model-Objects]\r\nGraphObjCount=1\r\n"
                          "Object001=1;1\r\n";
  const std::string picture(kPicture, sizeof kPicture - 1);
  std::string utf16;
  for (char c : std::string("[Model-Objects]\r\nGraphObjCount=0\r\n")) {
    utf16.push_back(c);
    utf16.push_back('\0');
  }
  for (const std::string& bytes : {picture, utf16}) {
    ModelDocument doc;
    doc.Modified = true;
    doc.Settings.BeamHeight = 0.5;
    const ReadResult read = ReadDocumentText(bytes, doc);
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.message, "The file is not a model document: it holds binary data, not text");
    EXPECT_TRUE(doc.GraphObjects.empty());
    EXPECT_EQ(doc.Settings.BeamHeight, 0.5);
    EXPECT_TRUE(doc.Modified);
  }
  testing::TempFolder folder;
  ModelDocument doc;
  EXPECT_FALSE(LoadDocument(folder.Write("photo.qsd", picture), doc).ok);
}

TEST(HostileDocument, ANamedPipeOrADeviceIsRefusedWithoutWaiting) {
  testing::TempFolder folder;
  const std::string pipe = folder.File("pipe.qsd");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  for (const std::string& path : {pipe, std::string("/dev/zero")}) {
    ModelDocument doc;
    const ReadResult read = LoadDocument(path, doc);
    EXPECT_FALSE(read.ok) << path;
    EXPECT_EQ(read.message, "Cannot read '" + path + "': not a file");
  }
}

TEST(HostileDocument, MoreEntriesThanAnyModelAreRefused) {
  std::string text = "[Model-Objects]\r\n";
  for (std::size_t i = 0; i <= kMaxProfileEntries; ++i)
    text += "a=\n";
  ModelDocument doc;
  const ReadResult read = ReadDocumentText(text, doc);
  EXPECT_FALSE(read.ok);
  EXPECT_NE(read.message.find("more than 1000000 entries"), std::string::npos);
}

TEST(HostileDocument, LongNamesNeverPushTheBeamLinePastTheReadableLength) {
  ModelDocument doc;
  TBeamObject& beam = AppendObject<TBeamObject>(doc);
  beam.Number = 7;
  beam.Node1 = 1;
  beam.Node2 = 2;
  beam.BeamGroup = std::string(300, 'g');
  beam.MtrlName = std::string(100, 'm');
  beam.MtrlType = "STEEL" + std::string(600, 't'); // matches no material type
  beam.MtrlDesc = std::string(500, 'd');
  beam.ProfName = std::string(400, 'p');
  beam.B = 0.123;
  beam.H = 0.2; // a profile as the model holds it: reading would clamp a height of 0
  beam.SafetyClass = 2;
  beam.BeamColor = 0x0000FF;
  beam.TxtPos = 0.25;
  const std::string line = WriteText(beam);
  EXPECT_LE(line.size(), 1023u);
  TBeamObject back;
  ASSERT_TRUE(ReadText(line, back, doc).ok);
  // Everything after the names survives; the names are cut to one length.
  EXPECT_EQ(back.B, 0.123);
  EXPECT_EQ(back.SafetyClass, 2);
  EXPECT_EQ(back.BeamColor, 0x0000FFu);
  EXPECT_EQ(back.TxtPos, 0.25);
  EXPECT_TRUE(back.MtrlDesc.empty());
  EXPECT_EQ(back.BeamGroup.size(), back.MtrlType.size());
  EXPECT_EQ(back.ProfName.size(), back.MtrlType.size());
  EXPECT_EQ(back.MtrlName.size(), 100u); // short enough to stay whole
  EXPECT_GT(back.MtrlType.size(), 9u);   // never cut down to "STEEL"
  EXPECT_EQ(back.MtrlType.rfind("STEEL", 0), 0u);
  // Saved and read back, the document writes the same bytes again.
  const std::string text = WriteDocumentText(doc);
  ModelDocument reread;
  ASSERT_TRUE(ReadDocumentText(text, reread).ok);
  EXPECT_EQ(WriteDocumentText(reread), text);
}

TEST(HostileDocument, NodeNumbersAtTheEndsOfTheirRange) {
  struct Case {
    const char* line;
    bool ok;
    const char* message;
  };
  const Case cases[] = {
      {"1;0;1;2", true, ""},
      {"1;65535;1;2", true, ""},
      {"1;65536;1;2", false, "'65536' is not within the valid range 0..65535"},
      {"1;-1;1;2", false, "'-1' is not within the valid range 0..65535"},
      {"2;1;0;65535", true, ""},
      {"3;1;65536", false, "'65536' is not within the valid range 0..65535"},
  };
  for (const Case& c : cases) {
    ModelDocument doc;
    const ReadResult read =
        ReadDocumentText(Objects("Object001=" + std::string(c.line) + "\r\n", "1"), doc);
    EXPECT_EQ(read.ok, c.ok) << c.line;
    EXPECT_EQ(read.message, c.message) << c.line;
    EXPECT_EQ(doc.GraphObjects.size(), c.ok ? 1u : 0u) << c.line;
  }
}

TEST(HostileDocument, NumbersThatAreNotNumbersReadAsZero) {
  for (const char* text : {"nan", "NaN", "-nan", "inf", "-inf", "Infinity", "1e999", "-1e999",
                           "1e-999", "0x10", "1..2", "--1", "1e", ""}) {
    const std::string t = text;
    ModelDocument doc;
    // Node x and y, the beam's Ek (field 26), the load's angle and value.
    const std::string lines = "Object001=1;1;" + t + ";" + t + "\r\nObject002=2;1;1;2" +
                              std::string(22, ';') + t + "\r\nObject003=4;1;1;1;1;;;;;" + t + ";" +
                              t + "\r\n";
    ASSERT_TRUE(ReadDocumentText(Objects(lines, "3"), doc).ok) << text;
    const TNodeObject& node = NodeAt(doc, 0);
    const TBeamObject& beam = std::get<TBeamObject>(*doc.GraphObjects[1]);
    const TLoadObject& load = std::get<TLoadObject>(*doc.GraphObjects[2]);
    // An empty field takes its default; any other text that is no number reads as 0.
    const bool empty = t.empty();
    EXPECT_EQ(node.X, 0) << text;
    EXPECT_EQ(node.Y, empty ? 1 : 0) << text;
    EXPECT_EQ(beam.Ek, empty ? 1e9 : 0) << text;
    EXPECT_EQ(load.Value, empty ? 1 : 0) << text;
    EXPECT_TRUE(std::isfinite(load.Angle)) << text;
  }
}

} // namespace
} // namespace strandel
