#include "common/data_folders.h"

#include <cstdlib>

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

TEST(DataFolders, SettingsBesideAWritableProgramElseInTheConfigFolder) {
  testing::TempFolder root;
  root.Write("bin/strandel", "");
  EXPECT_EQ(SettingsFilePath(root.File("bin")), root.File("bin/Strandel.ini"));
  // A program folder that cannot take the file (here: one that is not there; a
  // system folder such as /usr/bin for an ordinary user).
  const char* saved = std::getenv("XDG_CONFIG_HOME");
  const std::string previous = saved ? saved : "";
  ::setenv("XDG_CONFIG_HOME", root.File("config").c_str(), 1);
  EXPECT_EQ(SettingsFilePath(root.File("gone/bin")), root.File("config/strandel/Strandel.ini"));
  EXPECT_TRUE(FolderExists(root.File("config/strandel")));
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

} // namespace
} // namespace strandel
