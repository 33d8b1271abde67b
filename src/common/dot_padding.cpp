#include "common/dot_padding.h"

#include "common/text.h"

namespace strandel {

std::string PadWithDots(std::string text, std::string_view reference,
                        const TextWidthFunction& width) {
  const double target = width(reference);
  const std::size_t limit = CharacterCount(reference) + 1;
  for (std::size_t added = 0; added < limit && width(text) < target; ++added)
    text.push_back('.');
  return text;
}

} // namespace strandel
