#include "model/document_damage.h"

#include <algorithm>

#include "common/record.h"
#include "common/text.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "model/document_file.h"
#include "model/object_text.h"

namespace strandel {
namespace {

// The index of an object key as the writer spells it ("Object007", "Object1000");
// 0 for any other key ("Object7", "GraphObjCount").
long ObjectIndexOf(const std::string& key) {
  if (key.size() <= 6 || key.size() > 16 || !EqualsIgnoreCase(key.substr(0, 6), "Object")) return 0;
  long index = 0;
  for (std::size_t i = 6; i < key.size(); ++i) {
    if (!IsDigit(key[i])) return 0;
    index = index * 10 + (key[i] - '0');
  }
  return index >= 1 && EqualsIgnoreCase(key, ObjectKey(index)) ? index : 0;
}

bool LostItsEnd(const ProfileFile& file, std::string_view section, const std::string& key) {
  const bool endsFile = file.EndsInside(section, key);
  const bool tooLong = file.StoredLength(section, key) > kMaxProfileValueLength;
  if (!endsFile && !tooLong) return false;
  const std::string line = file.ReadString(section, key, "");
  // An empty last line is a key whose value never came.
  if (line.empty()) return endsFile;
  int kind = 0;
  if (!ReadKindCode(line, kind).ok) return endsFile;
  return FieldCount(line) < WrittenFieldCount(kind);
}

std::string Filled(std::string text, std::initializer_list<long> values) {
  int n = 0;
  for (long value : values)
    text = ReplaceAll(text, "%" + std::to_string(++n), std::to_string(value));
  return text;
}

} // namespace

ObjectSurvey SurveyObjects(const ProfileFile& file, std::string_view section, bool hasCount,
                           long count) {
  ObjectSurvey survey;
  survey.HasCount = hasCount;
  survey.Count = count;
  // Only the keys present are visited, so neither a count far beyond the stored
  // objects nor one far-off key ("Object999999999") makes the survey walk
  // through absent keys.
  for (const std::string& key : file.KeysOf(section)) {
    const long index = ObjectIndexOf(key);
    if (index == 0) continue;
    if (index > count) {
      ++survey.Beyond;
    } else {
      survey.Present.push_back(index);
    }
  }
  std::sort(survey.Present.begin(), survey.Present.end());
  survey.Present.erase(std::unique(survey.Present.begin(), survey.Present.end()),
                       survey.Present.end());
  for (long index : survey.Present) {
    const std::string key = ObjectKey(index);
    // A file that ends inside the line of an object before its last was cut
    // there, whether or not the line still has all its fields.
    if (LostItsEnd(file, section, key) || (index < count && file.EndsInside(section, key)))
      survey.CutOff.push_back(index);
  }
  return survey;
}

std::string DamageText(const ObjectSurvey& survey) {
  if (!survey.HasCount) {
    return TranslatedOr(tr::kMsgFileNoObjectCount,
                        "The file has no object count: it ends before its objects, or it is not "
                        "a model document.");
  }
  const long present = static_cast<long>(survey.Present.size());
  const long count = survey.Count;
  // A file cut off holds objects 1..m, of which only the last may have lost its end.
  const bool fromTheFirst = present == 0 || survey.Present.back() == present;
  const bool onlyLastCut =
      survey.CutOff.empty() || (survey.CutOff.size() == 1 && survey.CutOff[0] == present);
  if (fromTheFirst && onlyLastCut && survey.Beyond == 0 &&
      (present < count || !survey.CutOff.empty())) {
    const long whole = survey.CutOff.empty() ? present : present - 1;
    return Filled(TranslatedOr(tr::kMsgFileEndsAfter, "The file ends after %1 of %2 objects."),
                  {whole, count});
  }
  std::vector<std::string> texts;
  if (present < count) {
    long firstMissing = 1;
    while (firstMissing <= present && survey.Present[firstMissing - 1] == firstMissing)
      ++firstMissing;
    texts.push_back(Filled(TranslatedOr(tr::kMsgFileObjectsMissing,
                                        "The file holds %1 of its %2 objects; the first missing "
                                        "is object %3."),
                           {present, count, firstMissing}));
  }
  if (!survey.CutOff.empty()) {
    texts.push_back(Filled(TranslatedOr(tr::kMsgFileLineCutOff,
                                        "The line of object %1 has lost its end: the fields "
                                        "after the cut take their defaults."),
                           {survey.CutOff.front()}));
  }
  if (survey.Beyond > 0) {
    texts.push_back(Filled(TranslatedOr(tr::kMsgFileObjectsBeyondCount,
                                        "The file holds object lines beyond its count of %1; "
                                        "they are not read."),
                           {count}));
  }
  std::string text;
  for (const std::string& part : texts)
    text += (text.empty() ? "" : " ") + part;
  return text;
}

} // namespace strandel
