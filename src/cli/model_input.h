#pragma once
// Reading the model document a command works on, with the batch front end's rules:
// a missing, damaged or incomplete file is an error (status 2), reported on stderr.

#include <string>

#include "model/document.h"

namespace strandel::cli {

// What the command does with the model. A load, force or moment on a beam or
// node that does not exist is left out of the analysis: a command that analyses
// refuses a model where that changes the loads (one with a value), since its
// numbers would not be those of the model the user drew; the other commands,
// and a loose object of value 0, only warn on stderr.
enum class ModelUse { Analyse, Inspect };

// False, after a one-line message on stderr, when the file is missing,
// unreadable, stops the reader, does not hold what its writer always writes (an
// end cut off, objects missing) or, for `Analyse`, has loads acting on nothing.
bool ReadModel(const std::string& path, ModelDocument& doc, ModelUse use);

} // namespace strandel::cli
