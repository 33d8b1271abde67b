#pragma once
// The picture files the drawing commands write: the kind of file from its
// extension, and writing the finished bytes so that a failure leaves no half
// file and the previous file as it was.

#include <optional>
#include <string>

namespace strandel::cli {

enum class PictureKind { Png, Bmp, Pdf };

// By the extension, without regard to case; none for any other extension.
std::optional<PictureKind> PictureKindOf(const std::string& path);

// False, after a one-line message on stderr, when the file cannot be written.
bool WritePicture(const std::string& path, const std::optional<std::string>& bytes);

} // namespace strandel::cli
