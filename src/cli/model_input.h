#pragma once
// Reading the model document a command works on, with the batch front end's rules:
// a missing or damaged file is an error (status 2), reported on stderr.

#include <string>

#include "model/document.h"

namespace strandel::cli {

// False, after a one-line message on stderr, when the file is missing, unreadable
// or stops the reader.
bool ReadModel(const std::string& path, ModelDocument& doc);

} // namespace strandel::cli
