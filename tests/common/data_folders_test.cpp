#include "common/data_folders.h"

#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/files.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

TEST(DataFolders, BesideTheProgramThenTheInstalledShareFolder) {
  testing::TempFolder root;
  root.Write("build/bin/Languages/English.txt", "");
  EXPECT_EQ(FindDataFolder(root.File("build/bin/")), root.File("build/bin/"));
  root.Write("usr/share/strandel/Structures/beam.qsd", "");
  root.Write("usr/bin/strandel-cli", "");
  EXPECT_EQ(FindDataFolder(root.File("usr/bin")), root.File("usr/share/strandel/"));
}

TEST(DataFolders, XdgDataDirsAreSearchedLast) {
  testing::TempFolder root;
  root.Write("elsewhere/strandel/Languages/English.txt", "");
  root.Write("opt/bin/strandel", "");
  const char* saved = std::getenv("XDG_DATA_DIRS");
  const std::string previous = saved ? saved : "";
  ::setenv("XDG_DATA_DIRS", (root.File("nothing") + ":" + root.File("elsewhere")).c_str(), 1);
  EXPECT_EQ(FindDataFolder(root.File("opt/bin/")), root.File("elsewhere/strandel/"));
  ::setenv("XDG_DATA_DIRS", root.File("nothing").c_str(), 1);
  EXPECT_EQ(FindDataFolder(root.File("opt/bin/")), root.File("opt/bin/"));
  if (saved) {
    ::setenv("XDG_DATA_DIRS", previous.c_str(), 1);
  } else {
    ::unsetenv("XDG_DATA_DIRS");
  }
}

TEST(DataFolders, SettingsInTheConfigFolderUnlessKeptBesideTheProgram) {
  testing::TempFolder root;
  root.Write("bin/strandel", "");
  const char* saved = std::getenv("XDG_CONFIG_HOME");
  const std::string previous = saved ? saved : "";
  ::setenv("XDG_CONFIG_HOME", root.File("config").c_str(), 1);
  // A program folder that could take the file (as /usr/bin can for root) is
  // not written to; nor one that is not there.
  EXPECT_EQ(SettingsFilePath(root.File("bin")), root.File("config/strandel/Strandel.ini"));
  EXPECT_EQ(SettingsFilePath(root.File("gone/bin")), root.File("config/strandel/Strandel.ini"));
  EXPECT_TRUE(FolderExists(root.File("config/strandel")));
  // A settings file already kept beside the program stays in use.
  root.Write("bin/Strandel.ini", "[Default-Settings]\r\n");
  EXPECT_EQ(SettingsFilePath(root.File("bin")), root.File("bin/Strandel.ini"));
  if (saved) {
    ::setenv("XDG_CONFIG_HOME", previous.c_str(), 1);
  } else {
    ::unsetenv("XDG_CONFIG_HOME");
  }
}

TEST(DataFolders, RecoveryCopiesGoToTheStateFolder) {
  testing::TempFolder root;
  const char* savedState = std::getenv("XDG_STATE_HOME");
  const char* savedHome = std::getenv("HOME");
  const std::string previousState = savedState ? savedState : "";
  const std::string previousHome = savedHome ? savedHome : "";
  ::setenv("HOME", root.File("home").c_str(), 1);
  ::setenv("XDG_STATE_HOME", root.File("state").c_str(), 1);
  EXPECT_EQ(RecoveryFolderPath(), root.File("state/strandel/"));
  // Unset or relative: the default under the home folder.
  ::setenv("XDG_STATE_HOME", "relative/state", 1);
  EXPECT_EQ(RecoveryFolderPath(), root.File("home/.local/state/strandel/"));
  ::unsetenv("XDG_STATE_HOME");
  EXPECT_EQ(RecoveryFolderPath(), root.File("home/.local/state/strandel/"));
  if (savedState) ::setenv("XDG_STATE_HOME", previousState.c_str(), 1);
  if (savedHome) {
    ::setenv("HOME", previousHome.c_str(), 1);
  } else {
    ::unsetenv("HOME");
  }
}

TEST(DataFolders, TheUsersDocumentsFolder) {
  struct Case {
    const char* what;
    const char* userDirs; // nullptr: no user-dirs.dirs
    std::vector<const char*> folders;
    const char* expected; // under the temporary root
  };
  const Case cases[] = {
      {"the folder user-dirs.dirs names under $HOME",
       "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Skrivbord\"\n"
       "XDG_DOCUMENTS_DIR=\"$HOME/Dokument\"\n",
       {"home/Dokument", "home/Documents"},
       "home/Dokument/"},
      {"a full path", "XDG_DOCUMENTS_DIR=\"@/data/papers\"\n", {"data/papers"}, "data/papers/"},
      {"named but gone: ~/Documents",
       "XDG_DOCUMENTS_DIR=\"$HOME/Dokument\"\n",
       {"home/Documents"},
       "home/Documents/"},
      {"switched off with $HOME alone",
       "XDG_DOCUMENTS_DIR=\"$HOME\"\n",
       {"home/Documents"},
       "home/Documents/"},
      {"a comment or an unquoted value says nothing",
       "#XDG_DOCUMENTS_DIR=\"$HOME/Dokument\"\nXDG_DOCUMENTS_DIR=$HOME/Dokument\n",
       {"home/Dokument", "home/Documents"},
       "home/Documents/"},
      {"no user-dirs.dirs", nullptr, {"home/Documents"}, "home/Documents/"},
      {"no documents folder at all: home", nullptr, {}, "home/"},
  };
  for (const Case& c : cases) {
    testing::TempFolder root;
    root.Write("home/.keep", "");
    for (const char* folder : c.folders)
      root.Write(std::string(folder) + "/.keep", "");
    if (c.userDirs) {
      std::string text = c.userDirs;
      if (const std::size_t at = text.find('@'); at != std::string::npos)
        text.replace(at, 2, root.Path());
      root.Write("config/user-dirs.dirs", text);
    }
    EXPECT_EQ(UserDocumentsFolder(root.File("home"), root.File("config")), root.File(c.expected))
        << c.what;
  }
}

} // namespace
} // namespace strandel
