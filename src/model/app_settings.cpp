#include "model/app_settings.h"
#include <cmath>

#include "common/data_folders.h"
#include "common/files.h"
#include "common/ini_reader.h"
#include "common/number_text.h"
#include "common/profile_file.h"
#include "common/text.h"

namespace strandel {
namespace {

constexpr const char* kDefaults = "Default-Settings";
constexpr const char* kDrawing = "Drawing";
constexpr const char* kWindow = "Window";
constexpr const char* kRecent = "LastOpenDocs";
constexpr const char* kUnits = "Unit-Settings";
constexpr const char* kDisplay = "Model-Display-Settings";
constexpr const char* kMinimums = "Min-Loads-Settings";
constexpr const char* kRecovery = "Recovery-Settings";

struct UnitKey {
  const char* Key;
  Quantity What;
  int Default;
};

// In the order the file stores them.
constexpr UnitKey kUnitKeys[] = {
    {"LastLengthUnitNo", Quantity::Length, 3},
    {"LastDisplUnitNo", Quantity::Displacement, 4},
    {"LastForceUnitNo", Quantity::Force, 3},
    {"LastDistLoadUnitNo", Quantity::DistLoad, 3},
    {"LastMomentUnitNo", Quantity::Moment, 3},
    {"LastAreaUnitNo", Quantity::Area, 3},
    {"LastSectModulusUnitNo", Quantity::SectionModulus, 3},
    {"LastMomOfInertiaUnitNo", Quantity::MomentOfInertia, 3},
    {"LastStressUnitNo", Quantity::Stress, 2},
    {"LastMassUnitNo", Quantity::Mass, 1},
    {"LastDensityUnitNo", Quantity::Density, 1},
};

struct DisplaySwitch {
  const char* Key;
  bool AppSettings::*Field;
};

constexpr DisplaySwitch kDisplaySwitches[] = {
    {"ShowNodeNumbers", &AppSettings::ShowNodeNumbers},
    {"ShowSuppNumbers", &AppSettings::ShowSuppNumbers},
    {"ShowBeamNumbers", &AppSettings::ShowBeamNumbers},
    {"ShowBeamGroups", &AppSettings::ShowBeamGroups},
    {"ShowBeamDirection", &AppSettings::ShowBeamDirection},
    {"ShowLoadValues", &AppSettings::ShowLoadValues},
};

// The stored folder when it is there (and, for the folder documents are saved
// in, can be written), else the fallback.
std::string FolderOrDefault(const TIniFileS& ini, const char* key, const std::string& fallback,
                            bool written) {
  const std::string folder = ini.ReadString(kDefaults, key, fallback);
  bool exists = false;
  const std::string ensured = EnsureFolder(folder, &exists);
  return exists && (!written || IsWritableFolder(ensured)) ? ensured : fallback;
}

std::string DataSubfolderOr(const std::string& dataFolder, const char* name) {
  const std::string data = EnsureFolder(dataFolder);
  bool exists = false;
  const std::string folder = EnsureFolder(data + name, &exists);
  return exists ? folder : data;
}

} // namespace

std::string DefaultModelFolder() {
  return EnsureFolder(UserDocumentsFolder());
}

std::string DefaultReportFolder(const std::string& dataFolder) {
  return DataSubfolderOr(dataFolder, "Reports");
}

AppSettings LoadSettings(const std::string& settingsPath, const std::string& dataFolder) {
  const TIniFileS ini(settingsPath);
  AppSettings settings;
  settings.LastPath = FolderOrDefault(ini, "Last-Path", DefaultModelFolder(), true);
  settings.ReportFolder =
      FolderOrDefault(ini, "LastRepLibPath", DefaultReportFolder(dataFolder), false);
  settings.LastBeamStr = ini.ReadString(kDefaults, "LastBeamStr", "");
  settings.Language = ini.ReadString(kDefaults, "Language", "English");
  settings.LastBeamHeight = ParseNumber(ini.ReadString(kDefaults, "LastBeamHeight", "0.11"));
  settings.LastLoadHeight = ParseNumber(ini.ReadString(kDefaults, "LastLoadHeight", "0.30"));
  settings.LastTxtHeight = ParseNumber(ini.ReadString(kDefaults, "LastTxtHeight", "0.11"));
  for (const UnitKey& unit : kUnitKeys) {
    const long long value = ini.ReadInteger(kUnits, unit.Key, unit.Default);
    // A stored number that does not fit the choice reads as 0, which shows position 1.
    SetChoice(settings.Units, unit.What,
              static_cast<std::uint16_t>(value >= 0 && value <= 65535 ? value : 0));
  }
  for (std::size_t i = 0; i < kMaxRecentDocs; ++i) {
    const std::string doc = ini.ReadString(kRecent, "Doc" + std::to_string(i), "");
    if (!doc.empty()) settings.RecentDocs.push_back(doc);
  }
  for (const DisplaySwitch& display : kDisplaySwitches) {
    const std::string fallback = BoolText(AppSettings{}.*display.Field);
    settings.*display.Field = ParseBool(ini.ReadString(kDisplay, display.Key, fallback));
  }
  settings.MinLoadValue = ParseNumber(ini.ReadString(kMinimums, "MinLoadValue", "1"));
  settings.MinForceValue = ParseNumber(ini.ReadString(kMinimums, "MinForceValue", "1"));
  settings.MinMomentValue = ParseNumber(ini.ReadString(kMinimums, "MinMomentValue", "1"));
  // A value that is no number, or a negative one, keeps the copies on: a slip in
  // the file must not silently cost the protection.
  const std::string autosave = ini.ReadString(kRecovery, "AutosaveMinutes", "");
  const double minutes = ParseNumber(autosave);
  settings.AutosaveMinutes = IsNumber(autosave) && minutes >= 0 ? minutes : kDefaultAutosaveMinutes;
  const std::string step = ini.ReadString(kDrawing, "GridStep", "");
  const double stepValue = ParseNumber(step);
  settings.GridStep =
      IsNumber(step) && std::isfinite(stepValue) && stepValue > 0 ? stepValue : kDefaultGridStep;
  settings.WindowGeometry = ini.ReadString(kWindow, "Geometry", "");
  return settings;
}

std::string WriteSettingsText(const AppSettings& settings) {
  ProfileWriter writer;
  writer.BeginSection(kDefaults);
  writer.Write("Last-Path", settings.LastPath);
  writer.Write("LastRepLibPath", settings.ReportFolder);
  writer.Write("Language", settings.Language);
  writer.Write("LastBeamHeight", FormatGeneral(settings.LastBeamHeight));
  writer.Write("LastLoadHeight", FormatGeneral(settings.LastLoadHeight));
  writer.Write("LastTxtHeight", FormatGeneral(settings.LastTxtHeight));
  writer.Write("LastBeamStr", settings.LastBeamStr);
  writer.BeginSection(kRecent);
  for (std::size_t i = 0; i < settings.RecentDocs.size() && i < kMaxRecentDocs; ++i) {
    writer.Write("Doc" + std::to_string(i), settings.RecentDocs[i]);
  }
  writer.BeginSection(kUnits);
  for (const UnitKey& unit : kUnitKeys) {
    writer.Write(unit.Key, std::to_string(ChoiceOf(settings.Units, unit.What)));
  }
  writer.BeginSection(kDisplay);
  for (const DisplaySwitch& display : kDisplaySwitches) {
    writer.Write(display.Key, BoolText(settings.*display.Field));
  }
  writer.BeginSection(kMinimums);
  writer.Write("MinLoadValue", FormatGeneral(settings.MinLoadValue));
  writer.Write("MinForceValue", FormatGeneral(settings.MinForceValue));
  writer.Write("MinMomentValue", FormatGeneral(settings.MinMomentValue));
  writer.BeginSection(kRecovery);
  writer.Write("AutosaveMinutes", FormatGeneral(settings.AutosaveMinutes));
  writer.BeginSection(kDrawing);
  writer.Write("GridStep", FormatGeneral(settings.GridStep));
  if (!settings.WindowGeometry.empty()) {
    writer.BeginSection(kWindow);
    writer.Write("Geometry", settings.WindowGeometry);
  }
  return writer.Bytes();
}

WriteResult SaveSettings(const AppSettings& settings, const std::string& settingsPath,
                         FileOps& ops) {
  return WriteFileAtomically(settingsPath, WriteSettingsText(settings), ops);
}

WriteResult SaveSettings(const AppSettings& settings, const std::string& settingsPath) {
  FileOps ops;
  return SaveSettings(settings, settingsPath, ops);
}

DocumentSizes NewDocumentSizes(const AppSettings& settings) {
  return {settings.LastBeamHeight, settings.LastTxtHeight, settings.LastLoadHeight};
}

} // namespace strandel
