#pragma once
// TIniFileS, the simple reader of the settings file: the file is read once when
// the reader is created; a missing file is reported to the user (the first start
// of the program) and every key then takes its default.

#include <string>
#include <string_view>

#include "common/profile_file.h"
#include "common/user_message.h"

namespace strandel {

class TIniFileS {
public:
  // Reads the file; when it does not exist shows "The file <name>Did not exist"
  // followed by the reader's own line, and holds no entries.
  TIniFileS(const std::string& fileName, UserMessages& messages);
  // Reads the file without a message when it is missing (the batch front end).
  explicit TIniFileS(const std::string& fileName);

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  // The value parsed as a number and rounded to the nearest integer, halves to
  // even; text that is not a number gives 0.
  long long ReadInteger(std::string_view section, std::string_view key, long long fallback) const;

  bool Exists() const { return exists_; }
  const std::string& FileName() const { return fileName_; }

private:
  void Read();

  std::string fileName_;
  bool exists_ = false;
  ProfileFile file_;
};

} // namespace strandel
