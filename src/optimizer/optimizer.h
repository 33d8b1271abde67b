#pragma once
// The optimizer of the model: the rules of its dialog (the variables and their
// lists, the objective and algorithm choices, Start, Stop and Close) and the
// complex-method search as a step machine. One call of IterationStep does one
// small piece of work and returns, so a 5 ms timer of the window or a loop of the
// batch front end drives the same run.

#include <string>
#include <vector>

#include "analysis/analysis_outcome.h"
#include "model/document.h"
#include "optimizer/complex_table.h"
#include "optimizer/dependents.h"
#include "optimizer/optimizer_host.h"
#include "optimizer/position_snapshot.h"
#include "optimizer/random_sequence.h"
#include "optimizer/variable_lists.h"
#include "optimizer/variable_str.h"
#include "optimizer/variables.h"
#include "units/units.h"

namespace strandel {

enum class RunState : int {
  Idle = 0,
  StartCycle = 1,    // draw the points of a new complex
  EvaluateStart = 2, // one start point per step
  Iterate = 3,       // one reflection (and contraction) per step
  Finish = 4,        // the best point, and the question whether to keep it
};

// How the last run ended. NothingSolved: no point of the run, its best
// included, could be analysed; the model was put back.
enum class RunEnd { None, Accepted, Rejected, Aborted, NothingSolved };

// Rules of a run that nobody watches; the dialog uses neither.
struct RunLimits {
  int MaxIterations = 0; // > 0: the run finishes after so many iterations in all
  // A cyclic run goes on until Stop; with this set it also finishes after a
  // cycle that lowered the best value by less than 0.1 %.
  bool EndCyclesWithoutGain = false;
};

class Optimizer {
public:
  Optimizer(ModelDocument& doc, const UnitChoice& units, OptimizerHost& host,
            RandomSequence& random);
  Optimizer(const Optimizer&) = delete;
  Optimizer& operator=(const Optimizer&) = delete;
  // An optimizer that goes away during a run puts the model back first.
  ~Optimizer();

  // Opening the dialog: the variables built from the model, the stored choices
  // read, the frame analysed and its objective taken as the original value. A
  // run under way is given up first, the model put back.
  AnalysisOutcome Open();
  // Refused (false) while a run is under way; else writes VariableStr and frees
  // the variables.
  bool Close();

  VariableList& Variables() { return variables_; }
  const VariableList& Variables() const { return variables_; }
  const OptimizerChoice& Choice() const { return choice_; }
  // Both write VariableStr and mark the model modified; ignored during a run.
  void ChooseObjective(int objective);
  void ChooseAlgorithm(int algorithm);

  // ST_OrgFuncVal: the objective of the model as it stands, base units; only
  // when its analysis succeeded (OriginalSolved), else there is no value and the
  // text is empty.
  double OriginalValue() const { return original_; }
  bool OriginalSolved() const { return originalSolved_; }
  double DisplayFactor() const;
  std::string UnitLabel() const;
  std::string OriginalValueText() const;

  // The lists; a move marks the model modified. Ignored during a run.
  std::vector<std::string> VariablesLines() const { return VariablesListLines(variables_); }
  std::vector<std::string> OptimizeLines() const { return OptimizeListLines(variables_); }
  bool Drop(VariableListId from, VariableListId to, const std::string& text);
  bool SelectByDoubleClick(const std::string& name);
  // After the constraint editor closed: modified, VariableStr written.
  void ConstraintEdited();

  bool Idle() const { return state_ == RunState::Idle; }
  // The Start button: idle, with at least one free (Interval) variable.
  bool StartEnabled() const;
  bool Start();
  // Takes effect at the end of a cycle.
  void Stop();
  // One tick; true while the run wants another.
  bool IterationStep();
  void SetLimits(const RunLimits& limits) { limits_ = limits; }

  RunState State() const { return state_; }
  RunEnd LastRunEnd() const { return lastEnd_; }
  int Gauge() const { return gauge_; } // Gg_Conv, 0..100
  int Cycle() const { return cycle_; }
  int TotalIterations() const { return totalIterations_; }
  int CycleIterations() const { return cycleIterations_; }
  int Points() const { return table_.Points(); }
  // ST_Cycle: "2,57" (cycle, iterations in all) as of the last iteration; empty
  // before the first and when idle.
  const std::string& CycleText() const { return cycleText_; }
  // The best objective of the complex, base units; only after the first
  // iteration. While no point of the complex could be analysed, BestSolved is
  // false and there is no best value (BestValue is +infinity).
  bool HasBestValue() const { return hasBest_; }
  bool BestSolved() const { return bestSolved_; }
  double BestValue() const { return best_; }
  // ST_OptFuncVal: the best value in the shown unit; empty before the first
  // iteration and while no point could be analysed.
  std::string BestValueText() const;

private:
  bool RunStartCycle();
  bool RunEvaluateStart();
  bool RunIterate();
  bool RunFinish();
  bool Evaluate(int row);
  RunState NextAfterGauge();
  void Abort();
  // Ends a run with the model back as it was, analysed and redrawn, and then the
  // message.
  void EndRestoring(RunEnd end, const std::string& message);
  // Ends a run without a word: the model back as it was, nothing analysed.
  void Discard();
  void EndRun(RunEnd end);
  void WriteChoice();

  ModelDocument& doc_;
  const UnitChoice& units_;
  OptimizerHost& host_;
  RandomSequence& random_;
  VariableList variables_;
  OptimizerChoice choice_;
  double original_ = 0;
  bool originalSolved_ = true;
  RunLimits limits_;

  // The run.
  RunState state_ = RunState::Idle;
  RunEnd lastEnd_ = RunEnd::None;
  Selection selection_;
  DependentPlan plan_;
  ComplexTable table_;
  PositionSnapshot before_;          // the model before the run
  std::vector<double> valuesBefore_; // every variable's CurValue before the run
  int nextStart_ = 0;
  int cycle_ = 0, totalIterations_ = 0, cycleIterations_ = 0;
  int gauge_ = 0;
  bool stop_ = false;
  bool hasBest_ = false;
  bool bestSolved_ = false;
  double best_ = 0;
  double cycleStartBest_ = 0; // the value of the point a cycle starts from
  std::string cycleText_;
};

// Why a run of the selected variables would be aborted before it finds
// anything: an Equal or Mirror variable without a variable to follow, a
// variable whose interval has no width, or more variables than the point table
// holds. Empty when there is none.
std::string RunProblem(VariableList& list);

} // namespace strandel
