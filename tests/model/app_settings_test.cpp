#include "model/app_settings.h"

#include <gtest/gtest.h>

#include "common/files.h"
#include "model/object_text.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

bool SameSettings(const AppSettings& a, const AppSettings& b) {
  return a.Language == b.Language && a.LastPath == b.LastPath && a.ReportFolder == b.ReportFolder &&
         a.LastBeamStr == b.LastBeamStr && a.RecentDocs == b.RecentDocs &&
         a.LastBeamHeight == b.LastBeamHeight && a.LastTxtHeight == b.LastTxtHeight &&
         a.LastLoadHeight == b.LastLoadHeight && a.Units == b.Units &&
         a.MinLoadValue == b.MinLoadValue && a.MinForceValue == b.MinForceValue &&
         a.MinMomentValue == b.MinMomentValue && a.ShowNodeNumbers == b.ShowNodeNumbers &&
         a.ShowSuppNumbers == b.ShowSuppNumbers && a.ShowBeamNumbers == b.ShowBeamNumbers &&
         a.ShowBeamGroups == b.ShowBeamGroups && a.ShowBeamDirection == b.ShowBeamDirection &&
         a.ShowLoadValues == b.ShowLoadValues && a.AutosaveMinutes == b.AutosaveMinutes &&
         a.GridStep == b.GridStep;
}

TEST(AppSettings, FirstStartTakesEveryDefaultWithoutAWord) {
  testing::TempFolder program;
  const std::string path = program.File("Strandel.ini");
  // Nothing to tell: LoadSettings has no one to tell it to.
  const AppSettings settings = LoadSettings(path, program.Path());
  // New documents go to the user's documents folder; without a Reports folder
  // the templates are read from the program's own.
  EXPECT_EQ(settings.LastPath, DefaultModelFolder());
  EXPECT_EQ(settings.ReportFolder, program.Path());
  EXPECT_EQ(settings.Language, "English");
  EXPECT_EQ(settings.LastBeamHeight, 0.11);
  EXPECT_EQ(settings.LastLoadHeight, 0.3);
  EXPECT_EQ(settings.Units, UnitChoice{});
  EXPECT_TRUE(settings.RecentDocs.empty());
  EXPECT_TRUE(settings.ShowBeamNumbers && settings.ShowBeamDirection);
  EXPECT_FALSE(settings.ShowNodeNumbers || settings.ShowLoadValues);
  EXPECT_EQ(settings.MinForceValue, 1);
  EXPECT_TRUE(settings.LastBeamStr.empty());
  EXPECT_FALSE(FileExists(path)); // reading never writes
}

TEST(AppSettings, DocumentsGoToTheUsersFolderNeverThePrograms) {
  testing::TempFolder root;
  root.Write("share/strandel/Models/.keep", "");
  root.Write("share/strandel/Reports/.keep", "");
  // Even a program folder that could take them keeps only its examples.
  AppSettings settings = LoadSettings(root.File("Strandel.ini"), root.File("share/strandel/"));
  EXPECT_EQ(settings.LastPath, DefaultModelFolder());
  EXPECT_NE(settings.LastPath, root.File("share/strandel/Models/"));
  EXPECT_EQ(settings.ReportFolder, root.File("share/strandel/Reports/"));
  // A stored folder that cannot be written is not where new documents go
  // either; the report folder is only read and stays.
  const std::string path = root.Write("Strandel.ini", "[Default-Settings]\r\n"
                                                      "Last-Path=" +
                                                          root.File("gone/") +
                                                          "\r\n"
                                                          "LastRepLibPath=" +
                                                          root.File("share/strandel/") + "\r\n");
  settings = LoadSettings(path, root.File("share/strandel/"));
  EXPECT_EQ(settings.LastPath, DefaultModelFolder());
  EXPECT_EQ(settings.ReportFolder, root.File("share/strandel/"));
  // One that can be written stays.
  root.Write("frames/.keep", "");
  const std::string kept = root.Write(
      "Strandel.ini", "[Default-Settings]\r\nLast-Path=" + root.File("frames/") + "\r\n");
  EXPECT_EQ(LoadSettings(kept, root.File("share/strandel/")).LastPath, root.File("frames/"));
}

TEST(AppSettings, WrittenInTheFixedOrder) {
  AppSettings settings;
  settings.LastPath = "/home/anna/frames/";
  settings.ReportFolder = "/opt/strandel/Reports/";
  settings.RecentDocs = {"/home/anna/frames/portal.qsd"};
  EXPECT_EQ(WriteSettingsText(settings), "[Default-Settings]\r\n"
                                         "Last-Path=/home/anna/frames/\r\n"
                                         "LastRepLibPath=/opt/strandel/Reports/\r\n"
                                         "Language=English\r\n"
                                         "LastBeamHeight=0.11\r\n"
                                         "LastLoadHeight=0.3\r\n"
                                         "LastTxtHeight=0.11\r\n"
                                         "LastBeamStr=\r\n"
                                         "[LastOpenDocs]\r\n"
                                         "Doc0=/home/anna/frames/portal.qsd\r\n"
                                         "[Unit-Settings]\r\n"
                                         "LastLengthUnitNo=3\r\n"
                                         "LastDisplUnitNo=4\r\n"
                                         "LastForceUnitNo=3\r\n"
                                         "LastDistLoadUnitNo=3\r\n"
                                         "LastMomentUnitNo=3\r\n"
                                         "LastAreaUnitNo=3\r\n"
                                         "LastSectModulusUnitNo=3\r\n"
                                         "LastMomOfInertiaUnitNo=3\r\n"
                                         "LastStressUnitNo=2\r\n"
                                         "LastMassUnitNo=1\r\n"
                                         "LastDensityUnitNo=1\r\n"
                                         "[Model-Display-Settings]\r\n"
                                         "ShowNodeNumbers=False\r\n"
                                         "ShowSuppNumbers=False\r\n"
                                         "ShowBeamNumbers=True\r\n"
                                         "ShowBeamGroups=False\r\n"
                                         "ShowBeamDirection=True\r\n"
                                         "ShowLoadValues=False\r\n"
                                         "[Min-Loads-Settings]\r\n"
                                         "MinLoadValue=1\r\n"
                                         "MinForceValue=1\r\n"
                                         "MinMomentValue=1\r\n"
                                         "[Recovery-Settings]\r\n"
                                         "AutosaveMinutes=5\r\n"
                                         "[Drawing]\r\n"
                                         "GridStep=0.5\r\n");
}

TEST(AppSettings, RoundTripIsIdentical) {
  testing::TempFolder program;
  program.Write("frames/.keep", "");
  AppSettings settings;
  settings.LastPath = program.Path() + "frames/";
  settings.ReportFolder = program.Path();
  settings.Language = "Svenska";
  // The template beam keeps what was typed into the beam dialog: a 0.1234 m
  // width, a third of a metre high.
  TBeamObject typed;
  typed.B = 0.1234;
  typed.H = 1.0 / 3.0;
  typed.MtrlDesc = "Trä";
  settings.LastBeamStr = WriteText(typed);
  settings.RecentDocs = {"/a/one.qsd", "/b/two.qsd"};
  settings.LastBeamHeight = 1.0 / 3.0;
  settings.LastTxtHeight = 0.125;
  settings.LastLoadHeight = 0.5;
  ApplyPreset(settings.Units, UnitPreset::US);
  settings.MinLoadValue = 0.5;
  settings.MinForceValue = 10;
  settings.MinMomentValue = 2.5;
  settings.ShowNodeNumbers = settings.ShowLoadValues = true;
  settings.ShowBeamNumbers = false;
  settings.AutosaveMinutes = 2.5;
  settings.GridStep = 0.125;
  const std::string path = program.File("Strandel.ini");
  ASSERT_TRUE(SaveSettings(settings, path).ok);
  const AppSettings back = LoadSettings(path, program.Path());
  EXPECT_TRUE(SameSettings(back, settings));
  EXPECT_EQ(WriteSettingsText(back), WriteSettingsText(settings));
  EXPECT_EQ(back.LastBeamHeight, 1.0 / 3.0);
  TBeamObject beam;
  ModelDocument doc;
  ASSERT_TRUE(ReadText(back.LastBeamStr, beam, doc).ok);
  EXPECT_EQ(beam.B, 0.1234);
  EXPECT_EQ(beam.H, 1.0 / 3.0);
}

TEST(AppSettings, ToleratesWhatPeopleDoToTheFile) {
  testing::TempFolder program;
  const std::string path = program.Write(
      "Strandel.ini",
      "[default-settings]\n"
      "last-path=/no/such/folder/\n"
      "LASTBEAMHEIGHT=abc\n"
      "LastLoadHeight=0,4\n"
      "[lastopendocs]\n"
      "Doc0=/a/0.qsd\nDoc1=/a/1.qsd\nDoc2=/a/2.qsd\nDoc3=\nDoc4=/a/4.qsd\nDoc5=/a/5.qsd\n"
      "Doc6=/a/6.qsd\nDoc7=/a/7.qsd\nDoc8=/a/8.qsd\nDoc9=/a/9.qsd\nDoc10=/a/10.qsd\n"
      "[unit-settings]\n"
      "LastForceUnitNo=2\n"
      "LastMassUnitNo=x\n"
      "LastStressUnitNo=70000\n");
  const AppSettings settings = LoadSettings(path, program.Path());
  EXPECT_EQ(settings.LastPath, DefaultModelFolder()); // the stored folder is gone
  EXPECT_EQ(settings.LastBeamHeight, 0);              // malformed numbers read as 0
  EXPECT_EQ(settings.LastLoadHeight, 0.4);
  EXPECT_EQ(settings.LastTxtHeight, 0.11); // absent: default
  EXPECT_EQ(settings.RecentDocs,
            (std::vector<std::string>{"/a/0.qsd", "/a/1.qsd", "/a/2.qsd", "/a/4.qsd", "/a/5.qsd",
                                      "/a/6.qsd", "/a/7.qsd", "/a/8.qsd", "/a/9.qsd"}));
  EXPECT_EQ(settings.Units.Force, 2);
  EXPECT_EQ(settings.Units.Mass, 0); // not a number: 0, shown as the first unit
  EXPECT_EQ(UnitName(settings.Units, Quantity::Mass), "[kg]");
  EXPECT_EQ(UnitName(settings.Units, Quantity::Stress), "[Pa]");
  EXPECT_EQ(settings.Units.Length, 3);   // absent keys of a present section: defaults
  EXPECT_TRUE(settings.ShowBeamNumbers); // a missing section: defaults
}

// A slip in the file keeps the default: the autosave copies stay on, and the
// grid keeps a step the cursor can snap to. Zero minutes switch the copies off;
// a grid step must be more than zero.
TEST(AppSettings, IntervalAndGridStepFallBackToTheirDefaults) {
  struct Case {
    const char* Stored; // nullptr: no such key
    double Minutes, Step;
  };
  const Case cases[] = {
      {nullptr, 5, 0.5}, {"10", 10, 10}, {"0", 0, 0.5}, {"0,5", 0.5, 0.5}, {"  2 ", 2, 2},
      {"-1", 5, 0.5},    {"x", 5, 0.5},  {"", 5, 0.5},  {"1e999", 5, 0.5}, {"0.02", 0.02, 0.02},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Stored ? c.Stored : "(absent)");
    testing::TempFolder program;
    std::string text = "[Default-Settings]\r\nLanguage=English\r\n";
    if (c.Stored) {
      text += std::string("[Recovery-Settings]\r\nAutosaveMinutes=") + c.Stored + "\r\n";
      text += std::string("[Drawing]\r\nGridStep=") + c.Stored + "\r\n";
    }
    const std::string path = program.Write("Strandel.ini", text);
    const AppSettings settings = LoadSettings(path, program.Path());
    EXPECT_EQ(settings.AutosaveMinutes, c.Minutes);
    EXPECT_EQ(settings.GridStep, c.Step);
  }
}

TEST(AppSettings, OnlyTenRecentDocumentsAreStored) {
  AppSettings settings;
  for (int i = 0; i < 12; ++i)
    settings.RecentDocs.push_back("/m/" + std::to_string(i) + ".qsd");
  const std::string text = WriteSettingsText(settings);
  EXPECT_NE(text.find("Doc9=/m/9.qsd\r\n"), std::string::npos);
  EXPECT_EQ(text.find("Doc10="), std::string::npos);
  EXPECT_EQ(text.find("/m/10.qsd"), std::string::npos);
}

TEST(AppSettings, NewDocumentsTakeTheLastSizes) {
  AppSettings settings;
  settings.LastBeamHeight = 0.2;
  settings.LastTxtHeight = 0.3;
  settings.LastLoadHeight = 0.4;
  ModelDocument doc;
  NewDocument(doc, NewDocumentSizes(settings));
  EXPECT_EQ(doc.Settings.BeamHeight, 0.2);
  EXPECT_EQ(doc.Settings.TxtHeight, 0.3);
  EXPECT_EQ(doc.Settings.LoadHeight, 0.4);
}

} // namespace
} // namespace strandel
