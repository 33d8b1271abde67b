#include "cli/picture_output.h"

#include "cli/command.h"
#include "common/atomic_write.h"
#include "common/files.h"
#include "common/text.h"

namespace strandel::cli {

std::optional<PictureKind> PictureKindOf(const std::string& path) {
  const std::string extension = LowerCase(ExtensionOf(path));
  if (extension == ".png") return PictureKind::Png;
  if (extension == ".bmp") return PictureKind::Bmp;
  if (extension == ".pdf") return PictureKind::Pdf;
  return std::nullopt;
}

bool WritePicture(const std::string& path, const std::optional<std::string>& bytes) {
  if (!bytes) {
    UsageError("cannot draw the picture for '" + path + "'");
    return false;
  }
  const WriteResult written = WriteFileAtomically(path, *bytes);
  if (!written.ok) {
    UsageError(written.message);
    return false;
  }
  return true;
}

} // namespace strandel::cli
