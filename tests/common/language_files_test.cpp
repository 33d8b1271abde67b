// The language files shipped in data/Languages against the entry names of the
// program: every text the program asks for is there, in both languages, in the
// byte form the files are read in.

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/text_entries.h"
#include "common/translation.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

const std::string kDataFolder = std::string(STRANDEL_SOURCE_DIR) + "/data/";
const char* const kLanguages[] = {"English", "Svenska"};

// Every `inline constexpr int kName = number;` of the header, read from its source
// so that an entry added there is checked here without a second list to keep.
std::map<std::string, int> NamedEntries() {
  const std::string header =
      testing::ReadBytes(std::string(STRANDEL_SOURCE_DIR) + "/src/common/text_entries.h");
  const std::string prefix = "inline constexpr int ";
  std::map<std::string, int> entries;
  for (std::size_t at = header.find(prefix); at != std::string::npos;
       at = header.find(prefix, at + 1)) {
    const std::size_t nameStart = at + prefix.size();
    const std::size_t nameEnd = header.find(" = ", nameStart);
    const std::size_t numberEnd = header.find(';', nameStart);
    if (nameEnd == std::string::npos || numberEnd == std::string::npos) break;
    const std::string name = header.substr(nameStart, nameEnd - nameStart);
    const std::string number = header.substr(nameEnd + 3, numberEnd - nameEnd - 3);
    // Derived names ("= kFirst... + n") are not entries of their own.
    const bool literal = !number.empty() && std::all_of(number.begin(), number.end(), [](char c) {
      return std::isdigit(static_cast<unsigned char>(c));
    });
    if (literal && name != "kLastEntry") entries[name] = std::stoi(number);
  }
  return entries;
}

// Entry numbers that more than one name stands for, on purpose: the force, load and
// moment dialogs are captioned with the quantity names of the units dialog.
const std::set<int> kSharedEntries = {tr::kForceCaption, tr::kLoadCaption, tr::kMomentCaption};

// Texts that the program continues with a value, so they end in a blank.
const std::set<int> kContinuedTexts = {tr::kMsgWrongFileType, tr::kPromptSecondMoment,
                                       tr::kPromptArea};

std::vector<std::string> LoadedEntries(const std::string& language) {
  EXPECT_TRUE(LoadLanguage(LanguageFilePath(kDataFolder, language))) << language;
  std::vector<std::string> entries;
  for (int i = 0; i < TranslationCount(); ++i)
    entries.push_back(Translated(i));
  SetTranslations({});
  return entries;
}

TEST(LanguageFiles, HeaderParsesToTheConstantsTheProgramUses) {
  const std::map<std::string, int> named = NamedEntries();
  EXPECT_EQ(named.at("kOkButton"), tr::kOkButton);
  EXPECT_EQ(named.at("kMsgAnalysisFailed"), tr::kMsgAnalysisFailed);
  EXPECT_EQ(named.at("kStatusDrawBeamStart"), tr::kStatusDrawBeamStart);
  EXPECT_EQ(named.at("kFileDialogSaveProfile"), tr::kFileDialogSaveProfile);
  int highest = 0;
  std::map<int, std::vector<std::string>> namesOf;
  for (const auto& [name, number] : named) {
    highest = std::max(highest, number);
    namesOf[number].push_back(name);
  }
  EXPECT_EQ(highest, tr::kLastEntry);
  for (const auto& [number, names] : namesOf) {
    if (names.size() > 1) {
      EXPECT_TRUE(kSharedEntries.count(number))
          << "entry " << number << " named twice: " << names[0] << ", " << names[1];
    }
  }
  // No dead lines: every line of a language file is a text the program shows.
  for (int i = 0; i <= tr::kLastEntry; ++i)
    EXPECT_TRUE(namesOf.count(i)) << "entry " << i << " has no name";
}

TEST(LanguageFiles, AreWindows1252WithCrLfLineEnds) {
  for (const char* language : kLanguages) {
    const std::string bytes = testing::ReadBytes(LanguageFilePath(kDataFolder, language));
    ASSERT_FALSE(bytes.empty()) << language;
    EXPECT_TRUE(bytes.ends_with("\r\n")) << language;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      const auto byte = static_cast<unsigned char>(bytes[i]);
      if (byte == '\r') {
        EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << language << " byte " << i;
      } else if (byte == '\n') {
        EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << language << " byte " << i;
      } else {
        // No control characters, and none of the five bytes Windows-1252 leaves unassigned.
        EXPECT_TRUE(byte >= 0x20 && byte != 0x7F && byte != 0x81 && byte != 0x8D && byte != 0x8F &&
                    byte != 0x90 && byte != 0x9D)
            << language << " byte " << i;
      }
    }
  }
  // Swedish letters are single bytes, not UTF-8 pairs.
  const std::string swedish = testing::ReadBytes(LanguageFilePath(kDataFolder, "Svenska"));
  EXPECT_NE(swedish.find("St\xF6"
                         "d"),
            std::string::npos);
  EXPECT_EQ(swedish.find("\xC3\xA5"), std::string::npos);
  EXPECT_EQ(swedish.find("\xC3\xB6"), std::string::npos);
}

TEST(LanguageFiles, EveryNamedEntryHasATextInEveryLanguage) {
  const std::map<std::string, int> named = NamedEntries();
  const std::vector<std::string> english = LoadedEntries("English");
  const std::vector<std::string> swedish = LoadedEntries("Svenska");
  EXPECT_EQ(english.size(), swedish.size());
  EXPECT_EQ(english.size(), static_cast<std::size_t>(tr::kLastEntry) + 1);
  for (const auto& entries : {english, swedish}) {
    for (const auto& [name, number] : named) {
      ASSERT_LT(static_cast<std::size_t>(number), entries.size()) << name;
      const std::string& text = entries[static_cast<std::size_t>(number)];
      EXPECT_FALSE(text.empty()) << name;
      EXPECT_NE(text, "?") << name;
      EXPECT_NE(text.front(), ' ') << name;
      EXPECT_EQ(text.back() == ' ', kContinuedTexts.count(number) == 1) << name << ": " << text;
    }
  }
}

TEST(LanguageFiles, TranslationsKeepAcceleratorsAndEllipses) {
  const std::vector<std::string> english = LoadedEntries("English");
  const std::vector<std::string> swedish = LoadedEntries("Svenska");
  ASSERT_EQ(english.size(), swedish.size());
  for (std::size_t i = 0; i < english.size(); ++i) {
    // A menu item that opens a dialog says so in every language, and an item that
    // has a keyboard letter keeps one.
    EXPECT_EQ(std::count(english[i].begin(), english[i].end(), '&'),
              std::count(swedish[i].begin(), swedish[i].end(), '&'))
        << "entry " << i << ": " << english[i] << " / " << swedish[i];
    EXPECT_EQ(english[i].ends_with("..."), swedish[i].ends_with("..."))
        << "entry " << i << ": " << english[i] << " / " << swedish[i];
  }
}

// The letter after "&", lower-cased; 0 when the text has none.
char Accelerator(const std::string& text) {
  const std::size_t at = text.find('&');
  if (at == std::string::npos || at + 1 >= text.size()) return 0;
  return static_cast<char>(std::tolower(static_cast<unsigned char>(text[at + 1])));
}

TEST(LanguageFiles, NoTwoItemsOfAMenuShareTheirKeyboardLetter) {
  // The English Edit menu keeps its long-standing "Select &All" and "&Align Nodes to
  // Line"; Alt+A there moves between the two instead of choosing one.
  using namespace tr;
  const std::vector<std::vector<int>> menus = {
      {kMenuFile, kMenuEdit, kMenuView, kMenuTools, kMenuSettings, kMenuHelp},
      {kMenuFileNew, kMenuFileOpen, kMenuFileReopen, kMenuFileClose, kMenuFileSave, kMenuFileSaveAs,
       kMenuFileSaveImage, kMenuFilePrint, kMenuFilePrintScreen, kMenuFilePrintSetup,
       kMenuFileDocumentInfo, kMenuFileExit},
      {kMenuEditSelectAll, kMenuEditDeselectAll, kMenuEditDelete, kMenuEditDeleteAllLoads,
       kMenuEditCopyImage, kMenuEditAlignNodes, kMenuEditMoveObjects, kMenuEditFlipBeams},
      {kMenuViewZoomIn, kMenuViewZoomOut, kMenuViewZoomWindow, kMenuViewZoomExtents,
       kMenuViewZoomLast, kMenuViewPan},
      {kMenuToolsStructureGenerator, kMenuToolsStandardStructures, kMenuToolsOptimizer},
      {kMenuSettingsModelDisplay, kMenuSettingsUnits, kMenuSettingsLanguages,
       kMenuSettingsDimensioningRules},
      {kMenuHelpContents, kMenuHelpAbout},
  };
  for (const char* language : kLanguages) {
    const std::vector<std::string> entries = LoadedEntries(language);
    for (const std::vector<int>& menu : menus) {
      std::map<char, int> taken;
      for (int entry : menu) {
        const char letter = Accelerator(entries.at(static_cast<std::size_t>(entry)));
        if (letter == 0) continue;
        const auto [it, inserted] = taken.emplace(letter, entry);
        const bool knownClash = std::string(language) == "English" &&
                                it->second == kMenuEditSelectAll && entry == kMenuEditAlignNodes;
        EXPECT_TRUE(inserted || knownClash) << language << ": entries " << it->second << " and "
                                            << entry << " both use '" << letter << "'";
      }
    }
  }
}

TEST(LanguageFiles, EnglishKeepsTheProgramsOwnCaptions) {
  // Shape names become the profile name stored with every new beam, and the
  // captions are the ones users know from the program's documentation.
  const std::vector<std::string> english = LoadedEntries("English");
  const std::map<int, std::string> captions = {
      {tr::kOkButton, "OK"},
      {tr::kPageModel, "Model"},
      {tr::kMenuEditCopyImage, "Copy &Image to Clippboard"},
      {tr::kMenuFileSaveAs, "Save &As"},
      {tr::kShapeRectangularSolid, "Rectangular massive"},
      {tr::kShapeCircularSolid, "Circular massive"},
      {tr::kShapeRectangularTube, "Rectangular Tube"},
      {tr::kShapeCircularTube, "Circular Tube"},
      {tr::kShapeIProfile, "I - Profile"},
      {tr::kShapeHProfile, "H - Profile"},
      {tr::kShapeUProfile, "U - Profile"},
      {tr::kShapeTProfile, "T - Profile"},
      {tr::kShapeLProfile, "L - Profile"},
      {tr::kShapeLLProfile, "LL - Profile"},
      {tr::kUnitLabelSecondMoment, "Surf.mom.of inert:"},
      {tr::kNodeLabelX, "X-possition"},
      {tr::kSupportLabelYDisplacement, "Y-Displacement"},
      {tr::kSupportLabelXDisplacement, "X-Displacement"},
      {tr::kDimRuleDimensionUncertainty, "Profile dimensions-uncertainly reduction"},
      {tr::kDimRuleSecondOrder, "Second order effects"},
      {tr::kOptimizerMinimizeUtilisation, "Minimize utilisation"},
      {tr::kOptimizerMinimizeDisplacement, "Minimize displacement"},
      {tr::kOptimizerAborted, "An error occured, optimization was aborted"},
      {tr::kMsgInfiniteUpdateLoop, "Infinite update-loop"},
      {tr::kConstraintCaption, "Constrains editor"},
      {tr::kBeamLabelClimateZone, "Climate zoone"},
      {tr::kPromptSecondMoment, "Enter I "},
      {tr::kPrintFreeBody, "Print FBD"},
  };
  for (const auto& [entry, caption] : captions)
    EXPECT_EQ(english.at(static_cast<std::size_t>(entry)), caption) << "entry " << entry;
}

} // namespace
} // namespace strandel
