#include "model/document_file.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "common/files.h"
#include "common/number_text.h"
#include "common/profile_file.h"
#include "common/system_info.h"
#include "common/text.h"
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
constexpr const char* kTooManyEntriesMessage =
    "The file is not read: it has more than 1000000 entries, far more than any model document";

// The indices of the object keys present, rising, up to `count`: reading visits
// only these, so neither a count far beyond the stored objects nor one far-off key
// ("Object999999999") makes it walk through absent keys.
std::vector<long> ObjectIndices(const ProfileFile& file, long count) {
  std::vector<long> indices;
  for (const std::string& key : file.KeysOf(kObjects)) {
    if (key.size() <= 6 || key.size() > 16 || !EqualsIgnoreCase(key.substr(0, 6), "Object"))
      continue;
    long index = 0;
    bool digits = true;
    for (std::size_t i = 6; i < key.size() && digits; ++i) {
      digits = IsDigit(key[i]);
      if (digits) index = index * 10 + (key[i] - '0');
    }
    // "Object1" is not the key of object 1 ("Object001"), as the writer spells it.
    if (digits && index >= 1 && index <= count && EqualsIgnoreCase(key, ObjectKey(index)))
      indices.push_back(index);
  }
  std::sort(indices.begin(), indices.end());
  indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
  return indices;
}

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
  ProfileWriter writer;
  writer.BeginSection(kSwitches);
  writer.Write("FailHazRed", BoolText(doc.FailHazRed));
  writer.Write("DimUncertRed", BoolText(doc.DimUncertRed));
  writer.Write("LatBuckRed", BoolText(doc.LatBuckRed));
  writer.Write("LocBuckRed", BoolText(doc.LocBuckRed));
  writer.Write("LoadDurRed", BoolText(doc.LoadDurRed));
  writer.Write("AirMoistRed", BoolText(doc.AirMoistRed));
  writer.Write("OwnWeight", BoolText(doc.OwnWeight));
  writer.BeginSection(kHistory);
  writer.Write("LastModDate", doc.LastModDate);
  writer.Write("LastModByUser", doc.LastModByUser);
  writer.Write("CreatedDate", doc.CreatedDate);
  writer.Write("CreatedByUser", doc.CreatedByUser);
  writer.Write("CreationVersion", doc.CreationVersion);
  writer.BeginSection(kModelSettings);
  writer.Write("BeamHeight", FormatGeneral(doc.BeamHeight));
  writer.Write("TxtHeight", FormatGeneral(doc.TxtHeight));
  writer.Write("LoadHeight", FormatGeneral(doc.LoadHeight));
  writer.BeginSection(kOptimizer);
  writer.Write("VariableStr", doc.VariableStr);
  writer.BeginSection(kDiagramPage);
  writer.Write("FBDBeamNo", std::to_string(doc.FBDBeamNo));
  writer.BeginSection(kObjects);
  writer.Write("GraphObjCount", std::to_string(doc.GraphObjects.size()));
  long index = 0;
  for (const auto& object : doc.GraphObjects) {
    writer.Write(ObjectKey(++index), WriteText(*object));
  }
  return writer.Bytes();
}

ReadResult ReadDocumentText(std::string_view bytes, ModelDocument& doc) {
  // Text files never hold a zero byte; a picture or a UTF-16 file named ".qsd"
  // would otherwise read as an empty model and be overwritten by the next save.
  if (bytes.find('\0') != std::string_view::npos) return {false, kBinaryFileMessage};
  const ProfileFile file = ProfileFile::Parse(bytes);
  if (!file.Complete()) return {false, kTooManyEntriesMessage};
  auto flag = [&](const char* key) { return ParseBool(file.ReadString(kSwitches, key, "True")); };
  doc.FailHazRed = flag("FailHazRed");
  doc.DimUncertRed = flag("DimUncertRed");
  doc.LatBuckRed = flag("LatBuckRed");
  doc.LocBuckRed = flag("LocBuckRed");
  doc.LoadDurRed = flag("LoadDurRed");
  doc.AirMoistRed = flag("AirMoistRed");
  doc.OwnWeight = flag("OwnWeight");
  doc.LastModDate = file.ReadString(kHistory, "LastModDate", "?");
  doc.LastModByUser = file.ReadString(kHistory, "LastModByUser", "?");
  doc.CreatedDate = file.ReadString(kHistory, "CreatedDate", "?");
  doc.CreatedByUser = file.ReadString(kHistory, "CreatedByUser", "?");
  doc.CreationVersion = file.ReadString(kHistory, "CreationVersion", "?");
  doc.BeamHeight = ParseNumber(file.ReadString(kModelSettings, "BeamHeight", "0.11"));
  doc.TxtHeight = ParseNumber(file.ReadString(kModelSettings, "TxtHeight", "0.11"));
  doc.LoadHeight = ParseNumber(file.ReadString(kModelSettings, "LoadHeight", "0.30"));
  doc.DisplacementScale = 0;
  doc.VariableStr = file.ReadString(kOptimizer, "VariableStr", "");
  if (ReadResult r = ReadStrictInteger(file, kDiagramPage, "FBDBeamNo", -1, doc.FBDBeamNo); !r.ok) {
    return r;
  }
  std::int32_t count = 0;
  if (ReadResult r = ReadStrictInteger(file, kObjects, "GraphObjCount", 0, count); !r.ok) return r;
  for (const long i : ObjectIndices(file, count)) {
    const std::optional<std::string> line = file.Value(kObjects, ObjectKey(i));
    if (!line) continue;
    if (ReadResult r = ReadObjectLine(doc, *line); !r.ok) return r;
  }
  doc.Modified = false;
  return {};
}

ReadResult LoadDocument(const std::string& path, ModelDocument& doc) {
  doc.FileName = FileNameOf(path);
  const FileReadResult read = ReadWholeFile(path);
  if (!read.ok && !read.missing) return {false, read.message};
  return ReadDocumentText(read.ok ? std::string_view(read.bytes) : std::string_view(), doc);
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
