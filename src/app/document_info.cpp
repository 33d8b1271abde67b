#include "app/document_info.h"

#include <algorithm>
#include <array>
#include <utility>

#include "common/text_entries.h"
#include "common/translation.h"

namespace strandel {

std::string DocumentInformationText(const ModelDocument& doc, const TextWidthFunction& width) {
  const std::array<std::pair<int, const std::string*>, 5> lines = {{
      {tr::kDocInfoCreatedDate, &doc.CreatedDate},
      {tr::kDocInfoCreatedBy, &doc.CreatedByUser},
      {tr::kDocInfoCreationVersion, &doc.CreationVersion},
      {tr::kDocInfoLastModDate, &doc.LastModDate},
      {tr::kDocInfoLastModBy, &doc.LastModByUser},
  }};
  // The labels are padded to the width of 60 dots; a translation with a label
  // wider than that still gets its values in one column, three dots after the
  // widest label.
  std::string reference(60, '.');
  for (const auto& [entry, value] : lines) {
    const std::string widest = Translated(entry) + "...";
    if (width(widest) > width(reference)) reference = widest;
  }
  std::string text;
  for (const auto& [entry, value] : lines) {
    if (!text.empty()) text += '\n';
    text += PadWithDots(Translated(entry), reference, width) + *value;
  }
  return text;
}

} // namespace strandel
