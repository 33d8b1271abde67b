#pragma once
// The optimizer's own texts: from the language file when one is loaded, else the
// program's English, so the batch front end (which loads no language) speaks too.

#include <string>

namespace strandel {

// "Minimize utilisation" (index 1: "Minimize displacement"); the names of the
// objective choice, which holds exactly these two.
std::string ObjectiveName(int objective);
// "Complex", "Complex cyclic".
std::string AlgorithmName(int algorithm);
// "Interval", "Equal", "Mirror".
std::string ConstraintTypeName(int type);
// The question at the end of a run: keep the best node positions?
std::string KeepResultQuestion();
// "An error occured, optimization was aborted" (spelled as the program always has).
std::string OptimizationAbortedText();
// The end of a run in which no trial point could be analysed: the model is back.
std::string NothingSolvedText();

} // namespace strandel
