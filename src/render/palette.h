#pragma once
// The colours of every drawn object, and the shades the drawing derives from
// them: the 60 % shade that shows a selection and the darker shade of a beam's
// rigid ends. Stored colours (a beam's BeamColor) are platform values in
// 0x00BBGGRR order.

#include <cstdint>

#include <QColor>

namespace strandel {

inline QColor ShadowColour() {
  return {221, 221, 221};
}
inline QColor OutlineColour() {
  return {102, 102, 102};
}
// A node that lies on no beam, and one that lies on a beam (HostBeam).
inline QColor FreeNodeColour() {
  return {178, 178, 178};
}
inline QColor BeamNodeColour() {
  return {204, 204, 204};
}
inline QColor SupportColour() {
  return {0, 221, 0};
}
// Base plates, rollers and the block of a support that holds the rotation.
inline QColor SupportPlateColour() {
  return {178, 178, 178};
}
inline QColor LoadColour() {
  return {244, 244, 0};
}
inline QColor ForceColour() {
  return {4, 4, 255};
}
inline QColor MomentColour() {
  return {128, 64, 64};
}
inline QColor UtilisationOkColour() {
  return {0, 236, 118};
}
inline QColor UtilisationExceededColour() {
  return {255, 125, 125};
}
inline QColor GridColour() {
  return {153, 204, 204};
}
inline QColor CursorColour() {
  return {157, 157, 255};
}
// The displaced shape of the model.
inline QColor DisplacedShapeColour() {
  return {0, 0, 255};
}
// The arrows of the forces the structure exerts on the beam of the beam sheet.
inline QColor ReactionColour() {
  return {0, 160, 0};
}
inline QColor LabelColour() {
  return {0, 0, 0};
}

// A platform colour value (0x00BBGGRR) as a colour.
QColor FromPlatformColour(std::uint32_t bgr);

// Each component multiplied by factor and rounded: 0.6 shows a selection.
QColor Shaded(const QColor& colour, double factor);
inline constexpr double kSelectionShade = 0.6;

// The darker shade of a beam's colour that marks its rigid ends and its
// direction arrow.
inline constexpr double kRigidEndShade = 0.7;

} // namespace strandel
