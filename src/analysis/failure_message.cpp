#include "analysis/failure_message.h"

#include <cmath>

#include "analysis/second_order.h"
#include "common/number_text.h"
#include "common/text_entries.h"
#include "common/translation.h"

namespace strandel {
namespace {

// The text with every "%1" replaced by the value.
std::string WithValue(std::string text, const std::string& value) {
  for (std::size_t at = text.find("%1"); at != std::string::npos;
       at = text.find("%1", at + value.size()))
    text.replace(at, 2, value);
  return text;
}

std::string WithValues(const std::string& text, const std::string& first,
                       const std::string& second) {
  std::string out = WithValue(text, first);
  for (std::size_t at = out.find("%2"); at != std::string::npos;
       at = out.find("%2", at + second.size()))
    out.replace(at, 2, second);
  return out;
}

// Why the second-order analysis failed, naming the load set.
std::string SecondOrderFailure(const AnalysisOutcome& outcome) {
  const bool single = outcome.Combination <= 0;
  const std::string number = std::to_string(outcome.Combination);
  if (outcome.Failure == AnalysisFailure::AboveCritical) {
    const std::string factor = CriticalFactorText(outcome.CriticalFactor);
    if (single)
      return WithValue(TranslatedOr(tr::kMsgAboveCriticalLoadSingle,
                                    "The loads exceed the frame's critical load (alpha_cr = %1)."),
                       factor);
    return WithValues(
        TranslatedOr(tr::kMsgAboveCriticalLoad,
                     "The loads of combination %1 exceed the frame's critical load (alpha_cr = %2)."),
        number, factor);
  }
  if (single)
    return TranslatedOr(tr::kMsgSecondOrderNotConvergedSingle,
                        "The second-order analysis does not converge.");
  return WithValue(TranslatedOr(tr::kMsgSecondOrderNotConverged,
                                "The second-order analysis of combination %1 does not converge."),
                   number);
}

} // namespace

std::string CriticalFactorText(double factor) {
  if (std::isnan(factor)) return TranslatedOr(tr::kCriticalLoadNotFound, "not found");
  if (std::isinf(factor))
    return TranslatedOr(tr::kNoCriticalLoad, "none (nothing is compressed)");
  std::string text = FormatValue(factor);
  text.erase(0, text.find_first_not_of(' '));
  return text;
}

std::string BucklingCaption(long combination, double factor) {
  if (combination <= 0)
    return WithValue(TranslatedOr(tr::kBucklingModeSingle, "Buckling mode, alpha_cr = %1"),
                     CriticalFactorText(factor));
  return WithValues(
      TranslatedOr(tr::kBucklingModeOf, "Buckling mode of combination %1, alpha_cr = %2"),
      std::to_string(combination), CriticalFactorText(factor));
}

std::string CriticalFactorStatus(long combination, double factor) {
  if (combination <= 0)
    return WithValue(TranslatedOr(tr::kStatusCriticalFactor, "alpha_cr = %1"),
                     CriticalFactorText(factor));
  return WithValues(TranslatedOr(tr::kStatusCriticalFactorOf, "alpha_cr = %1 (combination %2)"),
                    CriticalFactorText(factor), std::to_string(combination));
}

std::string FirstOrderWarning(const LoadSetStability& stability) {
  if (stability.SecondOrder || !NeedsSecondOrder(stability.CriticalFactor)) return {};
  const std::string factor = CriticalFactorText(stability.CriticalFactor);
  const char* rule =
      "A first-order analysis suffices only for alpha_cr >= 10 (EN 1993-1-1, 5.2.1); for 3 <= "
      "alpha_cr < 10 the sway effects may be amplified by 1/(1 - 1/alpha_cr), below 3 a "
      "second-order analysis is needed. Switch on \"Second order effects\" in the dimensioning "
      "rules.";
  if (stability.Combination <= 0)
    return WithValue(TranslatedOr(tr::kWarnFirstOrderSingle, std::string("alpha_cr = %1. ") + rule),
                     factor);
  return WithValues(
      TranslatedOr(tr::kWarnFirstOrderCombination,
                   std::string("Combination %1: alpha_cr = %2. ") + rule),
      std::to_string(stability.Combination), factor);
}

std::vector<std::string> FirstOrderWarnings(const AnalysisOutcome& outcome) {
  std::vector<std::string> warnings;
  // A failed analysis has no results that first order could fall short in.
  if (outcome.Failure != AnalysisFailure::None) return warnings;
  for (const LoadSetStability& stability : outcome.Stability)
    if (std::string warning = FirstOrderWarning(stability); !warning.empty())
      warnings.push_back(std::move(warning));
  return warnings;
}

std::string MovementText(const AnalysisOutcome& outcome) {
  if (outcome.Failure != AnalysisFailure::Unstable || outcome.Node < 0) return {};
  std::string text;
  switch (outcome.NodeFreedom) {
  case Freedom::X:
    text = TranslatedOr(tr::kMsgStructureMovesInX, "The structure can move at node %1 in x.");
    break;
  case Freedom::Y:
    text = TranslatedOr(tr::kMsgStructureMovesInY, "The structure can move at node %1 in y.");
    break;
  case Freedom::Rotation:
    text = TranslatedOr(tr::kMsgStructureTurns, "The structure can turn at node %1.");
    break;
  case Freedom::None:
    return {};
  }
  return WithValue(text, std::to_string(outcome.Node));
}

std::string AnalysisFailedMessage(const AnalysisOutcome& outcome) {
  if (outcome.Failure == AnalysisFailure::LoadCases) {
    std::string message = TranslatedOr(
        tr::kMsgLoadCasesBroken,
        "A load, support or combination names a load case that does not exist, or a combination "
        "has no case or a factor that is not a number. Check the load cases and combinations.");
    // What is wrong, the first few of it.
    for (std::size_t i = 0; i < outcome.Notes.size() && i < 5; ++i)
      message += "\n" + outcome.Notes[i];
    return message;
  }
  if (outcome.Failure == AnalysisFailure::OutOfMemory) {
    return TranslatedOr(tr::kMsgOutOfMemory,
                        "The structure is too large for this computer's memory: the analysis was "
                        "stopped. Close other programs, or divide the model into smaller parts, and "
                        "try again.");
  }
  if (outcome.Failure == AnalysisFailure::AboveCritical ||
      outcome.Failure == AnalysisFailure::NotConverged)
    return SecondOrderFailure(outcome);
  std::string message = TranslatedOr(
      tr::kMsgAnalysisFailed,
      "The structure could not be solved. It is probably unstable (too few supports, or hinges "
      "that let part of it move freely), or a beam has no length or no stiffness. Check the "
      "supports, the locked beam ends and the profiles and materials of the beams, then try "
      "again.");
  if (outcome.Case >= 0) {
    message +=
        "\n" + WithValue(TranslatedOr(tr::kMsgFailedInCase,
                                      "The structure cannot carry the loads of load case %1."),
                         std::to_string(outcome.Case));
  }
  if (const std::string where = MovementText(outcome); !where.empty()) message += "\n" + where;
  return message;
}

} // namespace strandel
