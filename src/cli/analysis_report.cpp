#include "cli/analysis_report.h"

#include <cmath>

#include "analysis/failure_message.h"
#include "analysis/solver.h"
#include "cli/arguments.h"
#include "cli/json_text.h"
#include "common/user_message.h"

namespace strandel::cli {

std::string FailureJson(const AnalysisOutcome& outcome) {
  std::string json = "{\"reason\": " + JsonString(FailureReason(outcome.Failure));
  if (outcome.Node >= 0) json += ", \"node\": " + std::to_string(outcome.Node);
  if (outcome.NodeFreedom != Freedom::None)
    json += ", \"freedom\": " + JsonString(FreedomName(outcome.NodeFreedom));
  if (outcome.Case >= 0) json += ", \"case\": " + std::to_string(outcome.Case);
  if (outcome.Combination >= 0) {
    json += ", \"combination\": " + std::to_string(outcome.Combination);
    if (outcome.Failure == AnalysisFailure::AboveCritical)
      json += ", \"alpha_cr\": " + CriticalFactorJson(outcome.CriticalFactor);
  }
  return json + "}";
}

std::string CriticalFactorJson(double factor) {
  return JsonNumber(std::isfinite(factor) ? factor : NAN);
}

namespace {

std::string FailureCause(const AnalysisOutcome& outcome) {
  const std::string beam = outcome.Beam >= 0 ? " of beam " + std::to_string(outcome.Beam) : "";
  const std::string of =
      outcome.Combination > 0 ? " of combination " + std::to_string(outcome.Combination) : "";
  switch (outcome.Failure) {
  case AnalysisFailure::None:
    return "";
  case AnalysisFailure::Unstable:
    if (outcome.Node >= 0)
      return "the structure is unstable: node " + std::to_string(outcome.Node) +
             (outcome.NodeFreedom == Freedom::Rotation
                  ? std::string(" can turn freely")
                  : " can move along " + std::string(FreedomName(outcome.NodeFreedom)));
    if (outcome.Beam >= 0)
      return "the structure is unstable: beam " + std::to_string(outcome.Beam) +
             " ends at a node that does not exist";
    return "the structure is unstable";
  case AnalysisFailure::ZeroLengthSegment:
    return "a stretch" + beam + " has no length (two nodes along it coincide)";
  case AnalysisFailure::ZeroStiffness:
    return "a stretch" + beam + " has no axial stiffness (E x A = 0)";
  case AnalysisFailure::OutOfMemory:
    return "the model is too large for this computer's memory";
  case AnalysisFailure::NotFinite:
    return "a value" + beam + " of the model or of its solution is not finite";
  case AnalysisFailure::LoadCases:
    return "a load, support or combination names a load case that does not exist, or a "
           "combination has no case or a factor that is not a number";
  case AnalysisFailure::AboveCritical:
    return "the loads" + of + " exceed the frame's critical load (alpha_cr = " +
           CriticalFactorText(outcome.CriticalFactor) + ")";
  case AnalysisFailure::NotConverged:
    return "the second-order analysis" + of + " does not converge";
  }
  return "";
}

} // namespace

std::string FailureText(const AnalysisOutcome& outcome) {
  std::string text = FailureCause(outcome);
  if (outcome.Case >= 0) text += " under the loads of load case " + std::to_string(outcome.Case);
  return text;
}

void ShowNotes(const AnalysisOutcome& outcome) {
  StderrMessages messages;
  for (const std::string& note : outcome.Notes)
    messages.Show(note, MessageKind::Warning);
}

void ShowMovement(const AnalysisOutcome& outcome) {
  if (const std::string where = MovementText(outcome); !where.empty()) {
    StderrMessages messages;
    messages.Show(where, MessageKind::Warning);
  }
}

void ShowStability(const AnalysisOutcome& outcome) {
  StderrMessages messages;
  if (outcome.Failure == AnalysisFailure::AboveCritical ||
      outcome.Failure == AnalysisFailure::NotConverged)
    messages.Show(AnalysisFailedMessage(outcome), MessageKind::Warning);
  for (const std::string& warning : FirstOrderWarnings(outcome))
    messages.Show(warning, MessageKind::Warning);
}

std::string ShownOrUndefined(const UnitChoice& units, Quantity quantity, double value) {
  if (!std::isfinite(value)) return "undefined";
  return ShownText(units, quantity, value);
}

int AnalysisExitStatus(const AnalysisOutcome& outcome) {
  return outcome.Failure == AnalysisFailure::None ? kExitOk : kExitAnalysisFailed;
}

} // namespace strandel::cli
