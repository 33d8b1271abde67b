#include "sections/library_files.h"

#include <algorithm>

#include "model/profile_size.h"

#include "common/files.h"
#include "common/number_text.h"
#include "common/profile_file.h"
#include "common/text.h"
#include "model/object_text.h"

namespace strandel {
namespace {

constexpr const char* kGeneralSection = "General-Material-data";
constexpr const char* kCharacteristicsSection = "Material-Characteristics";
constexpr const char* kProfileSection = "Profile-Data";
constexpr const char* kLibraryPattern = "*.txt";

// A text value as reading will give it back: within the characters a value
// keeps, line ends as blanks, no blanks at either end (reading trims them). So a
// file loaded and saved again is the same file.
std::string StoredText(std::string_view text) {
  std::string stored(text);
  for (char& c : stored) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  if (CharacterCount(stored) > kMaxProfileValueLength)
    stored = LeftStr(stored, kMaxProfileValueLength);
  return std::string(Trim(stored));
}

// The description as one value, line breaks as "#13#10"; a long one is shortened
// before the escape that would be cut.
std::string StoredDescription(std::string_view description) {
  std::string stored = EncodeDescription(description);
  if (CharacterCount(stored) > kMaxProfileValueLength) {
    stored = LeftStr(stored, kMaxProfileValueLength);
    const std::string escape = "#13#10";
    for (std::size_t partial = escape.size() - 1; partial > 0; --partial) {
      if (EndsWith(stored, escape.substr(0, partial))) {
        stored.resize(stored.size() - partial);
        break;
      }
    }
  }
  return StoredText(stored);
}

ReadResult ReadLibraryFile(const std::string& path, std::string& bytes, bool& missing) {
  const FileReadResult read = ReadWholeFile(path);
  missing = read.missing;
  if (read.missing) return {};
  if (!read.ok) return {false, read.message};
  bytes = read.bytes;
  return {};
}

} // namespace

std::string WriteMaterialText(const TBeamObject& beam) {
  ProfileWriter writer;
  writer.BeginSection(kGeneralSection);
  writer.Write("MtrlType", StoredText(beam.MtrlType));
  writer.Write("MtrlDesc", StoredDescription(beam.MtrlDesc));
  writer.BeginSection(kCharacteristicsSection);
  writer.Write("Ftk", FormatValueExact(beam.Ftk));
  writer.Write("Fck", FormatValueExact(beam.Fck));
  writer.Write("Fmk", FormatValueExact(beam.Fmk));
  writer.Write("Ek", FormatValueExact(beam.Ek));
  writer.Write("Dens", FormatValueExact(beam.Dens));
  writer.Write("HardenAble", BoolText(beam.HardenAble));
  return writer.Bytes();
}

std::string WriteProfileText(const TBeamObject& beam) {
  ProfileWriter writer;
  writer.BeginSection(kProfileSection);
  writer.Write("ShapeNo", std::to_string(beam.ShapeNo));
  writer.Write("H", FormatValueExact(beam.H));
  writer.Write("B", FormatValueExact(beam.B));
  writer.Write("Tl", FormatValueExact(beam.TL));
  writer.Write("Tf", FormatValueExact(beam.TF));
  return writer.Bytes();
}

ReadResult ReadMaterialText(std::string_view bytes, std::string_view name, TBeamObject& beam) {
  const ProfileFile file = ProfileFile::Parse(bytes);
  auto number = [&](const char* key) {
    return ParseNumber(file.ReadString(kCharacteristicsSection, key, "0"));
  };
  beam.MtrlName = std::string(name);
  beam.MtrlType = file.ReadString(kGeneralSection, "MtrlType", "");
  beam.MtrlDesc = DecodeDescription(file.ReadString(kGeneralSection, "MtrlDesc", ""));
  beam.Ftk = number("Ftk");
  beam.Fck = number("Fck");
  beam.Fmk = number("Fmk");
  beam.Ek = number("Ek");
  beam.Dens = number("Dens");
  beam.HardenAble = ParseBool(file.ReadString(kCharacteristicsSection, "HardenAble", "False"));
  return {};
}

ReadResult ReadProfileText(std::string_view bytes, std::string_view name, TBeamObject& beam) {
  const ProfileFile file = ProfileFile::Parse(bytes);
  const std::string shapeText = file.ReadString(kProfileSection, "ShapeNo", "1");
  const std::optional<std::int32_t> shape = ParseStrictInteger(shapeText);
  if (!shape) return {false, InvalidIntegerMessage(shapeText)};
  if (*shape < 1 || *shape > 10) return {false, OutOfRangeMessage(shapeText, 1, 10)};
  auto number = [&](const char* key, const char* fallback) {
    return ParseNumber(file.ReadString(kProfileSection, key, fallback));
  };
  beam.ProfName = std::string(name);
  beam.ShapeNo = static_cast<std::uint16_t>(*shape);
  beam.H = number("H", "20");
  beam.B = number("B", "20");
  beam.TL = number("Tl", "3");
  beam.TF = number("Tf", "3");
  NormaliseProfile(beam);
  return {};
}

std::string LibraryEntryName(std::string_view path) {
  const std::string name = FileNameOf(path);
  const std::size_t length = CharacterCount(name);
  if (length > 4 && RightStr(name, 4).front() == '.') return LeftStr(name, length - 4);
  return name;
}

ReadResult LoadMaterial(const std::string& path, TBeamObject& beam) {
  std::string bytes;
  bool missing = false;
  const ReadResult read = ReadLibraryFile(path, bytes, missing);
  if (!read.ok || missing) return read;
  return ReadMaterialText(bytes, LibraryEntryName(path), beam);
}

ReadResult LoadProfile(const std::string& path, TBeamObject& beam) {
  std::string bytes;
  bool missing = false;
  const ReadResult read = ReadLibraryFile(path, bytes, missing);
  if (!read.ok || missing) return read;
  TBeamObject loaded = beam;
  ReadResult result = ReadProfileText(bytes, LibraryEntryName(path), loaded);
  if (!result.ok) {
    result.message = FileNameOf(path) + ": " + result.message;
    return result;
  }
  beam = loaded;
  return result;
}

WriteResult SaveMaterial(const std::string& path, const TBeamObject& beam) {
  return WriteFileAtomically(path, WriteMaterialText(beam));
}

WriteResult SaveProfile(const std::string& path, const TBeamObject& beam) {
  return WriteFileAtomically(path, WriteProfileText(beam));
}

std::string MaterialFolder(const std::string& dataFolder) {
  return EnsureFolder(JoinPath(dataFolder, "Materials"));
}

std::string ProfileFolder(const std::string& dataFolder) {
  return EnsureFolder(JoinPath(dataFolder, "Profiles"));
}

std::vector<std::string> ListMaterialFiles(const std::string& dataFolder) {
  return ListFiles(MaterialFolder(dataFolder), kLibraryPattern);
}

std::vector<std::string> ListProfileFiles(const std::string& dataFolder) {
  return ListFiles(ProfileFolder(dataFolder), kLibraryPattern);
}

bool NaturalLess(std::string_view a, std::string_view b) {
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  const auto lower = [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  };
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (digit(a[i]) && digit(b[j])) {
      // Compare the two numbers by their digits without leading zeros.
      std::size_t endA = i, endB = j;
      while (endA < a.size() && digit(a[endA]))
        ++endA;
      while (endB < b.size() && digit(b[endB]))
        ++endB;
      std::size_t startA = i, startB = j;
      while (startA + 1 < endA && a[startA] == '0')
        ++startA;
      while (startB + 1 < endB && b[startB] == '0')
        ++startB;
      const std::string_view numberA = a.substr(startA, endA - startA);
      const std::string_view numberB = b.substr(startB, endB - startB);
      if (numberA.size() != numberB.size()) return numberA.size() < numberB.size();
      if (numberA != numberB) return numberA < numberB;
      i = endA;
      j = endB;
      continue;
    }
    if (lower(a[i]) != lower(b[j])) return lower(a[i]) < lower(b[j]);
    ++i;
    ++j;
  }
  if (a.size() - i != b.size() - j) return a.size() - i < b.size() - j;
  return a < b; // the same to a reader: any fixed order
}

std::vector<LibraryFamily> LibraryFamilies(const std::vector<std::string>& paths) {
  std::vector<std::string> sorted = paths;
  std::sort(sorted.begin(), sorted.end(), [](const std::string& x, const std::string& y) {
    return NaturalLess(LibraryEntryName(x), LibraryEntryName(y));
  });
  std::vector<LibraryFamily> families;
  for (const std::string& path : sorted) {
    const std::string name = LibraryEntryName(path);
    const std::string family = name.substr(0, name.find(' '));
    auto found = std::find_if(families.begin(), families.end(),
                              [&](const LibraryFamily& f) { return f.Name == family; });
    if (found == families.end()) {
      families.push_back({family, {}});
      found = families.end() - 1;
    }
    found->Paths.push_back(path);
  }
  std::stable_sort(
      families.begin(), families.end(),
      [](const LibraryFamily& x, const LibraryFamily& y) { return NaturalLess(x.Name, y.Name); });
  return families;
}

} // namespace strandel
