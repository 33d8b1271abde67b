#include "support/standard_structures.h"

#include "common/files.h"

namespace strandel::testing {

std::vector<std::string> StandardStructures() {
  std::vector<std::string> paths;
  const FolderTree tree =
      ListFolderTree(std::string(STRANDEL_SOURCE_DIR) + "/data/Structures/", "*.qsd", true);
  for (const FolderTree& kind : tree.Folders)
    for (const FolderEntry& file : kind.Files)
      paths.push_back(file.Path);
  for (const FolderEntry& file : tree.Files)
    paths.push_back(file.Path);
  return paths;
}

} // namespace strandel::testing
