// Fuzz target of the settings reader. The input is the settings file of a program
// whose data folder has a Models and a Reports folder. Besides crashes, hangs and
// sanitizer reports, a broken promise stops the run: every unit choice read names
// a unit with a finite factor, at most ten recent documents are kept and none is
// empty, the folders read exist, settings written and read again write the same
// bytes, and the template beam gives a new beam whose line fits a settings value
// and reads back unchanged.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/codepage.h"
#include "common/files.h"
#include "common/profile_file.h"
#include "model/app_settings.h"
#include "model/object_text.h"

namespace {

void Require(bool promise) {
  if (!promise) __builtin_trap();
}

// One scratch program folder per process, removed when the process ends.
struct Scratch {
  std::string Folder;
  Scratch() {
    std::string pattern = "/tmp/strandel-settings-fuzz-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    Folder = pattern + "/";
    strandel::MakeFolders(Folder + "Models");
    strandel::MakeFolders(Folder + "Reports");
  }
  ~Scratch() {
    std::remove((Folder + "in.ini").c_str());
    std::remove((Folder + "out.ini").c_str());
    std::remove((Folder + "Models").c_str());
    std::remove((Folder + "Reports").c_str());
    std::remove(Folder.c_str());
  }
};

bool WriteFile(const std::string& path, std::string_view bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && ok;
}

void CheckUnits(const strandel::UnitChoice& units) {
  using namespace strandel;
  for (Quantity quantity : SelectableQuantities()) {
    Require(!UnitName(units, quantity).empty());
    const double factor = UnitFactor(units, quantity);
    Require(std::isfinite(factor) && factor > 0);
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace strandel;
  static const Scratch scratch;
  const std::string input = scratch.Folder + "in.ini";
  const std::string output = scratch.Folder + "out.ini";
  Require(WriteFile(input, std::string_view(reinterpret_cast<const char*>(data), size)));

  const AppSettings settings = LoadSettings(input, scratch.Folder);
  CheckUnits(settings.Units);
  Require(settings.RecentDocs.size() <= kMaxRecentDocs);
  for (const std::string& doc : settings.RecentDocs)
    Require(!doc.empty());
  Require(FolderExists(settings.LastPath) && FolderExists(settings.ReportFolder));

  const std::string text = WriteSettingsText(settings);
  Require(WriteFile(output, text));
  const AppSettings again = LoadSettings(output, scratch.Folder);
  Require(WriteSettingsText(again) == text);

  ModelDocument doc;
  const std::string line = WriteText(AppendBeamFromTemplate(doc, settings.LastBeamStr));
  // Stored as a settings value, the line must come back whole.
  Require(Utf8ToCp1252(line).size() <= kMaxProfileValueLength);
  TBeamObject reread;
  Require(ReadText(line, reread, doc).ok);
  Require(WriteText(reread) == line);
  return 0;
}
