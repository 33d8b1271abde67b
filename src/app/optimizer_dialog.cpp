#include "app/optimizer_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

#include "app/constraint_editor_dialog.h"
#include "app/qt_text.h"
#include "app/variable_list_widget.h"
#include "common/text.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "common/user_message.h"
#include "optimizer/optimizer_texts.h"

namespace strandel {
namespace {

// One step of the search per tick: short enough to keep the search going,
// long enough for the window to repaint and take a click on Stop in between.
constexpr int kIterationIntervalMs = 5;

UserMessages& MessagesFor(UserMessages& given, QtMessages& own) {
  return dynamic_cast<QtMessages*>(&given) ? own : given;
}

QLabel* ValueLabel(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(QLatin1String(name));
  label->setFrameShape(QFrame::Panel);
  label->setFrameShadow(QFrame::Sunken);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setMinimumWidth(80);
  return label;
}

} // namespace

TfOptimizer::TfOptimizer(const DialogContext& context)
    : QDialog(context.Parent), context_(context), ownMessages_(this),
      messages_(MessagesFor(context.Messages, ownMessages_)),
      optimizer_(context.Doc, context.Settings.Units, *this, context.Random) {
  BuildControls();
  timer_ = new QTimer(this);
  timer_->setObjectName(QStringLiteral("TI_IterTimer"));
  timer_->setInterval(kIterationIntervalMs);
  connect(timer_, &QTimer::timeout, this, [this] { IterationTick(); });
}

void TfOptimizer::BuildControls() {
  setWindowTitle(TrOr(tr::kOptimizerCaption, "Optimizer"));
  variables_ = new VariableListWidget(VariableListId::Variables, this, this);
  variables_->setObjectName(QStringLiteral("LB_Variables"));
  optimize_ = new VariableListWidget(VariableListId::Optimize, this, this);
  optimize_->setObjectName(QStringLiteral("LB_Optimize"));
  variables_->setMinimumSize(110, 220);
  optimize_->setMinimumSize(260, 220);
  for (VariableListWidget* list : {variables_, optimize_}) {
    list->Dropped = [this](VariableListId from, const std::string& line) {
      ListDropped(from, line);
    };
  }
  connect(variables_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { VariableDoubleClicked(variables_->row(item)); });
  connect(optimize_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { OptimizeDoubleClicked(optimize_->row(item)); });

  objective_ = new QComboBox(this);
  objective_->setObjectName(QStringLiteral("CB_OptFunction"));
  objective_->addItems({ToQt(ObjectiveName(0)), ToQt(ObjectiveName(1))});
  algorithm_ = new QComboBox(this);
  algorithm_->setObjectName(QStringLiteral("CB_OptAlg"));
  algorithm_->addItems({ToQt(AlgorithmName(0)), ToQt(AlgorithmName(1))});
  connect(objective_, &QComboBox::activated, this, [this](int index) { ObjectiveChosen(index); });
  connect(algorithm_, &QComboBox::activated, this, [this](int index) { AlgorithmChosen(index); });

  originalValue_ = ValueLabel(this, "ST_OrgFuncVal");
  bestValue_ = ValueLabel(this, "ST_OptFuncVal");
  cycle_ = ValueLabel(this, "ST_Cycle");
  originalUnit_ = new QLabel(this);
  bestUnit_ = new QLabel(this);
  gauge_ = new QProgressBar(this);
  gauge_->setObjectName(QStringLiteral("Gg_Conv"));
  gauge_->setRange(0, 100);

  start_ = new QPushButton(TrOr(tr::kOptimizerStart, "Start"), this);
  start_->setObjectName(QStringLiteral("BT_Start"));
  stop_ = new QPushButton(TrOr(tr::kOptimizerStop, "Stop"), this);
  stop_->setObjectName(QStringLiteral("BT_Stop"));
  close_ = new QPushButton(TrOr(tr::kCloseButton, "Close"), this);
  close_->setObjectName(QStringLiteral("BT_Close"));
  // Enter in a list or a choice must not end the dialog.
  for (QPushButton* button : {start_, stop_, close_})
    button->setAutoDefault(false);
  connect(start_, &QPushButton::clicked, this, [this] { StartClicked(); });
  connect(stop_, &QPushButton::clicked, this, [this] { StopClicked(); });
  connect(close_, &QPushButton::clicked, this, &TfOptimizer::reject);

  auto* lists = new QGridLayout;
  lists->addWidget(new QLabel(TrOr(tr::kOptimizerVariables, "Variables :"), this), 0, 0);
  lists->addWidget(new QLabel(TrOr(tr::kOptimizerOptimize, "Optimize :"), this), 0, 1);
  lists->addWidget(variables_, 1, 0);
  lists->addWidget(optimize_, 1, 1);
  lists->setColumnStretch(1, 1);

  auto* values = new QGridLayout;
  values->addWidget(new QLabel(TrOr(tr::kOptimizerObjective, "Objective"), this), 0, 0);
  values->addWidget(objective_, 0, 1, 1, 2);
  values->addWidget(new QLabel(TrOr(tr::kOptimizerAlgorithm, "Algorithm"), this), 1, 0);
  values->addWidget(algorithm_, 1, 1, 1, 2);
  values->addWidget(new QLabel(TrOr(tr::kOptimizerOriginalValue, "Original value"), this), 2, 0);
  values->addWidget(originalValue_, 2, 1);
  values->addWidget(originalUnit_, 2, 2);
  values->addWidget(new QLabel(TrOr(tr::kOptimizerBestValue, "Best value"), this), 3, 0);
  values->addWidget(bestValue_, 3, 1);
  values->addWidget(bestUnit_, 3, 2);
  values->addWidget(new QLabel(TrOr(tr::kOptimizerCycle, "Cycle, iterations"), this), 4, 0);
  values->addWidget(cycle_, 4, 1);
  values->addWidget(new QLabel(TrOr(tr::kOptimizerConvergence, "Convergence"), this), 5, 0);
  values->addWidget(gauge_, 5, 1, 1, 2);
  values->setColumnStretch(1, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(start_);
  buttons->addWidget(stop_);
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(lists, 1);
  layout->addLayout(values);
  layout->addLayout(buttons);
}

void TfOptimizer::Prepare() {
  const AnalysisOutcome outcome = optimizer_.Open();
  // The objective of a frame that cannot be solved reads 0: say why, rather
  // than let it pass for a frame without load.
  if (outcome.Analysed && !outcome.Ok())
    messages_.Show(Translated(tr::kMsgAnalysisFailed), MessageKind::Warning);
  {
    const QSignalBlocker objectiveBlocker(objective_);
    const QSignalBlocker algorithmBlocker(algorithm_);
    // A stored index outside the two entries evaluates the utilisation.
    objective_->setCurrentIndex(optimizer_.Choice().Objective == 1 ? 1 : 0);
    algorithm_->setCurrentIndex(optimizer_.Choice().Algorithm == 1 ? 1 : 0);
  }
  FillLists();
  ShowState();
}

void TfOptimizer::FillLists() {
  variables_->SetLines(optimizer_.VariablesLines());
  optimize_->SetLines(optimizer_.OptimizeLines());
}

void TfOptimizer::ShowState() {
  const bool idle = optimizer_.Idle();
  for (QWidget* control : {static_cast<QWidget*>(variables_), static_cast<QWidget*>(optimize_),
                           static_cast<QWidget*>(objective_), static_cast<QWidget*>(algorithm_),
                           static_cast<QWidget*>(close_)})
    control->setEnabled(idle);
  start_->setEnabled(optimizer_.StartEnabled());
  // Stop takes effect at the end of a cycle; once asked for, it stays asked.
  stop_->setEnabled(!idle && !stopRequested_);
  const QString unit = ToQt(optimizer_.UnitLabel());
  originalValue_->setText(ToQt(std::string(Trim(optimizer_.OriginalValueText()))));
  originalUnit_->setText(unit);
  bestValue_->setText(ToQt(std::string(Trim(optimizer_.BestValueText()))));
  bestUnit_->setText(unit);
  cycle_->setText(ToQt(optimizer_.CycleText()));
  gauge_->setValue(optimizer_.Gauge());
}

void TfOptimizer::StartClicked() {
  if (!optimizer_.Start()) return;
  stopRequested_ = false;
  ShowState();
  timer_->start();
}

void TfOptimizer::StopClicked() {
  if (optimizer_.Idle()) return;
  optimizer_.Stop();
  stopRequested_ = true;
  ShowState();
}

void TfOptimizer::IterationTick() {
  timer_->stop();
  const bool more = optimizer_.IterationStep();
  if (optimizer_.Idle()) {
    // Kept results come back as variables built anew from the moved model.
    stopRequested_ = false;
    FillLists();
  }
  ShowState();
  if (more) timer_->start();
}

void TfOptimizer::Redraw() {
  if (context_.RepaintModel) context_.RepaintModel();
}

void TfOptimizer::ListDropped(VariableListId from, const std::string& line) {
  const VariableListId to =
      from == VariableListId::Variables ? VariableListId::Optimize : VariableListId::Variables;
  if (!optimizer_.Drop(from, to, line)) return;
  FillLists();
  ShowState();
}

void TfOptimizer::VariableDoubleClicked(int row) {
  const QListWidgetItem* item = variables_->item(row);
  if (!item || !optimizer_.SelectByDoubleClick(FromQt(item->text()))) return;
  FillLists();
  ShowState();
}

void TfOptimizer::OptimizeDoubleClicked(int row) {
  // The row, not the name, finds the variable: nodes 1 and 1001 share a name.
  TVarItem* variable = SelectedVariable(optimizer_.Variables(), row);
  if (!variable || !optimizer_.Idle()) return;
  TfOptEdit editor(optimizer_.Variables(), *variable, context_.Parameters, this);
  if (editor.exec() == QDialog::Accepted) optimizer_.ConstraintEdited();
  FillLists();
  ShowState();
}

void TfOptimizer::ObjectiveChosen(int index) {
  optimizer_.ChooseObjective(index);
  ShowState();
}

void TfOptimizer::AlgorithmChosen(int index) {
  optimizer_.ChooseAlgorithm(index);
  ShowState();
}

void TfOptimizer::reject() {
  if (!optimizer_.Close()) return;
  QDialog::reject();
}

void ShowOptimizerDialog(const DialogContext& context) {
  TfOptimizer dialog(context);
  dialog.Prepare();
  dialog.exec();
}

} // namespace strandel
