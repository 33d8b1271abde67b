#pragma once
// The material and profile libraries: one material or one profile per ".txt"
// file in the data folders "Materials" and "Profiles", each a small sectioned
// key=value file. Loading fills the beam being edited; saving writes the beam's
// material or profile so that it can be chosen again for other beams.

#include <string>
#include <string_view>
#include <vector>

#include "common/atomic_write.h"
#include "model/objects.h"
#include "model/read_result.h"

namespace strandel {

// The file's bytes: sections and keys in their fixed order, numbers in the
// program's three-digit form where that reads back exactly and in the fewest
// digits that do elsewhere (as the beam line), line breaks of the description as
// "#13#10".
std::string WriteMaterialText(const TBeamObject& beam);
std::string WriteProfileText(const TBeamObject& beam);

// Fill the beam from a file's bytes; `name` becomes the material or profile
// name. Missing keys take their defaults and malformed numbers read as 0. A
// shape number that is not an integer from 1 to 10 refuses the whole profile,
// with its message, and leaves the beam as it was.
ReadResult ReadMaterialText(std::string_view bytes, std::string_view name, TBeamObject& beam);
ReadResult ReadProfileText(std::string_view bytes, std::string_view name, TBeamObject& beam);

// The name a library file gives its material or profile: the file name without
// folder and without its four-character extension ("C24.txt" gives "C24").
std::string LibraryEntryName(std::string_view path);

// Load the file into the beam. A missing file changes nothing and is no error;
// a file that cannot be read, or a refused profile, leaves the beam as it was
// and gives the message.
ReadResult LoadMaterial(const std::string& path, TBeamObject& beam);
ReadResult LoadProfile(const std::string& path, TBeamObject& beam);

// Write the beam's material or profile to the file, replacing it only once the
// new file is complete.
WriteResult SaveMaterial(const std::string& path, const TBeamObject& beam);
WriteResult SaveProfile(const std::string& path, const TBeamObject& beam);

// The library folders of the data folder ("<data>/Materials/", "<data>/Profiles/").
std::string MaterialFolder(const std::string& dataFolder);
std::string ProfileFolder(const std::string& dataFolder);
// The ".txt" files of each folder (any case of the extension), full paths sorted
// by name, for the load menus.
std::vector<std::string> ListMaterialFiles(const std::string& dataFolder);
std::vector<std::string> ListProfileFiles(const std::string& dataFolder);

// Names in the order a reader expects: runs of digits compare as numbers, so
// "IPE 80" comes before "IPE 100"; letters compare without regard to case.
bool NaturalLess(std::string_view a, std::string_view b);

// Library files by family, for a menu: the family is the name's first word
// ("IPE", "RHS", "Glulam"); a name of one word is a family of its own.
// Families in natural order, and their entries too.
struct LibraryFamily {
  std::string Name;
  std::vector<std::string> Paths;
};
std::vector<LibraryFamily> LibraryFamilies(const std::vector<std::string>& paths);

} // namespace strandel
