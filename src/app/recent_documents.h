#pragma once
// The recent-documents list of the "&ReOpen" menu: how an opened document enters
// it and how the list is tidied whenever the menu is built again.

#include <functional>
#include <string>
#include <vector>

namespace strandel {

// An opened document goes to the top. When it is in the list already, it
// changes places with the top entry, so the former top entry takes its place
// rather than every entry moving down one.
void NoteRecentDocument(std::vector<std::string>& recent, const std::string& path);

// Drops entries whose file no longer exists and repeated entries; of two equal
// entries the later one stays, in its place.
void PruneRecentDocuments(std::vector<std::string>& recent,
                          const std::function<bool(const std::string&)>& exists);

} // namespace strandel
