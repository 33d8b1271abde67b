#include "cli/optimize_command.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>

#include <unistd.h>

#include "cli/analysis_report.h"
#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/model_input.h"
#include "cli/settings_input.h"
#include "common/number_text.h"
#include "common/text.h"
#include "common/user_message.h"
#include "model/document_file.h"
#include "optimizer/objective.h"
#include "optimizer/optimizer.h"
#include "optimizer/optimizer_texts.h"

namespace strandel::cli {

const char* const kOptimizeUsage =
    "usage: strandel-cli optimize MODEL.qsd -o OUT.qsd [--objective utilisation|displacement]\n"
    "         [--algorithm complex|cyclic] [--variables N001.X,N003.P,...]\n"
    "         [--max-iterations K] [--settings FILE]\n"
    "\n"
    "Moves the nodes of MODEL by the complex method to lower the highest utilisation\n"
    "or the largest displacement of the frame, solving it at every trial point, and\n"
    "writes the model at the best point found to OUT (MODEL is not changed).\n"
    "\n"
    "The variables, their constraints, the objective and the algorithm are those the\n"
    "optimizer dialog stored in MODEL. --objective and --algorithm replace the stored\n"
    "choice; --variables replaces the stored variables by the ones named, each free\n"
    "within its own interval. A node on no beam has the variables Nnnn.X and Nnnn.Y\n"
    "(nnn the last three digits of its number), a node on a beam Nnnn.P, its place\n"
    "along the beam. A free variable may move by 0.3 x 0.707 x its node's shortest\n"
    "beam, a position by 0.3 x the distance to the next node on its beam.\n"
    "\n"
    "complex runs one cycle, until the points of the complex have come together;\n"
    "cyclic starts again from the best point for as long as a cycle lowers the best\n"
    "value by 0.1 % or more. --max-iterations K ends the run after K iterations.\n"
    "The run starts from the same random numbers every time, so it can be repeated.\n"
    "\n"
    "Prints the start value, the best value of every cycle and the final value in the\n"
    "display units of the settings; progress goes to stderr when it is a terminal.\n"
    "\n"
    "Exit status: 0 written; 1 MODEL cannot be analysed, or no point of the run could\n"
    "be (nothing written); 2 bad usage, MODEL unreadable or\n"
    "malformed, no free variable, a constraint without a variable to follow, a run\n"
    "aborted by a numeric error (nothing written), or OUT not writable.\n";

namespace {

// The batch front end's messages: one line on stderr; the question at the end of
// a run is answered Yes, since the command is there to write the best point.
class BatchMessages : public UserMessages {
public:
  void Show(const std::string& text, MessageKind) override {
    std::fprintf(stderr, "strandel-cli: %s\n", OneLine(text).c_str());
  }
  MessageAnswer Ask(const std::string&, MessageButtons) override { return MessageAnswer::Yes; }
};

// No window to draw; progress on a terminal instead.
class BatchHost : public OptimizerHost {
public:
  void Redraw() override {}
  UserMessages& Messages() override { return messages_; }

private:
  BatchMessages messages_;
};

std::optional<int> ChoiceIndex(const std::string& text, const char* first, const char* second) {
  if (text == first) return 0;
  if (text == second) return 1;
  return std::nullopt;
}

// Replaces the selection by the named variables, each an interval; the first
// unknown name, or empty.
std::string SelectNamed(VariableList& list, const std::string& names) {
  for (TVarItem& item : list)
    item.InOptimize = false;
  std::size_t start = 0;
  while (start <= names.size()) {
    const std::size_t comma = std::min(names.find(',', start), names.size());
    const std::string name(Trim(std::string_view(names).substr(start, comma - start)));
    start = comma + 1;
    if (name.empty()) continue;
    TVarItem* item = FindVariable(list, name);
    if (!item) return name;
    item->InOptimize = true;
    item->ConstrainType = kConstrainInterval;
    item->AssocName.clear();
  }
  return {};
}

class Progress {
public:
  Progress(const UnitChoice& units, int objective)
      : units_(units), objective_(objective), terminal_(isatty(STDERR_FILENO) == 1) {}

  void Show(const Optimizer& optimizer) {
    if (!terminal_ || !optimizer.HasBestValue() || !optimizer.BestSolved()) return;
    const auto now = std::chrono::steady_clock::now();
    if (now - last_ < std::chrono::milliseconds(100)) return;
    last_ = now;
    std::fprintf(stderr, "\rcycle %d, %d iterations, best %s %s   ", optimizer.Cycle(),
                 optimizer.TotalIterations(),
                 ObjectiveText(units_, objective_, optimizer.BestValue()).c_str(),
                 ObjectiveUnitName(units_, objective_).c_str());
    std::fflush(stderr);
    shown_ = true;
  }
  void Clear() {
    if (shown_) std::fprintf(stderr, "\r%60s\r", "");
    shown_ = false;
  }

private:
  const UnitChoice& units_;
  int objective_;
  bool terminal_;
  bool shown_ = false;
  std::chrono::steady_clock::time_point last_{};
};

} // namespace

int RunOptimize(const std::vector<std::string>& args) {
  const Arguments parsed = ParseArguments(
      args, {{"-o", "--objective", "--algorithm", "--variables", "--max-iterations"}, {}});
  if (!parsed.Error.empty()) return UsageError(parsed.Error);
  if (parsed.Help) {
    std::fputs(kOptimizeUsage, stdout);
    return kExitOk;
  }
  if (parsed.Positional.size() != 1) return UsageError("optimize needs one MODEL.qsd");
  const std::optional<std::string> out = parsed.Value("-o");
  if (!out) return UsageError("optimize needs -o OUT.qsd");
  std::optional<int> objective, algorithm;
  if (const auto text = parsed.Value("--objective")) {
    objective = ChoiceIndex(*text, "utilisation", "displacement");
    if (!objective) return UsageError("--objective " + *text + ": utilisation or displacement");
  }
  if (const auto text = parsed.Value("--algorithm")) {
    algorithm = ChoiceIndex(*text, "complex", "cyclic");
    if (!algorithm) return UsageError("--algorithm " + *text + ": complex or cyclic");
  }
  RunLimits limits;
  limits.EndCyclesWithoutGain = true;
  if (const auto text = parsed.Value("--max-iterations")) {
    const std::optional<std::int32_t> k = ParseStrictInteger(*text);
    if (!k || *k < 1)
      return UsageError("--max-iterations " + *text + ": a whole number of at least 1");
    limits.MaxIterations = *k;
  }
  AppSettings settings;
  if (!LoadCommandSettings(parsed, settings)) return kExitUsage;
  const std::string& path = parsed.Positional[0];
  ModelDocument doc;
  if (!ReadModel(path, doc, ModelUse::Analyse)) return kExitUsage;

  BatchHost host;
  RandomSequence random; // a run of the program starts the sequence from 0
  Optimizer optimizer(doc, settings.Units, host, random);
  optimizer.SetLimits(limits);
  const AnalysisOutcome start = optimizer.Open();
  ShowNotes(start);
  if (start.Analysed && !start.Ok()) {
    UsageError("the frame analysis of " + path + " failed: " + FailureText(start) +
               "; there is nothing to optimize");
    return kExitAnalysisFailed;
  }
  if (objective) optimizer.ChooseObjective(*objective);
  if (algorithm) optimizer.ChooseAlgorithm(*algorithm);
  if (const auto names = parsed.Value("--variables")) {
    const std::string unknown = SelectNamed(optimizer.Variables(), *names);
    if (!unknown.empty()) return UsageError("no variable " + unknown + " in " + path);
  }
  VariableList& variables = optimizer.Variables();
  if (FreeCount(variables) == 0) {
    return UsageError(path + " names no free variable to optimize (give --variables)");
  }
  if (const std::string problem = RunProblem(variables); !problem.empty())
    return UsageError(problem);

  const int chosen = optimizer.Choice().Objective;
  const std::string unit = ObjectiveUnitName(settings.Units, chosen);
  auto shown = [&](double value) {
    return ObjectiveText(settings.Units, chosen, value) + " " + unit;
  };
  auto shownBest = [&] {
    return optimizer.BestSolved() ? shown(optimizer.BestValue())
                                  : std::string("no point could be analysed");
  };
  std::printf("Optimization of %s: %s, %s\n", path.c_str(), ObjectiveName(chosen).c_str(),
              AlgorithmName(optimizer.Choice().Algorithm).c_str());
  std::printf("%d variables, %d free, %d points\n", SelectedCount(variables), FreeCount(variables),
              2 * FreeCount(variables) + 1);
  std::printf("Start value: %s\n", shown(optimizer.OriginalValue()).c_str());
  std::fflush(stdout);

  Progress progress(settings.Units, chosen);
  optimizer.Start();
  while (true) {
    const RunState before = optimizer.State();
    const bool more = optimizer.IterationStep();
    if (before == RunState::Iterate && optimizer.State() != RunState::Iterate) {
      progress.Clear();
      std::printf("Cycle %d: %s after %d iterations\n", optimizer.Cycle(), shownBest().c_str(),
                  optimizer.CycleIterations());
      std::fflush(stdout);
    }
    progress.Show(optimizer);
    if (!more) break;
  }
  progress.Clear();
  // Both endings have told why on stderr; the model was not moved.
  if (optimizer.LastRunEnd() == RunEnd::NothingSolved) return kExitAnalysisFailed;
  if (optimizer.LastRunEnd() != RunEnd::Accepted) return kExitUsage;

  std::printf("Final value: %s after %d iterations\n", shown(optimizer.OriginalValue()).c_str(),
              optimizer.TotalIterations());
  std::fflush(stdout);
  // A run ends accepted only on a point whose frame was analysed.
  StampModification(doc);
  const WriteResult written = SaveDocument(doc, *out);
  if (!written.ok) return UsageError(written.message);
  return kExitOk;
}

} // namespace strandel::cli
