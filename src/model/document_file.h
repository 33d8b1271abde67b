#pragma once
// The model document file (".qsd"): a sectioned key=value text file holding the
// dimensioning switches, the history texts, the drawing sizes, the optimizer's
// variables, the beam of the diagram page and one line per model object.

#include <functional>
#include <string>
#include <string_view>

#include "common/atomic_write.h"
#include "model/document.h"
#include "model/read_result.h"

namespace strandel {

// "Object001" ... "Object999", then "Object1000", "Object1001", ...: three digits
// while they suffice, the decimal index beyond.
std::string ObjectKey(long index);

// The file's bytes, sections and keys in their fixed order.
std::string WriteDocumentText(const ModelDocument& doc);
// The same without the objects `leftOut` takes (what is being drawn and not
// yet part of the model).
std::string WriteDocumentText(const ModelDocument& doc,
                              const std::function<bool(const GraphObject&)>& leftOut);

// A document read, and what it lacks: a file that does not hold what its writer
// always writes (fewer objects than its count, a line whose end was cut off, no
// object count) reads as far as it goes, with `damage` saying what is missing.
// Such a model must not be saved over the file it came from unasked.
struct DocumentReadResult : ReadResult {
  std::string damage; // user-facing, empty when the file is whole
};

// Reads the document's keys into the record and appends its objects to the
// object list (the caller clears the model first). A damaged integer ends the
// reading with its message; the objects read until then stay and Modified is
// left as it was. The object of the line a cut-off file ends inside is left out
// (an integer damaged there counts as damage, not as a refusal); a line cut by
// the readable length is read with the defaults of the fields it lost. DisplacementScale becomes 0;
// FileName is not touched. Bytes that are not text (a zero byte), text with nothing but blanks, and
// files of more than kMaxProfileEntries entries are refused with a message before anything of the
// record changes.
DocumentReadResult ReadDocumentText(std::string_view bytes, ModelDocument& doc);

// Reads the file at `path`: FileName becomes its file-name part. A missing file
// reads as an empty document; a file that cannot be read gives its message.
DocumentReadResult LoadDocument(const std::string& path, ModelDocument& doc);

// Writes the document to `path` (through a temporary file, so a failed save
// leaves the previous file as it was) and clears Modified on success.
WriteResult SaveDocument(ModelDocument& doc, const std::string& path, FileOps& ops);
WriteResult SaveDocument(ModelDocument& doc, const std::string& path);

// What the Save command records before saving: modified today by the current user.
void StampModification(ModelDocument& doc);

} // namespace strandel
