#include "layer_check/include_scan.h"

#include <cctype>

namespace strandel::layer_check {
namespace {

struct LogicalLine {
  int Line;
  std::string Text;
};

// Lines as the preprocessor joins them: a backslash at the end continues the
// line; a line counts from where it starts.
std::vector<LogicalLine> JoinedLines(std::string_view text) {
  std::vector<LogicalLine> lines;
  int number = 0;
  bool continued = false;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find('\n', at);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(at, end - at);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ++number;
    const bool continues = !line.empty() && line.back() == '\\';
    if (continues) line.remove_suffix(1);
    if (continued)
      lines.back().Text += line;
    else
      lines.push_back({number, std::string(line)});
    continued = continues;
    at = end + 1;
  }
  return lines;
}

bool SkipSpace(std::string_view s, std::size_t& i) {
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
    ++i;
  return i < s.size();
}

// The directive at the start of `s` (after blanks), if it is an #include; `after`
// is where its file name ends.
bool ParseDirective(std::string_view s, IncludeLine& include, std::size_t& after) {
  std::size_t i = 0;
  if (!SkipSpace(s, i) || s[i] != '#') return false;
  ++i;
  if (!SkipSpace(s, i) || s.substr(i, 7) != "include") return false;
  i += 7;
  if (!SkipSpace(s, i)) return false;
  const char open = s[i];
  if (open != '"' && open != '<') return false;
  const char close = open == '"' ? '"' : '>';
  const std::size_t end = s.find(close, i + 1);
  if (end == std::string_view::npos) return false;
  include.Path = std::string(s.substr(i + 1, end - i - 1));
  include.Angled = open == '<';
  after = end + 1;
  return true;
}

// Walks the line from `from` for comment openers outside string and character
// literals; returns whether a /* comment is still open at the end.
bool OpensBlockComment(std::string_view s, std::size_t from) {
  char quote = 0;
  for (std::size_t i = from; i < s.size(); ++i) {
    const char c = s[i];
    if (quote) {
      if (c == '\\')
        ++i;
      else if (c == quote)
        quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '/' && i + 1 < s.size() && s[i + 1] == '/') {
      return false;
    } else if (c == '/' && i + 1 < s.size() && s[i + 1] == '*') {
      const std::size_t close = s.find("*/", i + 2);
      if (close == std::string_view::npos) return true;
      i = close + 1;
    }
  }
  return false;
}

} // namespace

std::vector<IncludeLine> ListIncludes(std::string_view text) {
  std::vector<IncludeLine> includes;
  bool inComment = false;
  for (const LogicalLine& logical : JoinedLines(text)) {
    std::string_view line = logical.Text;
    if (inComment) {
      const std::size_t close = line.find("*/");
      if (close == std::string_view::npos) continue;
      inComment = false;
      line.remove_prefix(close + 2); // the comment counts as a blank
    }
    IncludeLine include;
    std::size_t after = 0;
    if (ParseDirective(line, include, after)) {
      include.Line = logical.Line;
      includes.push_back(include);
    }
    inComment = OpensBlockComment(line, after);
  }
  return includes;
}

std::string_view FolderOf(std::string_view includePath) {
  const std::size_t slash = includePath.find('/');
  return slash == std::string_view::npos ? std::string_view{} : includePath.substr(0, slash);
}

} // namespace strandel::layer_check
