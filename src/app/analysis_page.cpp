#include "app/analysis_page.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/page_bars.h"
#include "app/qt_text.h"
#include "app/result_choice_box.h"
#include "app/sheet_area.h"
#include "app/tool_icons.h"
#include "common/text_entries.h"
#include "render/beam_sheet_pages.h"

namespace strandel {
namespace {

constexpr std::array<const char*, kDiagramKinds> kDiagramIcons = {
    "diagram_normal_force", "diagram_shear_force", "diagram_moment",     "diagram_rotation",
    "diagram_displacement", "diagram_stress",      "diagram_utilisation"};
constexpr std::array<int, kDiagramKinds> kDiagramHints = {
    tr::kHintNormalForceDiagram, tr::kHintShearForceDiagram,   tr::kHintMomentDiagram,
    tr::kHintRotationDiagram,    tr::kHintDisplacementDiagram, tr::kHintStressDiagram,
    tr::kHintUtilisationDiagram};

// The beam list shows this many lines before it scrolls.
constexpr int kVisibleBeams = 20;

} // namespace

AnalysisPage::AnalysisPage(ModelDocument& doc, AppSettings& settings, BeamPage& page,
                           QWidget* parent)
    : QWidget(parent), doc_(doc), settings_(settings), page_(page), toolBar_(MakePageToolBar(this)),
      beamList_(new QComboBox(toolBar_)), resultChoice_(new ResultChoiceBox(doc, toolBar_)),
      sheet_(new SheetArea(this)) {
  beamList_->setMaxVisibleItems(kVisibleBeams);
  beamList_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  beamList_->setMinimumContentsLength(10);
  toolBar_->addWidget(beamList_);
  resultChoiceItem_ = toolBar_->addWidget(resultChoice_);
  toolBar_->addSeparator();
  for (std::size_t i = 0; i < diagramButtons_.size(); ++i) {
    diagramButtons_[i] = toolBar_->addAction(ToolIcon(kDiagramIcons[i]), QString());
    diagramButtons_[i]->setCheckable(true);
    diagramButtons_[i]->setChecked(page_.ShowDiagram[i]);
    connect(diagramButtons_[i], &QAction::triggered, this, [this] { DiagramButtonsChanged(); });
  }
  connect(beamList_, &QComboBox::activated, this, [this](int line) { BeamChosen(line); });
  // The window shows the sheets as paper gets them, one below the other.
  sheet_->CountSheets = [this] { return static_cast<int>(BeamSheets(page_).size()); };
  sheet_->PaintSheet = [this](QPainter& painter, int sheet, const ViewState& paper) {
    const std::vector<BeamSheet> sheets = BeamSheets(page_);
    if (sheet < static_cast<int>(sheets.size()))
      PaintBeamSheet(painter, page_, settings_, sheets[static_cast<std::size_t>(sheet)], paper,
                     SheetSurround::Desk);
  };
  QStatusBar* statusBar = MakePageStatusBar(this);
  status_ = AddStretchingPanel(statusBar);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(toolBar_);
  layout->addWidget(sheet_, 1);
  layout->addWidget(statusBar);
}

QAction* AnalysisPage::DiagramButton(DiagramKind kind) const {
  return diagramButtons_.at(static_cast<std::size_t>(kind) - 1);
}

void AnalysisPage::Rebuild() {
  resultChoice_->Refresh();
  resultChoiceItem_->setVisible(!doc_.Settings.LoadCases.empty());
  UpdateBeamPage(page_, doc_, settings_, envelope_);
  FillBeamList();
  sheet_->ContentChanged();
}

void AnalysisPage::FillBeamList() {
  const QSignalBlocker blocker(beamList_);
  beamList_->clear();
  for (const std::string& line : page_.BeamChoice)
    beamList_->addItem(ToQt(line));
  beamList_->setCurrentIndex(page_.ChoiceIndex);
}

void AnalysisPage::BeamChosen(int line) {
  ChooseBeam(page_, doc_, settings_, line, envelope_);
  FillBeamList();
  sheet_->ContentChanged();
}

void AnalysisPage::DiagramButtonsChanged() {
  for (std::size_t i = 0; i < diagramButtons_.size(); ++i)
    page_.ShowDiagram[i] = diagramButtons_[i]->isChecked();
  Rebuild();
}

void AnalysisPage::ApplyTexts() {
  beamList_->setToolTip(Tr(tr::kHintDiagramBeam));
  resultChoice_->ApplyTexts();
  for (std::size_t i = 0; i < diagramButtons_.size(); ++i)
    diagramButtons_[i]->setToolTip(Tr(kDiagramHints[i]));
}

void AnalysisPage::SetDocumentPath(const QString& path) {
  status_->setText(path);
}

} // namespace strandel
