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
#include "common/number_text.h"
#include "common/text.h"
#include "common/text_entries.h"
#include "generator/structures.h"
#include "units/units.h"

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

// A field the kind does not use is not read: its parameter keeps its value.
// Nor is a field that still shows what the dialog put there: its three digits
// stand for the value, and reading them back would round it at every key.
std::optional<std::string> TextOf(const NumericFieldEdit* field, const std::string& shown) {
  if (!field->isEnabled()) return std::nullopt;
  const std::string text = field->Text();
  if (Trim(text) == Trim(shown)) return std::nullopt;
  return text;
}

} // namespace

GeneratorDialog::GeneratorDialog(const DialogContext& context, GeneratorParameters& parameters)
    : QDialog(context.Parent), context_(context), kept_(parameters), values_(parameters),
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

  const QString length = ToQt(UnitName(context_.Settings.Units, Quantity::Length));
  for (GeneratorField field :
       {GeneratorField::Height, GeneratorField::Width, GeneratorField::MiddleHeight})
    UnitLabel(field)->setText(length);
  UnitLabel(GeneratorField::DistributedLoad)
      ->setText(ToQt(UnitName(context_.Settings.Units, Quantity::DistLoad)));
  ShowFields();
  connect(kindList_, &QComboBox::activated, this, [this](int index) { KindChosen(index); });
}

bool GeneratorDialog::FieldUsed(GeneratorField field) const {
  switch (field) {
  case GeneratorField::MiddleHeight:
    return UsesMiddleHeight(values_.Kind);
  case GeneratorField::LengthSections:
    return UsesLengthSections(values_.Kind);
  case GeneratorField::HeightSections:
    return UsesHeightSections(values_.Kind);
  case GeneratorField::DistributedLoad:
    return UsesLoad(values_.Kind);
  default:
    return true;
  }
}

void GeneratorDialog::ReadFields() {
  GeneratorFieldTexts texts;
  const auto text = [this](GeneratorField field) {
    return TextOf(Field(field), shown_[Index(field)]);
  };
  texts.H = text(GeneratorField::Height);
  texts.W = text(GeneratorField::Width);
  texts.n = text(GeneratorField::LengthSections);
  texts.m = text(GeneratorField::HeightSections);
  texts.H2 = text(GeneratorField::MiddleHeight);
  texts.q = text(GeneratorField::DistributedLoad);
  const UnitChoice& units = context_.Settings.Units;
  ReadGeneratorFields(values_, texts, UnitFactor(units, Quantity::Length),
                      UnitFactor(units, Quantity::DistLoad));
}

void GeneratorDialog::ShowFields() {
  const UnitChoice& units = context_.Settings.Units;
  const double length = UnitFactor(units, Quantity::Length);
  const double load = UnitFactor(units, Quantity::DistLoad);
  const std::array<double, kGeneratorFieldCount> shown = {values_.H * length,  values_.W * length,
                                                          double(values_.n),   double(values_.m),
                                                          values_.H2 * length, values_.q * load};
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    const auto field = static_cast<GeneratorField>(i);
    const bool used = FieldUsed(field);
    // Width and height are always shown; a field the kind does not use is empty.
    const bool always = field == GeneratorField::Height || field == GeneratorField::Width;
    DialogField shownField;
    shownField.Text = used || always ? FormatValue(shown[i]) : std::string();
    shownField.Enabled = used;
    fields_[i]->ShowField(shownField);
    shown_[i] = shownField.Text;
  }
  kindList_->setCurrentIndex(static_cast<int>(values_.Kind));
  picture_->setPixmap(QPixmap::fromImage(KindPicture(values_.Kind)));
}

const QImage& GeneratorDialog::KindPicture(StructureKind kind) {
  QImage& picture = pictures_[static_cast<std::size_t>(kind)];
  if (picture.isNull()) picture = StructurePicture(kind, kPictureSize, context_.Settings);
  return picture;
}

void GeneratorDialog::KindChosen(int index) {
  if (index < 0 || index >= kStructureKindCount) return;
  // What was typed for the kind before stays where the new kind keeps it.
  ReadFields();
  ApplyKindPreset(values_, static_cast<StructureKind>(index));
  ShowFields();
}

void GeneratorDialog::accept() {
  ReadFields();
  ShowFields();
  // The generated structure replaces the model: unsaved changes are offered
  // for saving first, as New does.
  if (context_.ConfirmSaveChanges && !context_.ConfirmSaveChanges()) return;
  kept_ = values_;
  GenerateStructure(context_.Doc, values_, context_.Settings.LastBeamStr,
                    NewDocumentSizes(context_.Settings));
  QDialog::accept();
}

bool ShowStructureDialog(const DialogContext& context, GeneratorParameters& parameters) {
  GeneratorDialog dialog(context, parameters);
  return dialog.exec() == QDialog::Accepted;
}

} // namespace strandel
