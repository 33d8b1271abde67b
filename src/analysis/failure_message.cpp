#include "analysis/failure_message.h"

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

} // namespace

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
