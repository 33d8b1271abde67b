#include "app/first_start.h"

#include "model/object_text.h"
#include "sections/library_files.h"

namespace strandel {

void ApplyFirstStartDefaults(AppSettings& settings, const std::string& dataFolder) {
  ApplyPreset(settings.Units, UnitPreset::SI);
  TBeamObject beam;
  LoadMaterial(MaterialFolder(dataFolder) + kFirstMaterial + ".txt", beam);
  LoadProfile(ProfileFolder(dataFolder) + kFirstProfile + ".txt", beam);
  settings.LastBeamStr = WriteText(beam);
}

} // namespace strandel
