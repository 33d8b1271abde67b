#include "optimizer/optimizer.h"

#include "analysis/solver.h"
#include "common/number_text.h"
#include "common/profile_file.h"
#include "common/user_message.h"
#include "optimizer/objective.h"

namespace strandel {

Optimizer::Optimizer(ModelDocument& doc, const UnitChoice& units, OptimizerHost& host,
                     RandomSequence& random)
    : doc_(doc), units_(units), host_(host), random_(random) {}

Optimizer::~Optimizer() {
  Discard();
}

void Optimizer::Discard() {
  if (Idle()) return;
  for (std::size_t i = 0; i < variables_.size() && i < valuesBefore_.size(); ++i)
    variables_[i].CurValue = valuesBefore_[i];
  if (before_.Restore(doc_)) doc_.ResultsValid = false;
  EndRun(RunEnd::Aborted);
}

AnalysisOutcome Optimizer::Open() {
  Discard(); // opened again during a run: the run's model goes back first
  BuildVariables(variables_, doc_, units_);
  choice_ = ReadVariableStr(doc_, variables_);
  const ObjectiveAnalysis analysed = AnalyseObjective(doc_, choice_.Objective);
  const AnalysisOutcome& outcome = analysed.Outcome;
  host_.Redraw();
  // A model that cannot be analysed has no value to improve on (its empty
  // results would read as 0); one without nodes has nothing that could fail.
  originalSolved_ = outcome.Ok() || !outcome.Analysed;
  original_ = analysed.Value;
  gauge_ = 0;
  hasBest_ = false;
  cycleText_.clear();
  return outcome;
}

bool Optimizer::Close() {
  if (!Idle()) return false;
  WriteChoice();
  variables_.clear();
  return true;
}

void Optimizer::WriteChoice() {
  const int leftOut = WriteVariableStr(doc_, variables_, choice_);
  if (leftOut > 0) {
    host_.Messages().Show("The model document keeps " + std::to_string(kMaxProfileValueLength) +
                              " characters of optimizer data: the last " + std::to_string(leftOut) +
                              " variables to optimize are not stored",
                          MessageKind::Warning);
  }
}

void Optimizer::ChooseObjective(int objective) {
  if (!Idle()) return;
  choice_.Objective = objective;
  // Over the combinations of a document with cases: the other kind governs now.
  original_ = doc_.Settings.LoadCases.empty() ? ObjectiveValue(doc_, objective)
                                              : AnalyseObjective(doc_, objective).Value;
  WriteChoice();
  doc_.Modified = true;
}

void Optimizer::ChooseAlgorithm(int algorithm) {
  if (!Idle()) return;
  choice_.Algorithm = algorithm;
  WriteChoice();
  doc_.Modified = true;
}

double Optimizer::DisplayFactor() const {
  return ObjectiveDisplayFactor(units_, choice_.Objective);
}

std::string Optimizer::UnitLabel() const {
  return ObjectiveUnitName(units_, choice_.Objective);
}

std::string Optimizer::OriginalValueText() const {
  if (!originalSolved_) return {};
  return FormatValue(original_ * DisplayFactor());
}

bool Optimizer::Drop(VariableListId from, VariableListId to, const std::string& text) {
  if (!Idle() || !DropVariable(variables_, from, to, text)) return false;
  doc_.Modified = true;
  return true;
}

bool Optimizer::SelectByDoubleClick(const std::string& name) {
  if (!Idle() || !SelectVariableByName(variables_, NameOfListLine(name))) return false;
  doc_.Modified = true;
  return true;
}

void Optimizer::ConstraintEdited() {
  doc_.Modified = true;
  WriteChoice();
}

bool Optimizer::StartEnabled() const {
  return Idle() && FreeCount(variables_) > 0;
}

bool Optimizer::Start() {
  if (!StartEnabled()) return false;
  before_.Capture(doc_);
  valuesBefore_.clear();
  for (const TVarItem& item : variables_)
    valuesBefore_.push_back(item.CurValue);
  state_ = RunState::StartCycle;
  lastEnd_ = RunEnd::None;
  cycle_ = totalIterations_ = cycleIterations_ = 0;
  gauge_ = 0;
  stop_ = false;
  hasBest_ = false;
  cycleText_.clear();
  return true;
}

void Optimizer::Stop() {
  if (!Idle()) stop_ = true;
}

std::string Optimizer::BestValueText() const {
  if (!hasBest_ || !bestSolved_) return {};
  return FormatValue(best_ * DisplayFactor());
}

std::string RunProblem(VariableList& list) {
  const Selection selection = SelectedVariables(list);
  const DependentPlan plan = PlanDependents(selection);
  if (!plan.Ok()) return plan.Problem;
  const int free = FreeCount(list), all = static_cast<int>(selection.size());
  if (2 * free + 1 > MaxVectorHigh + 1 || all > MaxVectorHigh + 1) {
    return std::to_string(all) + " variables, " + std::to_string(free) +
           " of them free, are more than a run takes (" + std::to_string(MaxVectorHigh / 2) +
           " free, " + std::to_string(MaxVectorHigh + 1) + " in all)";
  }
  for (const TVarItem* item : selection) {
    if (item->HighBound - item->LowBound == 0) {
      return item->Name + " has an interval of width 0 (a node with no beam has no room " +
             "to move), so the search cannot measure its convergence";
    }
  }
  return {};
}

} // namespace strandel
