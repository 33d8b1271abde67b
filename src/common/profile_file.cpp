#include "common/profile_file.h"

#include "common/codepage.h"
#include "common/text.h"

namespace strandel {

ProfileFile ProfileFile::Parse(std::string_view bytes) {
  ProfileFile file;
  file.bytes_.assign(bytes);
  const char* const base = file.bytes_.data();
  Section* current = nullptr;
  std::size_t entries = 0;
  ForEachLine(file.bytes_, [&](std::string_view rawLine) {
    const std::string_view line = Trim(rawLine);
    if (line.empty()) return true;
    if (line.front() == '[') {
      const std::size_t close = line.find(']');
      if (close != std::string_view::npos) {
        const std::string name = UpperCase(Trim(line.substr(1, close - 1)));
        file.sections_.emplace_back();
        current = &file.sections_.back();
        file.firstByName_.try_emplace(name, file.sections_.size() - 1);
        return true;
      }
    }
    const std::size_t equals = line.find('=');
    if (current == nullptr || equals == std::string_view::npos || equals == 0) return true;
    if (++entries > kMaxProfileEntries) {
      file.complete_ = false;
      return false;
    }
    const std::string_view key = Trim(line.substr(0, equals));
    const std::string_view value = Trim(line.substr(equals + 1));
    Entry entry;
    entry.KeyBegin = static_cast<std::size_t>(key.data() - base);
    entry.KeyLength = key.size();
    entry.ValueBegin = static_cast<std::size_t>(value.data() - base);
    entry.ValueLength = value.size();
    current->FirstByKey.try_emplace(UpperCase(key), current->Entries.size());
    current->Entries.push_back(entry);
    return true;
  });
  return file;
}

const ProfileFile::Section* ProfileFile::FindSection(std::string_view section) const {
  const auto it = firstByName_.find(UpperCase(Trim(section)));
  return it == firstByName_.end() ? nullptr : &sections_[it->second];
}

const ProfileFile::Entry* ProfileFile::FindEntry(std::string_view section,
                                                 std::string_view key) const {
  const Section* found = FindSection(section);
  if (!found) return nullptr;
  const auto it = found->FirstByKey.find(UpperCase(Trim(key)));
  return it == found->FirstByKey.end() ? nullptr : &found->Entries[it->second];
}

std::optional<std::string> ProfileFile::Value(std::string_view section,
                                              std::string_view key) const {
  const Entry* entry = FindEntry(section, key);
  if (!entry) return std::nullopt;
  const std::string_view raw(bytes_.data() + entry->ValueBegin, entry->ValueLength);
  return Cp1252ToUtf8(raw.substr(0, kMaxProfileValueLength));
}

std::size_t ProfileFile::StoredLength(std::string_view section, std::string_view key) const {
  const Entry* entry = FindEntry(section, key);
  return entry ? entry->ValueLength : 0;
}

bool ProfileFile::EndsInside(std::string_view section, std::string_view key) const {
  const Entry* entry = FindEntry(section, key);
  if (!entry) return false;
  // Only the blanks that trimming took off may follow the value: no line break.
  const std::string_view rest =
      std::string_view(bytes_).substr(entry->ValueBegin + entry->ValueLength);
  return rest.find_first_of("\r\n") == std::string_view::npos;
}

std::string ProfileFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view fallback) const {
  std::optional<std::string> value = Value(section, key);
  return value ? *value : std::string(fallback);
}

bool ProfileFile::HasSection(std::string_view section) const {
  return FindSection(section) != nullptr;
}

std::vector<std::string> ProfileFile::KeysOf(std::string_view section) const {
  std::vector<std::string> keys;
  if (const Section* found = FindSection(section)) {
    for (const Entry& entry : found->Entries)
      keys.push_back(
          Cp1252ToUtf8(std::string_view(bytes_.data() + entry.KeyBegin, entry.KeyLength)));
  }
  return keys;
}

void ProfileWriter::BeginSection(std::string_view name) {
  text_ += "[";
  text_ += name;
  text_ += "]\r\n";
}

void ProfileWriter::Write(std::string_view key, std::string_view value) {
  text_ += key;
  text_ += "=";
  for (char c : value)
    text_.push_back(c == '\r' || c == '\n' ? ' ' : c);
  text_ += "\r\n";
}

std::string ProfileWriter::Bytes() const {
  return Utf8ToCp1252(text_);
}

} // namespace strandel
