#include "common/text.h"

#include <cstdio>
#include <ctime>

namespace strandel {
namespace {

bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

char ToUpper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
char ToLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Byte offset of the n-th code point (or the end).
std::size_t OffsetOfCharacter(std::string_view text, std::size_t n) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!IsContinuationByte(text[i])) {
      if (count == n) return i;
      ++count;
    }
  }
  return text.size();
}

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool ReadDigits(std::string_view text, std::size_t& pos, std::size_t minDigits,
                std::size_t maxDigits, int& value) {
  value = 0;
  std::size_t count = 0;
  while (pos < text.size() && IsDigit(text[pos]) && count < maxDigits) {
    value = value * 10 + (text[pos] - '0');
    ++pos;
    ++count;
  }
  return count >= minDigits;
}

} // namespace

std::string_view Trim(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsBlank(text[begin]))
    ++begin;
  while (end > begin && IsBlank(text[end - 1]))
    --end;
  return text.substr(begin, end - begin);
}

std::string UpperCase(std::string_view text) {
  std::string result(text);
  for (char& c : result)
    c = ToUpper(c);
  return result;
}

std::string LowerCase(std::string_view text) {
  std::string result(text);
  for (char& c : result)
    c = ToLower(c);
  return result;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (ToUpper(a[i]) != ToUpper(b[i])) return false;
  }
  return true;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool EndsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(text);
  std::string result;
  result.reserve(text.size());
  std::size_t pos = 0;
  while (true) {
    const std::size_t hit = text.find(from, pos);
    if (hit == std::string_view::npos) break;
    result.append(text.substr(pos, hit - pos));
    result.append(to);
    pos = hit + from.size();
  }
  result.append(text.substr(pos));
  return result;
}

std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (char c : text) {
    if (!IsContinuationByte(c)) ++count;
  }
  return count;
}

std::string LeftStr(std::string_view text, std::size_t n) {
  return std::string(text.substr(0, OffsetOfCharacter(text, n)));
}

std::string RightStr(std::string_view text, std::size_t n) {
  const std::size_t count = CharacterCount(text);
  if (n >= count) return std::string(text);
  return std::string(text.substr(OffsetOfCharacter(text, count - n)));
}

std::string BoolText(bool value) {
  return value ? "True" : "False";
}

bool ParseBool(std::string_view text) {
  return UpperCase(Trim(text)) == "TRUE";
}

std::string DateText(const CalendarDate& date) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", date.Year, date.Month, date.Day);
  return buffer;
}

bool ParseDate(std::string_view text, CalendarDate& date) {
  text = Trim(text);
  std::size_t pos = 0;
  CalendarDate d;
  if (!ReadDigits(text, pos, 4, 4, d.Year) || pos >= text.size() || text[pos++] != '-')
    return false;
  if (!ReadDigits(text, pos, 1, 2, d.Month) || pos >= text.size() || text[pos++] != '-')
    return false;
  if (!ReadDigits(text, pos, 1, 2, d.Day) || pos != text.size()) return false;
  if (d.Month < 1 || d.Month > 12 || d.Day < 1 || d.Day > DaysInMonth(d.Year, d.Month))
    return false;
  date = d;
  return true;
}

CalendarDate Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return CalendarDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  ForEachLine(text, [&](std::string_view line) {
    lines.push_back(line);
    return true;
  });
  return lines;
}

std::string Filled(std::string text, std::initializer_list<std::string> values) {
  int n = 0;
  for (const std::string& value : values)
    text = ReplaceAll(text, "%" + std::to_string(++n), value);
  return text;
}

} // namespace strandel
