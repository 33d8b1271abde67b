#include "sections/profile_editing.h"

#include <cmath>

#include "common/number_text.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "sections/profile.h"

namespace strandel {
void NewDefaultProfile(TBeamObject& beam, int shape) {
  const int chosen = shape < 1 ? 1 : shape > kShapeCount ? kShapeCount : shape;
  beam.ShapeNo = static_cast<std::uint16_t>(chosen);
  if (chosen == kLProfile) beam.Braced = true;
  beam.ProfName = TranslatedOr(tr::kFirstShapeName + chosen - 1, ShapeCaption(chosen));
  NormaliseProfile(beam);
}

ProfileByIAPrompts ProfileByIAQuestions(const UnitChoice& units) {
  return {TranslatedOr(tr::kProfileByIACaption, "Define profile by I and A"),
          TranslatedOr(tr::kPromptSecondMoment, "Enter I ") +
              UnitName(units, Quantity::MomentOfInertia),
          TranslatedOr(tr::kPromptArea, "Enter A ") + UnitName(units, Quantity::Area)};
}

bool ProfileByIA(TBeamObject& beam, std::string_view iAnswer, std::string_view aAnswer,
                 const UnitChoice& units) {
  beam.ShapeNo = kRectangularMassive;
  beam.ProfName = "Rectangular massive";
  if (!IsNumber(iAnswer) || !IsNumber(aAnswer)) return false;
  const double inertia = FromShown(units, Quantity::MomentOfInertia, ParseNumber(iAnswer));
  const double area = FromShown(units, Quantity::Area, ParseNumber(aAnswer));
  if (!(inertia > 0) || !(area > 0)) return false;
  const double height = std::sqrt(12 * inertia / area);
  const double width = area / height;
  if (!std::isfinite(height) || !std::isfinite(width) || !(width > 0)) return false;
  beam.H = height;
  beam.B = width;
  NormaliseProfile(beam);
  return true;
}

} // namespace strandel
