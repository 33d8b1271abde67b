#include "model/document_file.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "common/files.h"
#include "common/number_text.h"
#include "common/profile_file.h"
#include "common/system_info.h"
#include "common/text.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "model/document_damage.h"
#include "model/object_text.h"

namespace strandel {
namespace {

constexpr const char* kSwitches = "Dimesioning-Settings"; // spelled so in every stored file
constexpr const char* kHistory = "History-data";
constexpr const char* kModelSettings = "Model-Settings";
constexpr const char* kOptimizer = "Optimizer-data";
constexpr const char* kDiagramPage = "FBD-Settings";
constexpr const char* kObjects = "Model-Objects";

constexpr const char* kBinaryFileMessage =
    "The file is not a model document: it holds binary data, not text";
constexpr const char* kEmptyFileMessage = "The file is empty: it holds no model.";
constexpr const char* kTooManyEntriesMessage =
    "The file is not read: it has more than 1000000 entries, far more than any model document";

template <class T> ReadResult AppendAndRead(ModelDocument& doc, std::string_view line) {
  T& object = AppendObject<T>(doc);
  ReadResult result = ReadText(line, object, doc);
  // A line that stops the reading does not leave a half-read object behind.
  if (!result.ok) doc.GraphObjects.pop_back();
  return result;
}

ReadResult ReadObjectLine(ModelDocument& doc, std::string_view line) {
  int kind = 0;
  ReadResult result = ReadKindCode(line, kind);
  if (!result.ok) return result;
  switch (kind) {
  case 1:
    return AppendAndRead<TNodeObject>(doc, line);
  case 2:
    return AppendAndRead<TBeamObject>(doc, line);
  case 3:
    return AppendAndRead<TSupportObject>(doc, line);
  case 4:
    return AppendAndRead<TLoadObject>(doc, line);
  case 5:
    return AppendAndRead<TForceObject>(doc, line);
  case 6:
    return AppendAndRead<TMomentObject>(doc, line);
  case kLoadCaseKindCode:
    return ReadText(line, doc.Settings.LoadCases.emplace_back());
  case kCombinationKindCode:
    return ReadText(line, doc.Settings.Combinations.emplace_back());
  default:
    return {}; // unknown kinds and empty lines are skipped
  }
}

ReadResult ReadStrictInteger(const ProfileFile& file, const char* section, const char* key,
                             std::int32_t fallback, std::int32_t& value) {
  const std::optional<std::string> text = file.Value(section, key);
  if (!text || text->empty()) {
    value = fallback;
    return {};
  }
  const std::optional<std::int32_t> parsed = ParseStrictInteger(*text);
  if (!parsed) return {false, InvalidIntegerMessage(*text)};
  value = *parsed;
  return {};
}

} // namespace

std::string ObjectKey(long index) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "Object%03ld", index);
  return buffer;
}

std::string WriteDocumentText(const ModelDocument& doc) {
  return WriteDocumentText(doc, [](const GraphObject&) { return false; });
}

std::string WriteDocumentText(const ModelDocument& doc,
                              const std::function<bool(const GraphObject&)>& leftOut) {
  ProfileWriter writer;
  writer.BeginSection(kSwitches);
  writer.Write("FailHazRed", BoolText(doc.Settings.FailHazRed));
  writer.Write("DimUncertRed", BoolText(doc.Settings.DimUncertRed));
  writer.Write("LatBuckRed", BoolText(doc.Settings.LatBuckRed));
  writer.Write("LocBuckRed", BoolText(doc.Settings.LocBuckRed));
  writer.Write("LoadDurRed", BoolText(doc.Settings.LoadDurRed));
  writer.Write("AirMoistRed", BoolText(doc.Settings.AirMoistRed));
  writer.Write("OwnWeight", BoolText(doc.Settings.OwnWeight));
  // Written only when on, so that a document without it writes back as it read.
  if (doc.Settings.SecondOrder) writer.Write("SecondOrder", BoolText(true));
  writer.BeginSection(kHistory);
  writer.Write("LastModDate", doc.LastModDate);
  writer.Write("LastModByUser", doc.LastModByUser);
  writer.Write("CreatedDate", doc.CreatedDate);
  writer.Write("CreatedByUser", doc.CreatedByUser);
  writer.Write("CreationVersion", doc.CreationVersion);
  // Objects that belong to load cases mean something else to a reader that
  // knows none: the version lets it warn.
  const bool withCases = !doc.Settings.LoadCases.empty();
  if (withCases) writer.Write("FormatVersion", "2");
  writer.BeginSection(kModelSettings);
  writer.Write("BeamHeight", FormatGeneral(doc.Settings.BeamHeight));
  writer.Write("TxtHeight", FormatGeneral(doc.Settings.TxtHeight));
  writer.Write("LoadHeight", FormatGeneral(doc.Settings.LoadHeight));
  writer.BeginSection(kOptimizer);
  writer.Write("VariableStr", doc.Settings.VariableStr);
  writer.BeginSection(kDiagramPage);
  writer.Write("FBDBeamNo", std::to_string(doc.Settings.FBDBeamNo));
  if (withCases || !doc.Settings.ResultSet.empty())
    writer.Write("ResultSet", doc.Settings.ResultSet);
  writer.BeginSection(kObjects);
  const std::size_t kept = static_cast<std::size_t>(
      std::count_if(doc.GraphObjects.begin(), doc.GraphObjects.end(),
                    [&](const auto& object) { return !leftOut(*object); }));
  const std::size_t count = doc.Settings.LoadCases.size() + doc.Settings.Combinations.size() + kept;
  writer.Write("GraphObjCount", std::to_string(count));
  long index = 0;
  // The cases first, so that a reader knows them before the loads that name them.
  for (const TLoadCase& loadCase : doc.Settings.LoadCases)
    writer.Write(ObjectKey(++index), WriteText(loadCase));
  for (const TCombination& combination : doc.Settings.Combinations)
    writer.Write(ObjectKey(++index), WriteText(combination));
  for (const auto& object : doc.GraphObjects) {
    if (!leftOut(*object)) writer.Write(ObjectKey(++index), WriteText(*object, withCases));
  }
  return writer.Bytes();
}

namespace {

DocumentReadResult Refused(ReadResult refusal) {
  DocumentReadResult result;
  static_cast<ReadResult&>(result) = std::move(refusal);
  return result;
}

// Reads the keys of a parsed file into the record. `checked`: whether the file
// must hold what its writer always writes (a missing file reads as an empty
// document without a word).
DocumentReadResult ReadParsedDocument(const ProfileFile& file, ModelDocument& doc, bool checked) {
  auto flag = [&](const char* key) { return ParseBool(file.ReadString(kSwitches, key, "True")); };
  doc.Settings.FailHazRed = flag("FailHazRed");
  doc.Settings.DimUncertRed = flag("DimUncertRed");
  doc.Settings.LatBuckRed = flag("LatBuckRed");
  doc.Settings.LocBuckRed = flag("LocBuckRed");
  doc.Settings.LoadDurRed = flag("LoadDurRed");
  doc.Settings.AirMoistRed = flag("AirMoistRed");
  doc.Settings.OwnWeight = flag("OwnWeight");
  doc.Settings.SecondOrder = ParseBool(file.ReadString(kSwitches, "SecondOrder", "False"));
  doc.LastModDate = file.ReadString(kHistory, "LastModDate", "?");
  doc.LastModByUser = file.ReadString(kHistory, "LastModByUser", "?");
  doc.CreatedDate = file.ReadString(kHistory, "CreatedDate", "?");
  doc.CreatedByUser = file.ReadString(kHistory, "CreatedByUser", "?");
  doc.CreationVersion = file.ReadString(kHistory, "CreationVersion", "?");
  doc.Settings.BeamHeight = ParseNumber(file.ReadString(kModelSettings, "BeamHeight", "0.11"));
  doc.Settings.TxtHeight = ParseNumber(file.ReadString(kModelSettings, "TxtHeight", "0.11"));
  doc.Settings.LoadHeight = ParseNumber(file.ReadString(kModelSettings, "LoadHeight", "0.30"));
  doc.DisplacementScale = 0;
  doc.Settings.VariableStr = file.ReadString(kOptimizer, "VariableStr", "");
  if (ReadResult r = ReadStrictInteger(file, kDiagramPage, "FBDBeamNo", -1, doc.Settings.FBDBeamNo);
      !r.ok) {
    // A file cut off inside "-1" has no objects either, which is said below.
    if (!file.EndsInside(kDiagramPage, "FBDBeamNo")) return Refused(r);
    doc.Settings.FBDBeamNo = -1;
  }
  doc.Settings.ResultSet = file.ReadString(kDiagramPage, "ResultSet", "");
  doc.Settings.LoadCases.clear();
  doc.Settings.Combinations.clear();
  std::int32_t count = 0;
  if (ReadResult r = ReadStrictInteger(file, kObjects, "GraphObjCount", 0, count); !r.ok)
    return Refused(r);
  const std::optional<std::string> countText = file.Value(kObjects, "GraphObjCount");
  const bool hasCount = countText && !countText->empty();
  ObjectSurvey survey = SurveyObjects(file, kObjects, hasCount, count);
  for (const long i : survey.Present) {
    const std::string key = ObjectKey(i);
    const std::optional<std::string> line = file.Value(kObjects, key);
    if (!line) continue;
    const bool cutOff = std::binary_search(survey.CutOff.begin(), survey.CutOff.end(), i);
    const bool endsFile = file.EndsInside(kObjects, key);
    // The object the file ends inside is not read: its missing fields would
    // take defaults (a beam of the default wood) that the file never said.
    if (cutOff && endsFile) continue;
    const ReadResult r = ReadObjectLine(doc, *line);
    if (r.ok) continue;
    // A last line that does not read lost its end too (a node's "-1" cut to
    // "-"): it is reported as such, not as a damaged number.
    if (cutOff || !endsFile) return Refused(r);
    survey.CutOff.push_back(i); // the last line: the list stays sorted
  }
  doc.Modified = false;
  DocumentReadResult result;
  if (checked) result.damage = DamageText(survey);
  return result;
}

} // namespace

DocumentReadResult ReadDocumentText(std::string_view bytes, ModelDocument& doc) {
  // Text files never hold a zero byte; a picture or a UTF-16 file named ".qsd"
  // would otherwise read as an empty model and be overwritten by the next save.
  if (bytes.find('\0') != std::string_view::npos) return Refused({false, kBinaryFileMessage});
  if (Trim(bytes).empty()) {
    return Refused({false, TranslatedOr(tr::kMsgFileEmpty, kEmptyFileMessage)});
  }
  const ProfileFile file = ProfileFile::Parse(bytes);
  if (!file.Complete()) return Refused({false, kTooManyEntriesMessage});
  return ReadParsedDocument(file, doc, true);
}

DocumentReadResult LoadDocument(const std::string& path, ModelDocument& doc) {
  doc.FileName = FileNameOf(path);
  const FileReadResult read = ReadWholeFile(path);
  if (read.missing) return ReadParsedDocument(ProfileFile(), doc, false);
  if (!read.ok) return Refused({false, read.message});
  return ReadDocumentText(read.bytes, doc);
}

WriteResult SaveDocument(ModelDocument& doc, const std::string& path, FileOps& ops) {
  WriteResult result = WriteFileAtomically(path, WriteDocumentText(doc), ops);
  if (result.ok) doc.Modified = false;
  return result;
}

WriteResult SaveDocument(ModelDocument& doc, const std::string& path) {
  FileOps ops;
  return SaveDocument(doc, path, ops);
}

void StampModification(ModelDocument& doc) {
  doc.LastModDate = TodayText();
  doc.LastModByUser = CurrentUserName();
}

} // namespace strandel
