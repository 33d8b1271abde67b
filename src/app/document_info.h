#pragma once
// The text of the "Document information" box: the document's history, one
// line per field, each label followed by dots so the values form a column.

#include <string>

#include "common/dot_padding.h"
#include "model/document.h"

namespace strandel {

// Five lines joined by line feeds: created, created by, creation version, last
// modified, last modified by, in the given font's widths.
std::string DocumentInformationText(const ModelDocument& doc, const TextWidthFunction& width);

} // namespace strandel
