#pragma once
// What a model document lacks of what its writer always writes: objects that its
// count promises, the end of an object line, the object count itself. A file cut
// off while it was copied or written reads as a partial model; these checks tell
// the user so instead of letting a save overwrite the whole file with the part.

#include <string>
#include <string_view>
#include <vector>

#include "common/profile_file.h"

namespace strandel {

// The object keys of the file as the reader finds them.
struct ObjectSurvey {
  bool HasCount = false;     // "GraphObjCount" is there
  long Count = 0;            // its value (0 when absent)
  std::vector<long> Present; // indices 1..Count whose key is there, rising
  std::vector<long> CutOff;  // of those, the ones whose line lost its end, rising
  long Beyond = 0;           // object keys with an index above Count
};

// Looks at the object keys of `section`. A line counts as cut off when the file
// shows that its end was lost: it is the file's last line, no line break ends it
// and it holds fewer fields than its kind is always written with (or objects
// should follow it), or it is longer than reading takes and its fields are short.
// A short line ended by a line break was written so (by hand: its missing fields
// take their defaults), and so was a whole last line without its line break.
ObjectSurvey SurveyObjects(const ProfileFile& file, std::string_view section, bool hasCount,
                           long count);

// What the survey says is missing, worded for the user in the chosen language
// ("The file ends after 2 of 13 objects."); empty when nothing is.
std::string DamageText(const ObjectSurvey& survey);

} // namespace strandel
