#pragma once
// Small text helpers shared by every reader and writer: trimming, ASCII case,
// replacement, character-counted left and right parts, booleans and dates as text.
// Text inside the program is UTF-8; lengths given in characters count code points.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace strandel {

inline bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
inline bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

// Without leading and trailing blanks, tabs and line ends.
std::string_view Trim(std::string_view text);
// ASCII case only: section names, keys and kind words are plain ASCII.
std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
bool StartsWith(std::string_view text, std::string_view prefix);
bool EndsWith(std::string_view text, std::string_view suffix);

// Every occurrence of `from` replaced by `to`, scanning left to right and going on
// after each replacement, so a replacement is never replaced again.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);
// The text with "%1", "%2", ... replaced by the values in turn.
std::string Filled(std::string text, std::initializer_list<std::string> values);

// The first / last n characters (code points); the whole text when it is shorter.
std::string LeftStr(std::string_view text, std::size_t n);
std::string RightStr(std::string_view text, std::size_t n);
std::size_t CharacterCount(std::string_view text);

// "True" / "False"; a text reads as true exactly when, trimmed and upper-cased, it
// is "TRUE" ("1" and "yes" are false).
std::string BoolText(bool value);
bool ParseBool(std::string_view text);

struct CalendarDate {
  int Year = 0;
  int Month = 0;
  int Day = 0;
  friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};
// "yyyy-MM-dd" whatever the locale, e.g. 2004-03-01.
std::string DateText(const CalendarDate& date);
// Reads "yyyy-MM-dd" (one- or two-digit month and day accepted); false when the
// text is not a valid date.
bool ParseDate(std::string_view text, CalendarDate& date);
CalendarDate Today();

// Calls `visit(line)` for each line of a text, split at CR LF, LF or a lone CR, no
// line ends kept, until it returns false. Readers of files walk lines this way,
// so a file of millions of empty lines costs no list of them.
template <class Visit> void ForEachLine(std::string_view text, Visit&& visit) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || text[i] == '\r') {
      if (!visit(text.substr(start, i - start))) return;
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  if (start < text.size()) visit(text.substr(start));
}

// The lines of a text, split as ForEachLine splits them.
std::vector<std::string_view> SplitLines(std::string_view text);

} // namespace strandel
