#pragma once
// TfOptimizer, the "Optimizer" dialog: the "Variables :" and "Optimize :" lists
// with drag and drop and double-click between them, the constraint editor of a
// chosen variable, the objective and algorithm choices, and Start, Stop and
// Close. A run goes one step per tick of the 5 ms timer TI_IterTimer, so the
// model view moves with every trial point while the window stays responsive.
// The rules and the search are the core's Optimizer; the dialog binds to it.

#include <QDialog>

#include "app/dialog_context.h"
#include "app/qt_messages.h"
#include "optimizer/optimizer.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace strandel {

class VariableListWidget;

class TfOptimizer : public QDialog, public OptimizerHost {
  Q_OBJECT
public:
  explicit TfOptimizer(const DialogContext& context);

  // What ShowOptimizerDialog does before the dialog shows: the variables built, the
  // stored choices read, the frame analysed, the lists and values filled.
  void Prepare();

  Optimizer& Run() { return optimizer_; }
  // The controls (tests drive them as the user does).
  VariableListWidget* VariablesList() const { return variables_; }
  VariableListWidget* OptimizeList() const { return optimize_; }
  QComboBox* ObjectiveChoice() const { return objective_; }
  QComboBox* AlgorithmChoice() const { return algorithm_; }
  QPushButton* StartButton() const { return start_; }
  QPushButton* StopButton() const { return stop_; }
  QPushButton* CloseButton() const { return close_; }
  QProgressBar* Gauge() const { return gauge_; }
  QLabel* OriginalValue() const { return originalValue_; }
  QLabel* BestValue() const { return bestValue_; }
  QLabel* CycleText() const { return cycle_; }
  QTimer* IterTimer() const { return timer_; }

  // One tick of TI_IterTimer: the timer is off while the step works and on
  // again when the run wants another.
  void IterationTick();

  // OptimizerHost.
  void Redraw() override;
  UserMessages& Messages() override { return messages_; }

public slots:
  // Close, Esc and the window's close button: refused while a run is under way.
  void reject() override;

private:
  void BuildControls();
  void StartClicked();
  void StopClicked();
  void ListDropped(VariableListId from, const std::string& line);
  void VariableDoubleClicked(int row);
  void OptimizeDoubleClicked(int row);
  void ObjectiveChosen(int index);
  void AlgorithmChosen(int index);
  void FillLists();
  // Values, gauge and the enabled state of every control, from the optimizer.
  void ShowState();

  DialogContext context_;
  // Message boxes of the run (the question at its end, an abort) are centred on
  // this dialog; other message interfaces (a test's) are used as they are.
  QtMessages ownMessages_;
  UserMessages& messages_;
  Optimizer optimizer_;
  bool stopRequested_ = false;
  VariableListWidget* variables_ = nullptr;
  VariableListWidget* optimize_ = nullptr;
  QComboBox* objective_ = nullptr;
  QComboBox* algorithm_ = nullptr;
  QPushButton* start_ = nullptr;
  QPushButton* stop_ = nullptr;
  QPushButton* close_ = nullptr;
  QProgressBar* gauge_ = nullptr;
  QLabel* originalValue_ = nullptr;
  QLabel* originalUnit_ = nullptr;
  QLabel* bestValue_ = nullptr;
  QLabel* bestUnit_ = nullptr;
  QLabel* cycle_ = nullptr;
  QTimer* timer_ = nullptr;
};

// "&Optimizer...": prepares the dialog and runs it modally, centred on the window.
void ShowOptimizerDialog(const DialogContext& context);

} // namespace strandel
