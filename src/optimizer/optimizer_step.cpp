// The step machine of the complex method: what one tick does in each state, and
// how a run ends (accepted, rejected or aborted).

#include <algorithm>
#include <cmath>
#include <exception>

#include "analysis/solver.h"
#include "common/number_text.h"
#include "common/user_message.h"
#include "optimizer/objective.h"
#include "optimizer/optimizer.h"
#include "optimizer/optimizer_texts.h"
#include "optimizer/trial_point.h"

namespace strandel {

bool Optimizer::IterationStep() {
  if (Idle()) return false;
  bool ok = false;
  try {
    switch (state_) {
    case RunState::StartCycle:
      ok = RunStartCycle();
      break;
    case RunState::EvaluateStart:
      ok = RunEvaluateStart();
      break;
    case RunState::Iterate:
      ok = RunIterate();
      break;
    case RunState::Finish:
      ok = RunFinish();
      break;
    case RunState::Idle:
      break;
    }
  } catch (const std::exception&) {
    // An index outside the point table or memory that ran out: the run cannot
    // go on, and the model must not stay half moved.
    ok = false;
  }
  if (!ok) {
    Abort();
    return false;
  }
  return !Idle();
}

bool Optimizer::RunStartCycle() {
  if (cycle_ == 0) {
    // What the points are made of stays the same for every cycle of the run.
    selection_ = SelectedVariables(variables_);
    plan_ = PlanDependents(selection_);
    if (!plan_.Ok()) return false;
    const int f = FreeCount(variables_);
    if (f == 0 || !table_.Allocate(2 * f + 1, static_cast<int>(selection_.size()))) return false;
  }
  const int k = table_.Points(), n = table_.Columns();
  // One random number for every point and free variable, also for the first
  // point, which starts from the best values so far: a run draws the same
  // sequence whatever the best values are.
  for (int j = 0; j < k; ++j) {
    for (int i = 0; i < n; ++i) {
      const TVarItem& item = *selection_[i];
      if (!item.IsFree()) continue;
      const double r = random_.Next();
      table_.X[j][i] =
          j == 0 ? item.CurValue : item.LowBound + (item.HighBound - item.LowBound) * r;
    }
    EnforceDependents(plan_, table_.X[j]);
  }
  ++cycle_;
  nextStart_ = 0;
  cycleIterations_ = 0;
  state_ = RunState::EvaluateStart;
  return true;
}

bool Optimizer::Evaluate(int row) {
  const TrialValue trial =
      EvaluateTrialPoint(doc_, selection_, table_.X[row], choice_.Objective, host_.Messages());
  if (!trial.Ok) return false;
  host_.Redraw();
  table_.SetValue(row, trial.Value, trial.Solved);
  return true;
}

bool Optimizer::RunEvaluateStart() {
  if (!Evaluate(nextStart_)) return false;
  if (nextStart_ == 0) cycleStartBest_ = table_.F[0];
  if (++nextStart_ == table_.Points()) state_ = RunState::Iterate;
  return true;
}

bool Optimizer::RunIterate() {
  const int k = table_.Points(), n = table_.Columns();
  int w = table_.Worst();
  table_.Reflect(w, selection_);
  EnforceDependents(plan_, table_.X[w]);
  if (!Evaluate(w)) return false;
  if (table_.Worst() == w) {
    table_.Contract(w);
    EnforceDependents(plan_, table_.X[w]);
    if (!Evaluate(w)) return false;
  }
  // A worst point that has come to the centroid of the others would be
  // reflected onto itself: it starts again from the best point.
  w = table_.Worst();
  if (table_.ShowsAsCentroid(w)) {
    table_.CopyPoint(table_.Best(), w);
    if (!Evaluate(w)) return false;
  }
  const int b = table_.Best();
  for (int i = 0; i < n; ++i)
    selection_[i]->CurValue = table_.X[b][i];
  best_ = table_.F[b];
  bestSolved_ = table_.Solved(b);
  hasBest_ = true;
  ++totalIterations_;
  ++cycleIterations_;
  cycleText_ = std::to_string(cycle_) + "," + std::to_string(totalIterations_);

  const double convergence = table_.Convergence(selection_);
  if (!std::isfinite(convergence)) return false;
  // Past 4k iterations every further one adds a point, so a cycle that does not
  // converge ends after 4k + 100 iterations at the latest.
  const double ramp = std::max(0, cycleIterations_ - 4 * k);
  gauge_ = static_cast<int>(std::clamp<long long>(RoundHalfEven(100 * convergence + ramp), 0, 100));
  const bool limitReached = limits_.MaxIterations > 0 && totalIterations_ >= limits_.MaxIterations;
  if (gauge_ == 100 || limitReached) state_ = limitReached ? RunState::Finish : NextAfterGauge();
  return true;
}

RunState Optimizer::NextAfterGauge() {
  if (choice_.Algorithm != 1) return RunState::Finish;
  if (stop_) return RunState::Finish;
  // From a point with no finite value (a frame that could not be analysed, or a
  // force that meets no capacity) any finite value is a gain.
  const bool gained = std::isfinite(cycleStartBest_)
                          ? best_ < cycleStartBest_ - 1e-3 * std::fabs(cycleStartBest_)
                          : std::isfinite(best_);
  if (limits_.EndCyclesWithoutGain && !gained) return RunState::Finish;
  return RunState::StartCycle;
}

bool Optimizer::RunFinish() {
  const int best = table_.Best();
  if (!Evaluate(best)) return false;
  // Not one point of the run could be analysed: there is no result to offer,
  // and the model must not be left standing at a geometry that cannot stand.
  if (!table_.Solved(best)) {
    EndRestoring(RunEnd::NothingSolved, NothingSolvedText());
    return true;
  }
  const MessageAnswer answer = host_.Messages().Ask(KeepResultQuestion(), MessageButtons::YesNo);
  if (answer == MessageAnswer::Yes) {
    original_ = doc_.Settings.LoadCases.empty()
                    ? ObjectiveValue(doc_, choice_.Objective)
                    : AnalyseObjective(doc_, choice_.Objective).Value;
    originalSolved_ = true;
    WriteChoice();
    selection_.clear(); // the variables are built anew from the moved model
    BuildVariables(variables_, doc_, units_);
    ReadVariableStr(doc_, variables_);
    doc_.Modified = true;
    EndRun(RunEnd::Accepted);
  } else {
    for (TVarItem& item : variables_)
      item.CurValue = item.OrigValue;
    // The snapshot gives back every coordinate bit for bit; moving the nodes to
    // their original values would leave rounding on the nodes carried by beams.
    if (!before_.Restore(doc_)) ApplyPoint(doc_, selection_, nullptr, host_.Messages());
    AnalyseModel(doc_);
    host_.Redraw();
    EndRun(RunEnd::Rejected);
  }
  return true;
}

void Optimizer::Abort() {
  EndRestoring(RunEnd::Aborted, OptimizationAbortedText());
}

void Optimizer::EndRestoring(RunEnd end, const std::string& message) {
  // The model goes back to where it stood before the run before the user hears
  // of it, so the message box shows the model as it was.
  for (std::size_t i = 0; i < variables_.size() && i < valuesBefore_.size(); ++i)
    variables_[i].CurValue = valuesBefore_[i];
  const bool moved = !selection_.empty();
  if (before_.Restore(doc_) || (moved && ApplyPoint(doc_, selection_, nullptr, host_.Messages()))) {
    AnalyseModel(doc_);
    host_.Redraw();
  }
  EndRun(end);
  host_.Messages().Show(message, MessageKind::Error);
}

void Optimizer::EndRun(RunEnd end) {
  gauge_ = 0;
  hasBest_ = false;
  bestSolved_ = false;
  cycleText_.clear();
  table_.Release();
  selection_.clear();
  plan_ = {};
  before_.Clear();
  state_ = RunState::Idle;
  lastEnd_ = end;
}

} // namespace strandel
