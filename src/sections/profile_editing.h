#pragma once
// The two ways the beam dialog changes a profile besides its fields: choosing a
// shape from the shape menu, and giving the second moment and area that a solid
// rectangle should have.

#include <string>
#include <string_view>

#include "model/objects.h"
#include "units/units.h"

namespace strandel {

// A shape chosen in the shape menu (clamped to 1..10): the profile takes the
// shape's name from the language table (texts 120..129), falling back to the
// shape's own caption when no language is loaded; the dimensions stay, as far
// as the new shape allows (a tube's walls fit within it). An L profile cannot
// buckle sideways on its own, so it becomes braced.
void NewDefaultProfile(TBeamObject& beam, int shape);

// The questions of "Profile by I/A...": caption and the two prompts from the
// language table, each followed by the display unit the answer is read in.
struct ProfileByIAPrompts {
  std::string Caption; // "Define profile by I and A"
  std::string IPrompt; // "Enter I [cm^4]"
  std::string APrompt; // "Enter A [cm^2]"
};
ProfileByIAPrompts ProfileByIAQuestions(const UnitChoice& units);

// "Profile by I/A": the beam becomes a "Rectangular massive" profile; when both
// answers are numbers (in the display units of second moment and area), its
// height becomes sqrt(12 I / A) and its width A / H, so the rectangle has that
// second moment and area. A second moment or area that is not positive gives no
// rectangle and leaves the dimensions as they were. Returns whether the
// dimensions changed.
bool ProfileByIA(TBeamObject& beam, std::string_view iAnswer, std::string_view aAnswer,
                 const UnitChoice& units);

} // namespace strandel
