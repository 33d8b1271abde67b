// Fuzz target of the language files. The input is loaded as the language file,
// and the texts the core takes from it are used: the profile names of the shape
// menu, the questions of "Profile by I/A" and the status instructions of every
// editing mode. Besides crashes, hangs and sanitizer reports, a broken promise
// stops the run: a readable file always loads, every entry is valid UTF-8 without
// line ends (the program is UTF-8 inside), and a beam named from the language
// still gives a beam line that fits a stored value and reads back unchanged.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/codepage.h"
#include "common/profile_file.h"
#include "common/translation.h"
#include "editor/editor_modes.h"
#include "editor/status_text.h"
#include "model/object_text.h"
#include "sections/profile.h"
#include "sections/profile_editing.h"

namespace {

void Require(bool promise) {
  if (!promise) __builtin_trap();
}

// One scratch file per process, removed when the process ends.
struct Scratch {
  std::string Path;
  Scratch() {
    std::string pattern = "/tmp/strandel-language-fuzz-XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) std::abort();
    std::FILE* closer = ::fdopen(fd, "wb");
    if (closer) std::fclose(closer);
    Path = pattern;
  }
  ~Scratch() { std::remove(Path.c_str()); }
};

bool WriteFile(const std::string& path, std::string_view bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && ok;
}

void CheckBeamNamedByLanguage(int shape) {
  using namespace strandel;
  ModelDocument doc;
  // As the editor makes a beam: from the template line, then a shape from the menu.
  TBeamObject& beam = AppendBeamFromTemplate(doc, "");
  NewDefaultProfile(beam, shape);
  const std::string line = WriteText(beam);
  Require(Utf8ToCp1252(line).size() <= kMaxProfileValueLength);
  TBeamObject reread;
  Require(ReadText(line, reread, doc).ok);
  Require(WriteText(reread) == line);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace strandel;
  static const Scratch scratch;
  Require(WriteFile(scratch.Path, std::string_view(reinterpret_cast<const char*>(data), size)));
  Require(LoadLanguage(scratch.Path));

  const int count = TranslationCount();
  Require(count >= 0 && static_cast<std::size_t>(count) <= size + 1);
  for (int i = -1; i <= count; ++i) {
    const std::string text = Translated(i);
    Require(IsValidUtf8(text));
    Require(text.find_first_of("\r\n") == std::string::npos);
  }
  Require(Translated(count) == "?");

  for (int shape = 0; shape <= kShapeCount + 1; ++shape)
    CheckBeamNamedByLanguage(shape);
  const ProfileByIAPrompts prompts = ProfileByIAQuestions(UnitChoice{});
  Require(IsValidUtf8(prompts.Caption) && IsValidUtf8(prompts.IPrompt));
  for (int m = 0; m <= 99; ++m)
    Require(IsValidUtf8(ModeInstruction(m, false, false, "/models/frame.qsd")));
  return 0;
}
