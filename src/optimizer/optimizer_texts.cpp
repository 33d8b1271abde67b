#include "optimizer/optimizer_texts.h"

#include "common/text_entries.h"
#include "common/translation.h"

namespace strandel {
namespace {

std::string TextOr(int entry, const char* english) {
  std::string text = Translated(entry);
  return text.empty() || text == "?" ? english : text;
}

} // namespace

std::string ObjectiveName(int objective) {
  return objective == 1 ? TextOr(tr::kOptimizerMinimizeDisplacement, "Minimize displacement")
                        : TextOr(tr::kOptimizerMinimizeUtilisation, "Minimize utilisation");
}

std::string AlgorithmName(int algorithm) {
  return algorithm == 1 ? TextOr(tr::kOptimizerAlgorithmCyclic, "Complex cyclic")
                        : TextOr(tr::kOptimizerAlgorithmComplex, "Complex");
}

std::string ConstraintTypeName(int type) {
  switch (type) {
  case 1:
    return TextOr(tr::kConstraintEqual, "Equal");
  case 2:
    return TextOr(tr::kConstraintMirror, "Mirror");
  default:
    return TextOr(tr::kConstraintInterval, "Interval");
  }
}

std::string KeepResultQuestion() {
  return TextOr(tr::kOptimizerKeepResult,
                "The optimization has finished and the model shows the best node positions "
                "found. Keep them? No puts every node back where it was before the run.");
}

std::string OptimizationAbortedText() {
  return TextOr(tr::kOptimizerAborted, "An error occured, optimization was aborted");
}

std::string NothingSolvedText() {
  return TextOr(tr::kOptimizerNothingSolved,
                "The optimization found no node positions at which the structure can be "
                "solved. Every node is back where it was before the run.");
}

} // namespace strandel
