// Material and profile files: their form, reading rules and defaults, saving,
// and the libraries that come with the program.

#include <gtest/gtest.h>

#include <algorithm>

#include "common/files.h"
#include "sections/library_files.h"
#include "sections/profile.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

TBeamObject SteelMaterial() {
  TBeamObject beam;
  beam.MtrlType = "STEEL";
  beam.MtrlDesc = "Structural steel\r\nfy 235 MPa";
  beam.Ftk = beam.Fck = beam.Fmk = 235e6;
  beam.Ek = 210e9;
  beam.Dens = 7850;
  return beam;
}

TEST(MaterialFile, SavedAndLoadedBack) {
  testing::TempFolder folder;
  const std::string path = folder.File("C24.txt");
  TBeamObject timber = SteelMaterial();
  timber.MtrlType = "WOOD";
  timber.MtrlDesc = "Sawn softwood\r\nstrength class C24";
  timber.Ftk = 14.5e6;
  timber.HardenAble = true;
  ASSERT_TRUE(SaveMaterial(path, timber).ok);
  TBeamObject loaded;
  loaded.ProfName = "IPE 200"; // the profile is not the material's business
  ASSERT_TRUE(LoadMaterial(path, loaded).ok);
  EXPECT_EQ(loaded.MtrlName, "C24");
  EXPECT_EQ(loaded.MtrlType, "WOOD");
  EXPECT_EQ(loaded.MtrlDesc, "Sawn softwood\r\nstrength class C24"); // two lines again
  EXPECT_EQ(loaded.Ftk, 14.5e6);
  EXPECT_EQ(loaded.Ek, 210e9);
  EXPECT_TRUE(loaded.HardenAble);
  EXPECT_EQ(loaded.ProfName, "IPE 200");
  // Saving again replaces the file as a whole.
  timber.MtrlDesc.clear();
  ASSERT_TRUE(SaveMaterial(path, timber).ok);
  EXPECT_EQ(testing::ReadBytes(path), WriteMaterialText(timber));
}

TEST(MaterialFile, DescriptionIsStoredAsReadingGivesItBack) {
  // Reading gives back 1023 characters of a value, trimmed: a longer description
  // is shortened on saving, never inside a line-break escape and without blanks
  // at its end, so that loading and saving again changes nothing.
  TBeamObject beam = SteelMaterial();
  std::string description;
  for (int line = 0; line < 200; ++line)
    description += "line " + std::to_string(line) + " \r\n";
  beam.MtrlDesc = "  " + description;
  const std::string written = WriteMaterialText(beam);
  TBeamObject loaded;
  ASSERT_TRUE(ReadMaterialText(written, "Long", loaded).ok);
  EXPECT_EQ(WriteMaterialText(loaded), written);
  EXPECT_EQ(loaded.MtrlDesc.rfind("line 0 \r\nline 1 \r\n", 0), 0u);
  EXPECT_LT(loaded.MtrlDesc.size(), description.size());
  const std::size_t value = written.find("MtrlDesc=") + 9;
  const std::size_t end = written.find("\r\n", value);
  EXPECT_LE(end - value, 1023u);
  EXPECT_NE(written[end - 1], ' ');
  // The type likewise: a line end in it would break the file.
  beam.MtrlType = "STEEL\r\n";
  EXPECT_NE(WriteMaterialText(beam).find("MtrlType=STEEL\r\nMtrlDesc="), std::string::npos);
}

TEST(MaterialFile, MissingKeysAndBadNumbersTakeDefaults) {
  TBeamObject beam = SteelMaterial();
  ASSERT_TRUE(ReadMaterialText("[material-characteristics]\nFtk=abc\nfck = 1,5E6 \n"
                               "HardenAble= true \n",
                               "Odd", beam)
                  .ok);
  EXPECT_EQ(beam.MtrlName, "Odd");
  EXPECT_EQ(beam.MtrlType, ""); // no type: no known material
  EXPECT_EQ(beam.MtrlDesc, "");
  EXPECT_EQ(beam.Ftk, 0);
  EXPECT_EQ(beam.Fck, 1.5e6);
  EXPECT_EQ(beam.Fmk, 0);
  EXPECT_EQ(beam.Ek, 0);
  EXPECT_EQ(beam.Dens, 0);
  EXPECT_TRUE(beam.HardenAble);
  ASSERT_TRUE(ReadMaterialText("[Material-Characteristics]\nHardenAble=1\n", "x", beam).ok);
  EXPECT_FALSE(beam.HardenAble); // only "True" is true
}

TEST(ProfileLibraryFile, WrittenAndReadClamped) {
  TBeamObject beam;
  beam.ShapeNo = 9;
  beam.H = beam.B = 0.05;
  beam.TL = beam.TF = 0.005;
  EXPECT_EQ(WriteProfileText(beam), "[Profile-Data]\r\nShapeNo=9\r\nH= 0.05\r\nB= 0.05\r\n"
                                    "Tl= 0.005\r\nTf= 0.005\r\n");
  // An empty profile file gives a rectangle of 20 x 20 with walls of 3, which
  // the beam takes as its profile allows: a solid rectangle under one metre.
  TBeamObject read;
  ASSERT_TRUE(ReadProfileText("", "Empty", read).ok);
  EXPECT_EQ(read.ProfName, "Empty");
  EXPECT_EQ(read.ShapeNo, 1);
  EXPECT_EQ(read.H, 0.999);
  EXPECT_EQ(read.B, 0.999);
  EXPECT_EQ(read.TL, 3); // a solid section has no walls to clamp
  EXPECT_EQ(read.TF, 3);
  // A tube's walls fit within it.
  ASSERT_TRUE(
      ReadProfileText("[Profile-Data]\nShapeNo=3\nH=0.2\nB=0.1\nTl=0.5\n", "Tube", read).ok);
  EXPECT_EQ(read.H, 0.2);
  EXPECT_DOUBLE_EQ(read.TL, 0.096);
  EXPECT_DOUBLE_EQ(read.TF, 0.096);
}

TEST(ProfileLibraryFile, ShapeThatIsNoShapeIsRefused) {
  testing::TempFolder folder;
  TBeamObject beam;
  beam.ProfName = "Before";
  beam.H = 0.3;
  struct Case {
    const char* text;
    const char* message;
  } cases[] = {
      {"[Profile-Data]\r\nShapeNo=five\r\nH=0.2\r\n", "'five' is not a valid integer value"},
      {"[Profile-Data]\r\nShapeNo=11\r\nH=0.2\r\n", "'11' is not within the valid range 1..10"},
      {"[Profile-Data]\r\nShapeNo=0\r\n", "'0' is not within the valid range 1..10"},
  };
  for (const Case& c : cases) {
    const ReadResult result = LoadProfile(folder.Write("Bad.txt", c.text), beam);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, std::string("Bad.txt: ") + c.message);
    EXPECT_EQ(beam.ProfName, "Before");
    EXPECT_EQ(beam.H, 0.3);
  }
}

TEST(LibraryFiles, MissingFileChangesNothingAndSavingNeverHalfWrites) {
  testing::TempFolder folder;
  TBeamObject beam = SteelMaterial();
  const TBeamObject before = beam;
  EXPECT_TRUE(LoadMaterial(folder.File("none.txt"), beam).ok);
  EXPECT_TRUE(LoadProfile(folder.File("none.txt"), beam).ok);
  EXPECT_EQ(WriteMaterialText(beam), WriteMaterialText(before));
  EXPECT_EQ(beam.MtrlName, before.MtrlName);
  // A folder that is not there: a message, and nothing is left behind.
  const WriteResult saved = SaveProfile(folder.File("no/such/folder/P.txt"), beam);
  EXPECT_FALSE(saved.ok);
  EXPECT_FALSE(saved.message.empty());
  EXPECT_TRUE(testing::FolderContents(folder.Path()).empty());
}

TEST(LibraryFiles, NamesAndListings) {
  EXPECT_EQ(LibraryEntryName("/data/Materials/C24.txt"), "C24");
  EXPECT_EQ(LibraryEntryName("S235.TXT"), "S235");
  EXPECT_EQ(LibraryEntryName("CHS 48.3x3.2.txt"), "CHS 48.3x3.2");
  EXPECT_EQ(LibraryEntryName("noextension"), "noextension");
  testing::TempFolder data;
  MakeFolders(data.File("Materials"));
  MakeFolders(data.File("Profiles"));
  data.Write("Materials/S355.txt", "");
  data.Write("Materials/C24.TXT", "");
  data.Write("Materials/notes.md", "");
  EXPECT_EQ(
      ListMaterialFiles(data.Path()),
      (std::vector<std::string>{data.File("Materials/C24.TXT"), data.File("Materials/S355.txt")}));
  EXPECT_TRUE(ListProfileFiles(data.Path()).empty());
  EXPECT_TRUE(ListProfileFiles(data.File("nowhere")).empty());
}

TEST(LibraryOrder, NumbersCompareAsNumbersAndFamiliesGroupTheShippedProfiles) {
  const std::pair<const char*, const char*> ordered[] = {
      {"IPE 80", "IPE 100"},  {"IPE 100", "IPE 600"},
      {"HEA 100", "HEB 100"}, {"RHS 100x50x4", "RHS 100x50x10"},
      {"ipe 200", "IPE 220"}, {"2L 40x4", "2L 100x10"},
      {"C14", "C24"},         {"GL24h", "GL28h"},
      {"S235", "S1000"},      {"Sawn 45x95", "Sawn 45x120"},
      {"IPE 080", "IPE 100"},
  };
  for (const auto& [a, b] : ordered) {
    EXPECT_TRUE(NaturalLess(a, b)) << a << " < " << b;
    EXPECT_FALSE(NaturalLess(b, a)) << b << " !< " << a;
  }
  EXPECT_FALSE(NaturalLess("IPE 200", "IPE 200"));
  EXPECT_TRUE(NaturalLess("IPE", "IPE 200")); // a prefix comes first

  // Every shipped profile in its family, IPE 80 before IPE 100.
  const std::vector<LibraryFamily> families =
      LibraryFamilies(ListProfileFiles(std::string(STRANDEL_SOURCE_DIR) + "/data/"));
  std::vector<std::string> names;
  std::size_t profiles = 0;
  for (const LibraryFamily& family : families) {
    names.push_back(family.Name);
    profiles += family.Paths.size();
  }
  EXPECT_EQ(names, (std::vector<std::string>{"2L", "CHS", "Glulam", "HEA", "HEB", "IPE", "L", "RHS",
                                             "Sawn", "SHS", "T", "UPN"}));
  EXPECT_EQ(profiles, 158u);
  const auto ipe = std::find_if(families.begin(), families.end(),
                                [](const LibraryFamily& f) { return f.Name == "IPE"; });
  ASSERT_NE(ipe, families.end());
  EXPECT_EQ(LibraryEntryName(ipe->Paths.front()), "IPE 80");
  EXPECT_EQ(LibraryEntryName(ipe->Paths.back()), "IPE 600");
  for (std::size_t k = 1; k < ipe->Paths.size(); ++k)
    EXPECT_TRUE(NaturalLess(LibraryEntryName(ipe->Paths[k - 1]), LibraryEntryName(ipe->Paths[k])));
}

} // namespace
} // namespace strandel
