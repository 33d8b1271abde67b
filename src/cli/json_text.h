#pragma once
// The pieces of the batch front end's JSON output: numbers in shortest
// round-trip form, with null for a value that is undefined or infinite (JSON
// has no such numbers), and strings with JSON escapes.

#include <string>
#include <string_view>

namespace strandel::cli {

std::string JsonNumber(double value);
std::string JsonString(std::string_view text);

} // namespace strandel::cli
