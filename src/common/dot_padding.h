#pragma once
// Label columns in a proportional font: a label is followed by dots up to a
// common width so that the values after it start in one column. The width of a
// text is measured by the caller (the window's font); the core knows no fonts.

#include <functional>
#include <string>
#include <string_view>

namespace strandel {

// The rendered width of a text in the caller's font, in any consistent unit.
using TextWidthFunction = std::function<double(std::string_view)>;

// `text` followed by as many "." as make its width at least that of `reference`;
// `text` itself when it is already as wide. A measure that never grows (a
// broken font) stops after as many dots as `reference` has characters plus one,
// so the padding always ends.
std::string PadWithDots(std::string text, std::string_view reference,
                        const TextWidthFunction& width);

} // namespace strandel
