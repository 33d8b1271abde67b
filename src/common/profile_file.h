#pragma once
// The sectioned key=value files of the program (model documents, the settings
// file, material and profile libraries), read and written with the rules of the
// classic Windows profile-file functions: section and key names match without
// regard to case, the first section and the first key of a name win, values are
// trimmed, and at most 1023 characters of a value are read back.
//
// A file is parsed once; lookups do not rescan it. Files are Windows-1252 text
// with CR LF line ends (LF alone is read too); values come out as UTF-8.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace strandel {

// The longest value that reading gives back, in file characters.
constexpr std::size_t kMaxProfileValueLength = 1023;

// Reading stops after this many key=value lines, so that a damaged or hostile file
// cannot make the reader hold tens of bytes for every two bytes it has. No model,
// settings or library file comes near it: a model with 65,535 objects of each of
// the six kinds has fewer than 400,000.
constexpr std::size_t kMaxProfileEntries = 1000000;

class ProfileFile {
public:
  ProfileFile() = default;
  // Parses the bytes of a file.
  static ProfileFile Parse(std::string_view bytes);

  // The value of the key, when the section and the key are present.
  std::optional<std::string> Value(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  bool HasSection(std::string_view section) const;
  // The value's length in the file, before reading cuts it to kMaxProfileValueLength;
  // 0 when the key is absent.
  std::size_t StoredLength(std::string_view section, std::string_view key) const;
  // Whether the key's line is the file's last and no line break ends it, as a file
  // ends whose writing was cut off in the middle of that line.
  bool EndsInside(std::string_view section, std::string_view key) const;
  // The key names of the section in file order (as written, not upper-cased).
  std::vector<std::string> KeysOf(std::string_view section) const;
  // False when the file has more than kMaxProfileEntries entries and the rest was
  // not read.
  bool Complete() const { return complete_; }

private:
  // The trimmed key and value as stretches of bytes_ (offsets, so copies stay valid).
  struct Entry {
    std::size_t KeyBegin = 0;
    std::size_t KeyLength = 0;
    std::size_t ValueBegin = 0;
    std::size_t ValueLength = 0;
  };
  struct Section {
    std::vector<Entry> Entries;
    std::unordered_map<std::string, std::size_t> FirstByKey; // upper-case key -> entry
  };
  const Section* FindSection(std::string_view section) const;
  const Entry* FindEntry(std::string_view section, std::string_view key) const;

  std::string bytes_;
  std::vector<Section> sections_;
  std::unordered_map<std::string, std::size_t> firstByName_; // upper-case name -> section
  bool complete_ = true;
};

// Writes sections and keys in the order they are given.
class ProfileWriter {
public:
  void BeginSection(std::string_view name);
  // Line ends inside a value would break the file; they are written as blanks.
  void Write(std::string_view key, std::string_view value);
  // The file's bytes: Windows-1252, CR LF after every line.
  std::string Bytes() const;

private:
  std::string text_; // UTF-8
};

} // namespace strandel
