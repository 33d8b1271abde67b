// Fuzz target of the model document reader. The input is read as a ".qsd" file;
// besides crashes, hangs and sanitizer reports, a broken promise of the reader or
// the writer stops the run: a refused file says why, reading never makes more
// objects than the file has object lines, and a document as read is written so
// that reading it again gives the same document, byte for byte when written anew,
// and never a file that reading takes for damaged.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/document_file.h"

namespace {

void Require(bool promise) {
  if (!promise) __builtin_trap();
}

// Lines that could hold an object: one per "=" at most.
std::size_t PossibleObjectLines(std::string_view bytes) {
  std::size_t count = 0;
  for (char c : bytes)
    count += c == '=';
  return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace strandel;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  ModelDocument doc;
  doc.Modified = true;
  const ReadResult read = ReadDocumentText(input, doc);
  Require(read.ok == read.message.empty());
  Require(read.ok != doc.Modified);
  Require(doc.GraphObjects.size() <= PossibleObjectLines(input));

  const std::string text = WriteDocumentText(doc);
  ModelDocument again;
  const DocumentReadResult back = ReadDocumentText(text, again);
  Require(back.ok && back.damage.empty());
  Require(again.GraphObjects.size() == doc.GraphObjects.size());
  Require(WriteDocumentText(again) == text);
  return 0;
}
