#pragma once
// The #include lines of one source file, as the preprocessor would see them at
// the start of a line: quoted and angled, comments and continued lines aside.

#include <string>
#include <string_view>
#include <vector>

namespace strandel::layer_check {

struct IncludeLine {
  int Line = 0;     // 1-based
  std::string Path; // as written between the quotes or angle brackets
  bool Angled = false;
};

// Every #include directive of the text. Directives inside /* */ comments are
// skipped; a directive in a raw string literal would count (none is written so).
std::vector<IncludeLine> ListIncludes(std::string_view text);

// The folder an include path names: the part before its first "/", empty when it
// has none (a file of the including folder).
std::string_view FolderOf(std::string_view includePath);

} // namespace strandel::layer_check
