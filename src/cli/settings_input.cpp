#include "cli/settings_input.h"

#include "cli/command.h"
#include "common/data_folders.h"
#include "common/files.h"
#include "common/system_info.h"
#include "common/translation.h"

namespace strandel::cli {

std::string CommandDataFolder() {
  return FindDataFolder(ProgramFolder());
}

void LoadCommandLanguage(const AppSettings& settings) {
  const std::string dataFolder = CommandDataFolder();
  if (LoadLanguage(LanguageFilePath(dataFolder, settings.Language))) return;
  if (LoadLanguage(LanguageFilePath(dataFolder, "English"))) {
    UsageError("no language file for '" + settings.Language + "': texts are in English");
    return;
  }
  UsageError("no language file found: translated texts show as ?");
}

bool LoadCommandSettings(const Arguments& arguments, AppSettings& settings) {
  const std::string dataFolder = CommandDataFolder();
  if (const std::optional<std::string> path = arguments.Value("--settings")) {
    if (!FileExists(*path)) {
      UsageError("cannot read the settings file '" + *path + "': no such file");
      return false;
    }
    settings = LoadSettings(*path, dataFolder);
    return true;
  }
  settings = LoadSettings(SettingsFilePath(ProgramFolder()), dataFolder);
  return true;
}

} // namespace strandel::cli
