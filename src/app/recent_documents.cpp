#include "app/recent_documents.h"

#include <algorithm>
#include <utility>

namespace strandel {

void NoteRecentDocument(std::vector<std::string>& recent, const std::string& path) {
  const auto found = std::find(recent.begin(), recent.end(), path);
  if (found == recent.end()) {
    recent.insert(recent.begin(), path);
    return;
  }
  std::iter_swap(found, recent.begin());
}

void PruneRecentDocuments(std::vector<std::string>& recent,
                          const std::function<bool(const std::string&)>& exists) {
  std::vector<std::string> kept;
  for (std::size_t i = 0; i < recent.size(); ++i) {
    const bool repeatedLater = std::find(recent.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                         recent.end(), recent[i]) != recent.end();
    if (!repeatedLater && exists(recent[i])) kept.push_back(recent[i]);
  }
  recent = std::move(kept);
}

} // namespace strandel
