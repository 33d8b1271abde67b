#pragma once
// The program's three typefaces. The drawings name "Courier New" (labels, tables,
// reports), "Arial" and "Times New Roman" (the load symbol); where those are not
// installed, as on most Linux systems, the metric-compatible Liberation faces
// stand in, so text widths and the fixed character grids come out the same.

#include <string>

#include <QFont>
#include <QPainter>

namespace strandel {

inline constexpr const char* kFixedFont = "Courier New";
inline constexpr const char* kSansFont = "Arial";
inline constexpr const char* kSerifFont = "Times New Roman";

// The face that stands in for a program font name ("Liberation Mono" for
// "Courier New"); the name itself for any other face.
std::string SubstituteFamily(const std::string& family);

// A font of `family` whose em is `pixelHeight` device pixels on the painter's
// device, at fractional sizes too.
QFont ProgramFont(const QPainter& painter, const std::string& family, double pixelHeight,
                  bool bold = false);

} // namespace strandel
