#include "app/app_environment.h"

#include "common/data_folders.h"
#include "common/system_info.h"

namespace strandel {

AppEnvironment AppEnvironment::OfRunningProgram() {
  const std::string programFolder = ProgramFolder();
  return {FindDataFolder(programFolder), SettingsFilePath(programFolder), RecoveryFolderPath()};
}

} // namespace strandel
