#include "app/model_page.h"

#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "app/case_choice.h"
#include "app/model_view.h"
#include "app/page_bars.h"
#include "app/point_entry.h"
#include "app/qt_text.h"
#include "app/result_choice_box.h"
#include "app/tool_icons.h"
#include "app/up_down_control.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "expr/numeric_field.h"
#include "render/displaced_shape.h"

namespace strandel {
namespace {

constexpr std::array<CreateTool, 6> kCreateTools = {CreateTool::Node,    CreateTool::Beam,
                                                    CreateTool::Support, CreateTool::Load,
                                                    CreateTool::Force,   CreateTool::Moment};
constexpr std::array<const char*, 6> kCreateIcons = {
    "create_node", "create_beam", "create_support", "create_load", "create_force", "create_moment"};
constexpr std::array<int, 6> kCreateHints = {tr::kHintCreateNode,    tr::kHintCreateBeam,
                                             tr::kHintCreateSupport, tr::kHintCreateLoad,
                                             tr::kHintCreateForce,   tr::kHintCreateMoment};
// One key takes each tool in hand, shown in its tool tip and menu item.
constexpr std::array<Qt::Key, 6> kCreateKeys = {Qt::Key_N, Qt::Key_B, Qt::Key_S,
                                                Qt::Key_L, Qt::Key_F, Qt::Key_M};
constexpr std::array<GridKind, 3> kGrids = {kCartesianGrid, kAngulatedGrid, kPolarGrid};

// Panel widths of the status bar, at the least: the instruction takes what the
// two coordinate panels leave.
constexpr int kFirstCoordinateWidth = 70;
constexpr int kSecondCoordinateWidth = 100;
constexpr int kMeasureWidth = 260;
constexpr int kGridStepWidth = 56;

// The grid whose button shows down: while a grid is being defined, the button
// of that grid, else the grid in use.
GridKind GridShownDown(int mode, std::uint16_t gridType) {
  if (mode >= mode::kAngulatedOrigin && mode <= mode::kAngulatedSecond) return kAngulatedGrid;
  if (mode >= mode::kPolarCentre && mode <= mode::kPolarSecond) return kPolarGrid;
  return static_cast<GridKind>(gridType);
}

// A panel widens to show its whole text (a coordinate far from the origin)
// and keeps that width, so that it does not jump as the cursor moves.
void FitPanel(QLabel* panel) {
  const int needed = panel->fontMetrics().horizontalAdvance(panel->text()) +
                     2 * panel->frameWidth() + panel->fontMetrics().averageCharWidth();
  if (needed > panel->width()) panel->setFixedWidth(needed);
}

} // namespace

ModelPage::ModelPage(ModelDocument& doc, AppSettings& settings, UserMessages& messages,
                     DocumentChanges& changes, ParameterTable& parameters, QWidget* parent)
    : QWidget(parent), doc_(doc), settings_(settings), messages_(messages), parameters_(parameters),
      editor_(doc, settings, *this, changes) {
  toolBar_ = MakePageToolBar(this);
  view_ = new ModelView(editor_, doc_, settings_, this);
  connect(view_->Entry(), &PointEntry::Entered, this, &ModelPage::PointTyped);
  statusBar_ = MakePageStatusBar(this);
  // The instruction takes the width the other panels leave.
  panels_[0] = AddStretchingPanel(statusBar_);
  for (std::size_t i = 1; i < panels_.size(); ++i) {
    panels_[i] = new QLabel(statusBar_);
    panels_[i]->setFrameShape(QFrame::Panel);
    panels_[i]->setFrameShadow(QFrame::Sunken);
    panels_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    statusBar_->addWidget(panels_[i]);
  }
  panels_[1]->setFixedWidth(kFirstCoordinateWidth);
  panels_[2]->setFixedWidth(kSecondCoordinateWidth);
  panels_[3]->setFixedWidth(kMeasureWidth);
  panels_[3]->hide();
  panels_[4]->hide();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(toolBar_);
  layout->addWidget(view_, 1);
  layout->addWidget(statusBar_);
  BuildToolBar();
}

QAction* ModelPage::AddButton(const char* icon, bool checkable) {
  QAction* action = toolBar_->addAction(ToolIcon(icon), QString());
  action->setCheckable(checkable);
  return action;
}

void ModelPage::BuildToolBar() {
  for (std::size_t i = 0; i < kCreateTools.size(); ++i) {
    createButtons_[i] = AddButton(kCreateIcons[i], true);
    createButtons_[i]->setShortcut(QKeySequence(kCreateKeys[i]));
    const CreateTool tool = kCreateTools[i];
    connect(createButtons_[i], &QAction::triggered, this, [this, tool](bool down) {
      editor_.StartTool(tool, down);
      // The keys that follow (Space, a typed point) are for the drawing.
      if (down) view_->setFocus(Qt::OtherFocusReason);
    });
  }
  // What is drawn goes into the active case: its choice follows the tools.
  caseChoice_ = new CaseChoice(editor_, doc_, toolBar_);
  caseChoiceItem_ = toolBar_->addWidget(caseChoice_);
  toolBar_->addSeparator();
  zoomOut_ = AddButton("zoom_out", false);
  zoomIn_ = AddButton("zoom_in", false);
  zoomWindow_ = AddButton("zoom_window", true);
  zoomExtents_ = AddButton("zoom_extents", false);
  zoomBack_ = AddButton("zoom_back", false);
  pan_ = AddButton("pan", true);
  connect(zoomOut_, &QAction::triggered, this, [this] { editor_.ZoomOut(); });
  connect(zoomIn_, &QAction::triggered, this, [this] { editor_.ZoomIn(); });
  connect(zoomWindow_, &QAction::triggered, this, [this](bool on) { editor_.ZoomWindow(on); });
  connect(zoomExtents_, &QAction::triggered, this, [this] { editor_.ZoomExtents(); });
  connect(zoomBack_, &QAction::triggered, this, [this] { editor_.ZoomBack(); });
  connect(pan_, &QAction::triggered, this, [this](bool on) { editor_.Pan(on); });
  zoomIn_->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  zoomOut_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
  zoomExtents_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
  toolBar_->addSeparator();
  // The step the cursor snaps to, in the display length unit, at every zoom.
  gridStep_ = new QLineEdit(toolBar_);
  gridStep_->setFixedWidth(kGridStepWidth);
  gridStepUnit_ = new QLabel(toolBar_);
  toolBar_->addWidget(gridStep_);
  toolBar_->addWidget(gridStepUnit_);
  connect(gridStep_, &QLineEdit::editingFinished, this, &ModelPage::GridStepEntered);
  editor_.SetGridStep(settings_.GridStep);
  ShowGridStep();
  const std::array<const char*, 3> gridIcons = {"grid_cartesian", "grid_angulated", "grid_polar"};
  for (std::size_t i = 0; i < kGrids.size(); ++i) {
    gridButtons_[i] = AddButton(gridIcons[i], true);
    const GridKind grid = kGrids[i];
    connect(gridButtons_[i], &QAction::triggered, this,
            [this, grid](bool down) { GridClicked(grid, down); });
  }
  toolBar_->addSeparator();
  showDisplacements_ = AddButton("show_displacements", true);
  showUtilisation_ = AddButton("show_utilisation", true);
  showBuckling_ = AddButton("show_buckling", true);
  // The displaced shape and the utilisation are those of the result chosen here.
  resultChoice_ = new ResultChoiceBox(doc_, toolBar_);
  resultChoiceItem_ = toolBar_->addWidget(resultChoice_);
  connect(showDisplacements_, &QAction::triggered, this, [this](bool on) {
    if (ShowDisplacementsClicked) ShowDisplacementsClicked(on);
    RefreshToolButtons();
  });
  connect(showUtilisation_, &QAction::triggered, this, [this](bool on) {
    if (ShowUtilisationClicked) ShowUtilisationClicked(on);
    RefreshToolButtons();
  });
  connect(showBuckling_, &QAction::triggered, this, [this](bool on) {
    if (ShowBucklingClicked) ShowBucklingClicked(on);
    RefreshToolButtons();
  });
  toolBar_->addSeparator();
  beamScale_ = new UpDownControl("scale_beam", toolBar_);
  loadScale_ = new UpDownControl("scale_load", toolBar_);
  displacementScale_ = new UpDownControl("scale_displacement", toolBar_);
  toolBar_->addWidget(beamScale_);
  toolBar_->addWidget(loadScale_);
  toolBar_->addWidget(displacementScale_);
  connect(beamScale_, &UpDownControl::Up, this, [this] { editor_.BeamScaleUp(); });
  connect(beamScale_, &UpDownControl::Down, this, [this] { editor_.BeamScaleDown(); });
  connect(loadScale_, &UpDownControl::Up, this, [this] { editor_.LoadScaleUp(); });
  connect(loadScale_, &UpDownControl::Down, this, [this] { editor_.LoadScaleDown(); });
  connect(displacementScale_, &UpDownControl::Up, this,
          [this] { editor_.DisplacementScaleUp(strandel::ShownDisplacementScale(doc_)); });
  connect(displacementScale_, &UpDownControl::Down, this,
          [this] { editor_.DisplacementScaleDown(strandel::ShownDisplacementScale(doc_)); });
  RefreshToolButtons();
}

void ModelPage::GridClicked(GridKind grid, bool down) {
  // At most one grid button is down; none down means no grid.
  for (std::size_t i = 0; i < kGrids.size(); ++i)
    if (kGrids[i] != grid) gridButtons_[i]->setChecked(false);
  editor_.GridButton(down ? grid : kNoGrid);
  RefreshToolButtons();
}

QAction* ModelPage::CreateButton(CreateTool tool) const {
  for (std::size_t i = 0; i < kCreateTools.size(); ++i)
    if (kCreateTools[i] == tool) return createButtons_[i];
  return nullptr;
}

QAction* ModelPage::GridButton(GridKind grid) const {
  for (std::size_t i = 0; i < kGrids.size(); ++i)
    if (kGrids[i] == grid) return gridButtons_[i];
  return nullptr;
}

void ModelPage::GridStepEntered() {
  const double factor = UnitFactor(settings_.Units, Quantity::Length);
  const FieldEntry entry = ApplyNumericField(gridStep_->text().toStdString(), factor,
                                             settings_.GridStep, FieldKind::Positive, parameters_);
  if (!entry.Accepted) {
    // The step stays as it was; the field says so again.
    messages_.Show(entry.Message, MessageKind::Warning);
    ShowGridStep();
    return;
  }
  settings_.GridStep = entry.Stored;
  editor_.SetGridStep(entry.Stored);
  ShowGridStep();
  view_->setFocus(Qt::OtherFocusReason);
}

void ModelPage::ShowGridStep() {
  gridStep_->setText(
      ToQt(FieldText(settings_.GridStep, UnitFactor(settings_.Units, Quantity::Length))).trimmed());
  gridStep_->setCursorPosition(0);
  gridStepUnit_->setText(ToQt(" " + UnitName(settings_.Units, Quantity::Length) + " "));
}

void ModelPage::UnitsChanged() {
  editor_.UnitsChanged();
  ShowGridStep();
}

void ModelPage::PointTyped(const QString& text) {
  const std::string refusal = editor_.TypePoint(text.toStdString(), parameters_);
  if (!refusal.empty()) {
    view_->Entry()->ShowRefusal(ToQt(refusal));
    return;
  }
  view_->Entry()->Close();
}

bool ModelPage::ClosePointEntry() {
  if (!view_->Entry()->IsOpen()) return false;
  view_->Entry()->Close();
  return true;
}

void ModelPage::EnableCreateTools(bool on) {
  for (QAction* button : createButtons_)
    button->setEnabled(on);
}

void ModelPage::ApplyTexts() {
  for (std::size_t i = 0; i < createButtons_.size(); ++i) {
    // The text is the Draw menu's item; the tool bar shows the icon.
    createButtons_[i]->setText(Tr(kCreateHints[i]));
    createButtons_[i]->setToolTip(Tr(kCreateHints[i]) + QStringLiteral(" (") +
                                  createButtons_[i]->shortcut().toString(QKeySequence::NativeText) +
                                  QLatin1Char(')'));
  }
  zoomOut_->setToolTip(Tr(tr::kHintZoomOut));
  zoomIn_->setToolTip(Tr(tr::kHintZoomIn));
  zoomWindow_->setToolTip(Tr(tr::kHintZoomWindow));
  zoomExtents_->setToolTip(Tr(tr::kHintZoomExtents));
  zoomBack_->setToolTip(Tr(tr::kHintZoomBack));
  pan_->setToolTip(Tr(tr::kHintPan));
  gridButtons_[0]->setToolTip(Tr(tr::kHintCartesianGrid));
  gridButtons_[1]->setToolTip(Tr(tr::kHintAngulatedGrid));
  gridButtons_[2]->setToolTip(Tr(tr::kHintPolarGrid));
  showDisplacements_->setToolTip(Tr(tr::kHintShowDisplacements));
  showUtilisation_->setToolTip(Tr(tr::kHintShowUtilisation));
  showBuckling_->setText(Tr(tr::kMenuBucklingMode));
  showBuckling_->setToolTip(Tr(tr::kMenuBucklingMode));
  beamScale_->SetHint(Tr(tr::kHintBeamScale));
  loadScale_->SetHint(Tr(tr::kHintLoadScale));
  displacementScale_->SetHint(Tr(tr::kHintDisplacementScale));
  caseChoice_->ApplyTexts();
  resultChoice_->ApplyTexts();
  gridStep_->setToolTip(Tr(tr::kHintGridStep));
  view_->Entry()->ApplyTexts();
  RefreshStatusBar();
}

QString ModelPage::StatusPanel(int panel) const {
  return panels_.at(static_cast<std::size_t>(panel))->text();
}

void ModelPage::Repaint() {
  view_->PictureChanged();
}

void ModelPage::RepaintOverlay() {
  view_->OverlayChanged();
}

void ModelPage::RefreshToolButtons() {
  const ToolButtonStates states = editor_.ToolButtons();
  for (std::size_t i = 0; i < kCreateTools.size(); ++i)
    createButtons_[i]->setChecked(states.DownTool == kCreateTools[i]);
  zoomWindow_->setChecked(states.ZoomWindow);
  pan_->setChecked(states.Pan);
  showDisplacements_->setChecked(states.ShowDisplacements);
  showUtilisation_->setChecked(states.ShowUtilisation);
  // A mode found from results that are gone would be drawn on another frame.
  if (!doc_.ResultsValid && buckling_) SetBuckling(std::nullopt);
  showBuckling_->setChecked(buckling_.has_value());
  const GridKind down = GridShownDown(editor_.State().Mode, states.GridType);
  for (std::size_t i = 0; i < kGrids.size(); ++i)
    gridButtons_[i]->setChecked(kGrids[i] == down);
  // A document without load cases has no case to choose.
  caseChoice_->Refresh();
  caseChoiceItem_->setVisible(!doc_.Settings.LoadCases.empty());
  resultChoice_->Refresh();
  resultChoiceItem_->setVisible(!doc_.Settings.LoadCases.empty());
}

void ModelPage::SetBuckling(std::optional<BucklingPicture> picture) {
  buckling_ = std::move(picture);
  view_->SetBuckling(buckling_ ? &*buckling_ : nullptr);
  showBuckling_->setChecked(buckling_.has_value());
  Repaint();
}

void ModelPage::SetCriticalFactor(const QString& text, const QString& warning) {
  panels_[4]->setText(text);
  panels_[4]->setToolTip(warning);
  // Below 10 in a first-order analysis: the number is a warning in itself.
  panels_[4]->setStyleSheet(warning.isEmpty() ? QString() : QStringLiteral("color: #c00000"));
  panels_[4]->setVisible(!text.isEmpty());
}

void ModelPage::ShowHint(const QString& hint) {
  hint_ = hint;
  RefreshStatusBar();
}

void ModelPage::RefreshStatusBar() {
  if (editor_.State().Mode != mode::kIdle) hint_.clear();
  panels_[0]->setText(hint_.isEmpty() ? ToQt(editor_.StatusText()) : hint_);
  const CoordinateTexts coordinates = editor_.StatusCoordinates();
  panels_[1]->setText(ToQt(coordinates.First));
  panels_[2]->setText(ToQt(coordinates.Second));
  FitPanel(panels_[1]);
  FitPanel(panels_[2]);
  const std::string measure = editor_.MeasureText();
  panels_[3]->setText(ToQt(measure));
  panels_[3]->setVisible(!measure.empty());
  if (!doc_.ResultsValid) panels_[4]->hide();
  // A point can be typed only while one is wanted.
  if (!editor_.TakesTypedPoints()) view_->Entry()->Close();
  if (StatusRefreshed) StatusRefreshed();
}

} // namespace strandel
