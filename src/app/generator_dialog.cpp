#include "app/generator_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "app/dialog_frame.h"
#include "app/field_navigation.h"
#include "app/numeric_field_edit.h"
#include "app/qt_text.h"
#include "app/structure_picture.h"
#include "common/text_entries.h"
#include "generator/structures.h"

namespace strandel {
namespace {

constexpr QSize kPictureSize(240, 200);

// The labels of the fields, in dialog order, and the kinds' names for a
// program that has no language file.
struct FieldLabel {
  int Entry;
  const char* English;
};
constexpr std::array<FieldLabel, kGeneratorFieldCount> kFieldLabels = {{
    {tr::kGeneratorLabelHeight, "Height"},
    {tr::kGeneratorLabelWidth, "Width"},
    {tr::kGeneratorLabelLengthSections, "Length sections"},
    {tr::kGeneratorLabelHeightSections, "Height sections"},
    {tr::kGeneratorLabelMiddleHeight, "Middle height"},
    {tr::kGeneratorLabelDistributedLoad, "Distributed load"},
}};
constexpr std::array<const char*, kStructureKindCount> kKindNames = {
    "Multi-storey frame", "Braced tower", "Truss girder", "Circular arch", "Suspension bridge"};

} // namespace

GeneratorDialog::GeneratorDialog(const DialogContext& context, GeneratorParameters& parameters)
    : QDialog(context.Parent), context_(context), kept_(parameters),
      model_(parameters, context.Settings.Units, context.Parameters),
      pictures_(kStructureKindCount) {
  setWindowTitle(TrOr(tr::kGeneratorCaption, "Structure generator"));
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(TrOr(tr::kGeneratorLabelStructure, "Structure"), this), 0, 0);
  kindList_ = new QComboBox(this);
  kindList_->setObjectName(QStringLiteral("CB_Structure"));
  for (int kind = 0; kind < kStructureKindCount; ++kind)
    kindList_->addItem(TrOr(tr::kFirstStructureName + kind, kKindNames[kind]));
  grid->addWidget(kindList_, 0, 1, 1, 2);
  static constexpr std::array<const char*, kGeneratorFieldCount> kNames = {
      "ED_Height",         "ED_Width",        "ED_LengthSections",
      "ED_HeightSections", "ED_MiddleHeight", "ED_DistLoad"};
  // Every move between fields re-reads the parameters and shows them
  // corrected, so a refused or adjusted value is seen at once.
  keys_ = new FieldNavigation(this, [this] {
    ReadFields();
    ShowFields();
  });
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    grid->addWidget(new QLabel(TrOr(kFieldLabels[i].Entry, kFieldLabels[i].English), this), row, 0);
    fields_[i] = new NumericFieldEdit(this);
    fields_[i]->setObjectName(QLatin1String(kNames[i]));
    grid->addWidget(fields_[i], row, 1);
    units_[i] = new QLabel(this);
    grid->addWidget(units_[i], row, 2);
  }
  picture_ = new QLabel(this);
  picture_->setObjectName(QStringLiteral("PB_Structure"));
  picture_->setFrameShape(QFrame::Box);
  picture_->setFixedSize(kPictureSize + 2 * QSize(picture_->frameWidth(), picture_->frameWidth()));
  grid->addWidget(picture_, 0, 3, kGeneratorFieldCount + 1, 1, Qt::AlignTop);

  QDialogButtonBox* buttons = OkCancelButtons(*this);
  ok_ = buttons->button(QDialogButtonBox::Ok);
  cancel_ = buttons->button(QDialogButtonBox::Cancel);
  ok_->setDefault(true);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(buttons);

  for (std::size_t i = 0; i < units_.size(); ++i)
    units_[i]->setText(ToQt(model_.Fields[i].Unit));
  ShowFields();
  connect(kindList_, &QComboBox::activated, this, [this](int index) { KindChosen(index); });
}

void GeneratorDialog::TakeTexts() {
  for (std::size_t i = 0; i < fields_.size(); ++i)
    if (fields_[i]->isEnabled()) fields_[i]->TakeText(model_.Fields[i]);
}

void GeneratorDialog::ReadFields() {
  TakeTexts();
  model_.ReadFields();
}

void GeneratorDialog::ShowFields() {
  for (std::size_t i = 0; i < fields_.size(); ++i)
    fields_[i]->ShowField(model_.Fields[i]);
  kindList_->setCurrentIndex(static_cast<int>(model_.Values.Kind));
  picture_->setPixmap(QPixmap::fromImage(KindPicture(model_.Values.Kind)));
}

const QImage& GeneratorDialog::KindPicture(StructureKind kind) {
  QImage& picture = pictures_[static_cast<std::size_t>(kind)];
  if (picture.isNull()) picture = StructurePicture(kind, kPictureSize, context_.Settings);
  return picture;
}

void GeneratorDialog::KindChosen(int index) {
  if (index < 0 || index >= kStructureKindCount) return;
  // What was typed for the kind before stays where the new kind keeps it.
  TakeTexts();
  model_.ChooseKind(static_cast<StructureKind>(index));
  ShowFields();
}

void GeneratorDialog::accept() {
  // Nothing is generated while a field holds a text it refused.
  if (!keys_->FieldsTaken()) return;
  // The generated structure replaces the model: unsaved changes are offered
  // for saving first, as New does.
  if (context_.ConfirmSaveChanges && !context_.ConfirmSaveChanges()) return;
  kept_ = model_.Values;
  GenerateStructure(context_.Doc, model_.Values, context_.Settings.LastBeamStr,
                    NewDocumentSizes(context_.Settings));
  QDialog::accept();
}

bool ShowGeneratorDialog(const DialogContext& context, GeneratorParameters& parameters) {
  GeneratorDialog dialog(context, parameters);
  return dialog.exec() == QDialog::Accepted;
}

} // namespace strandel
