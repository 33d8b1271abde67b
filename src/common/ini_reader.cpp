#include "common/ini_reader.h"

#include "common/files.h"
#include "common/number_text.h"

namespace strandel {

TIniFileS::TIniFileS(const std::string& fileName, UserMessages& messages) : fileName_(fileName) {
  Read();
  if (!exists_) {
    messages.Show("The file " + fileName +
                      "Did not exist\nError in TIniFileS.Create(aFileName:String)",
                  MessageKind::Warning);
  }
}

TIniFileS::TIniFileS(const std::string& fileName) : fileName_(fileName) {
  Read();
}

void TIniFileS::Read() {
  const FileReadResult read = ReadWholeFile(fileName_);
  exists_ = read.ok;
  if (read.ok) file_ = ProfileFile::Parse(read.bytes);
}

std::string TIniFileS::ReadString(std::string_view section, std::string_view key,
                                  std::string_view fallback) const {
  return file_.ReadString(section, key, fallback);
}

long long TIniFileS::ReadInteger(std::string_view section, std::string_view key,
                                 long long fallback) const {
  const std::optional<std::string> value = file_.Value(section, key);
  if (!value) return fallback;
  return RoundHalfEven(ParseNumber(*value));
}

} // namespace strandel
