// The pages of the beam dialog and the "Achieved properties" beside them.

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/beam_dialog.h"
#include "app/numeric_field_edit.h"
#include "app/qt_text.h"
#include "common/text_entries.h"
#include "render/symbol_pictures.h"

namespace strandel {

void TfBeamProp::AddChoice(QGridLayout& grid, int row, BeamChoice& choice, QWidget* page) {
  auto* label = new QLabel(ToQt(choice.Label), page);
  auto* box = new QComboBox(page);
  // Wide enough for the longest item of any material's list.
  box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  box->setMinimumContentsLength(12);
  label->setBuddy(box);
  grid.addWidget(label, row, 0);
  grid.addWidget(box, row, 1, 1, 2);
  choices_.push_back({&choice, box, label});
  connect(box, &QComboBox::activated, this, [this, box] { ChoiceChanged(box); });
}

void TfBeamProp::AddField(QGridLayout& grid, int row, DialogField& field, QWidget* page) {
  fields_.push_back({&field, AddFieldRow(grid, row, field, page)});
}

QWidget* TfBeamProp::BuildProfilePage() {
  auto* page = new QWidget(this);
  auto* grid = new QGridLayout(page);
  shapeButton_ = new QToolButton(page);
  shapeButton_->setPopupMode(QToolButton::InstantPopup);
  shapeButton_->setIconSize(QSize(24, 24));
  shapeMenu_ = new QMenu(shapeButton_);
  shapeButton_->setMenu(shapeMenu_);
  connect(shapeMenu_, &QMenu::aboutToShow, this, [this] { FillShapeMenu(); });
  FillShapeMenu();
  auto* nameLabel = new QLabel(Tr(tr::kBeamLabelProfileName), page);
  profileName_ = new QLineEdit(page);
  profileName_->setMinimumWidth(150);
  nameLabel->setBuddy(profileName_);
  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(shapeButton_);
  nameRow->addWidget(profileName_);
  grid->addWidget(nameLabel, 0, 0);
  grid->addLayout(nameRow, 0, 1, 1, 2);
  AddField(*grid, 1, model_.H, page);
  AddField(*grid, 2, model_.W, page);
  AddField(*grid, 3, model_.TL, page);
  AddField(*grid, 4, model_.TF, page);
  AddChoice(*grid, 5, model_.Manufacture, page);
  AddChoice(*grid, 6, model_.DimControl, page);
  AddChoice(*grid, 7, model_.Braced, page);
  shapePicture_ = new QLabel(page);
  shapePicture_->setFixedSize(96, 96);
  shapePicture_->setFrameShape(QFrame::StyledPanel);
  shapePicture_->setAlignment(Qt::AlignCenter);
  grid->addWidget(shapePicture_, 1, 3, 4, 1, Qt::AlignTop | Qt::AlignHCenter);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(8, 1);
  return page;
}

QWidget* TfBeamProp::BuildMaterialPage() {
  auto* page = new QWidget(this);
  auto* grid = new QGridLayout(page);
  auto* nameLabel = new QLabel(Tr(tr::kBeamLabelMaterialName), page);
  materialName_ = new QLineEdit(page);
  nameLabel->setBuddy(materialName_);
  auto* library = new QToolButton(page);
  library->setText("...");
  library->setPopupMode(QToolButton::InstantPopup);
  auto* menu = new QMenu(library);
  library->setMenu(menu);
  connect(menu, &QMenu::aboutToShow, this, [this, menu] { FillLibraryMenu(menu, false); });
  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(materialName_);
  nameRow->addWidget(library);
  grid->addWidget(nameLabel, 0, 0);
  grid->addLayout(nameRow, 0, 1, 1, 2);
  AddChoice(*grid, 1, model_.SafetyClass, page);
  AddChoice(*grid, 2, model_.ClimateZone, page);
  AddChoice(*grid, 3, model_.LoadDuration, page);
  AddField(*grid, 4, model_.Ftk, page);
  AddField(*grid, 5, model_.Fck, page);
  AddField(*grid, 6, model_.Fmk, page);
  AddField(*grid, 7, model_.Ek, page);
  AddChoice(*grid, 8, model_.Hardenable, page);
  AddField(*grid, 9, model_.Density, page);
  auto* memoLabel = new QLabel(Tr(tr::kBeamLabelDescription), page);
  description_ = new QPlainTextEdit(page);
  description_->setTabChangesFocus(true);
  description_->setMinimumHeight(60);
  memoLabel->setBuddy(description_);
  grid->addWidget(memoLabel, 10, 0, 1, 3);
  grid->addWidget(description_, 11, 0, 1, 3);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(11, 1);
  return page;
}

QWidget* TfBeamProp::BuildMiscPage() {
  auto* page = new QWidget(this);
  auto* grid = new QGridLayout(page);
  auto* groupLabel = new QLabel(Tr(tr::kBeamLabelGroup), page);
  group_ = new QComboBox(page);
  groupLabel->setBuddy(group_);
  connect(group_, &QComboBox::activated, this, [this] {
    if (filling_) return;
    TakeControls();
    model_.ChooseGroup(FromQt(group_->currentText()), context_.Doc, context_.Messages);
    ShowModel();
  });
  auto* add = new QToolButton(page);
  add->setText("+");
  add->setToolTip(Tr(tr::kBeamHintAddGroup));
  connect(add, &QToolButton::clicked, this, [this] { AddGroup(); });
  auto* remove = new QToolButton(page);
  remove->setText("-");
  remove->setToolTip(Tr(tr::kBeamHintDeleteGroup));
  connect(remove, &QToolButton::clicked, this, [this] { DeleteGroup(); });
  auto* groupRow = new QHBoxLayout;
  groupRow->addWidget(group_, 1);
  groupRow->addWidget(add);
  groupRow->addWidget(remove);
  grid->addWidget(groupLabel, 0, 0);
  grid->addLayout(groupRow, 0, 1, 1, 2);

  grid->addWidget(new QLabel(Tr(tr::kBeamLabelColour), page), 1, 0);
  colour_ = new QPushButton(page);
  colour_->setFixedSize(60, 24);
  connect(colour_, &QPushButton::clicked, this, [this] { ChooseColour(); });
  defaultColour_ = new QPushButton(Tr(tr::kBeamDefaultColour), page);
  connect(defaultColour_, &QPushButton::clicked, this, [this] {
    TakeControls();
    model_.DefaultColour();
    ShowModel();
  });
  auto* colourRow = new QHBoxLayout;
  colourRow->addWidget(colour_);
  colourRow->addWidget(defaultColour_);
  colourRow->addStretch();
  grid->addLayout(colourRow, 1, 1, 1, 2);
  AddField(*grid, 2, model_.TextPos, page);
  corner1_ = new QCheckBox(Tr(tr::kBeamLabelCorner1Locked), page);
  corner2_ = new QCheckBox(Tr(tr::kBeamLabelCorner2Locked), page);
  grid->addWidget(corner1_, 3, 0, 1, 3);
  grid->addWidget(corner2_, 4, 0, 1, 3);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(5, 1);
  return page;
}

QWidget* TfBeamProp::BuildAchieved() {
  auto* box = new QGroupBox(Tr(tr::kBeamAchievedProperties), this);
  auto* grid = new QGridLayout(box);
  for (std::size_t i = 0; i < capacities_.size(); ++i) {
    CapacityRow& row = capacities_[i];
    const int line = 2 * static_cast<int>(i);
    row.Label = new QLabel(ToQt(model_.Capacities[i].Label), box);
    row.Value = new QLabel(box);
    row.Value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row.Value->setMinimumWidth(70);
    row.Unit = new QLabel(box);
    row.Bar = new QProgressBar(box);
    row.Bar->setRange(0, 100);
    row.Bar->setMaximumHeight(14);
    row.Bar->setTextVisible(false);
    grid->addWidget(row.Label, line, 0, 1, 3);
    grid->addWidget(row.Bar, line + 1, 0);
    grid->addWidget(row.Value, line + 1, 1);
    grid->addWidget(row.Unit, line + 1, 2);
  }
  detail_ = new QComboBox(box);
  for (const std::string& name : model_.DetailNames)
    detail_->addItem(ToQt(name));
  detail_->setMaxVisibleItems(26);
  connect(detail_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (filling_) return;
    model_.SelectedDetail = index;
    model_.ShowDetail(context_.Doc);
    ShowModel();
  });
  detailValue_ = new QLabel(box);
  detailValue_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  detailUnit_ = new QLabel(box);
  grid->addWidget(detail_, 6, 0);
  grid->addWidget(detailValue_, 6, 1);
  grid->addWidget(detailUnit_, 6, 2);
  grid->setColumnStretch(0, 1);
  grid->setRowStretch(7, 1);
  box->setMinimumWidth(260);
  return box;
}

} // namespace strandel
