#include "optimizer/optimizer_texts.h"

#include "common/text_entries.h"
#include "common/translation.h"

namespace strandel {
std::string ObjectiveName(int objective) {
  return objective == 1 ? TranslatedOr(tr::kOptimizerMinimizeDisplacement, "Minimize displacement")
                        : TranslatedOr(tr::kOptimizerMinimizeUtilisation, "Minimize utilisation");
}

std::string AlgorithmName(int algorithm) {
  return algorithm == 1 ? TranslatedOr(tr::kOptimizerAlgorithmCyclic, "Complex cyclic")
                        : TranslatedOr(tr::kOptimizerAlgorithmComplex, "Complex");
}

std::string ConstraintTypeName(int type) {
  switch (type) {
  case 1:
    return TranslatedOr(tr::kConstraintEqual, "Equal");
  case 2:
    return TranslatedOr(tr::kConstraintMirror, "Mirror");
  default:
    return TranslatedOr(tr::kConstraintInterval, "Interval");
  }
}

std::string KeepResultQuestion() {
  return TranslatedOr(tr::kOptimizerKeepResult,
                      "The optimization has finished and the model shows the best node positions "
                      "found. Keep them? No puts every node back where it was before the run.");
}

std::string OptimizationAbortedText() {
  return TranslatedOr(tr::kOptimizerAborted, "An error occured, optimization was aborted");
}

std::string NothingSolvedText() {
  return TranslatedOr(tr::kOptimizerNothingSolved,
                      "The optimization found no node positions at which the structure can be "
                      "solved. Every node is back where it was before the run.");
}

} // namespace strandel
