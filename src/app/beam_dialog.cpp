#include "app/beam_dialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidgetAction>
#include <algorithm>

#include "app/field_navigation.h"
#include "app/numeric_field_edit.h"
#include "app/qt_text.h"
#include "common/text_entries.h"
#include "render/symbol_pictures.h"
#include "sections/library_files.h"
#include "sections/profile_editing.h"

namespace strandel {
namespace {

QColor ColourOf(std::uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

std::uint32_t StoredColour(const QColor& colour) {
  return static_cast<std::uint32_t>(colour.red()) |
         (static_cast<std::uint32_t>(colour.green()) << 8) |
         (static_cast<std::uint32_t>(colour.blue()) << 16);
}

} // namespace

TfBeamProp::TfBeamProp(const DialogContext& context, BeamDialogModel model)
    : QDialog(context.Parent), context_(context), model_(std::move(model)) {
  auto* layout = new QVBoxLayout(this);
  auto* body = new QHBoxLayout;
  pages_ = new QTabWidget(this);
  pages_->addTab(BuildProfilePage(), Tr(tr::kBeamPageProfile));
  pages_->addTab(BuildMaterialPage(), Tr(tr::kBeamPageMaterial));
  pages_->addTab(BuildMiscPage(), Tr(tr::kBeamPageMisc));
  body->addWidget(pages_, 3);
  body->addWidget(BuildAchieved(), 2);
  layout->addLayout(body);
  layout->addWidget(OkCancelButtons(*this));
  navigation_ = new FieldNavigation(this, [this] { Evaluate(); });
  navigation_->KeepLineKeys(description_);
  ShowModel();
  CentreOn(*this, context.Parent);
}

NumericFieldEdit* TfBeamProp::Edit(const DialogField& field) const {
  for (const FieldBinding& binding : fields_)
    if (binding.Model == &field) return binding.Row.Edit;
  return nullptr;
}

QComboBox* TfBeamProp::Choice(const BeamChoice& choice) const {
  for (const ChoiceBinding& binding : choices_)
    if (binding.Model == &choice) return binding.Box;
  return nullptr;
}

void TfBeamProp::FillShapeMenu() {
  shapeMenu_->clear();
  for (int shape = 1; shape <= 10; ++shape) {
    QAction* item = shapeMenu_->addAction(QIcon(QPixmap::fromImage(ProfilePicture(shape, 32))),
                                          Tr(tr::kFirstShapeName + shape - 1));
    connect(item, &QAction::triggered, this, [this, shape] {
      TakeControls();
      model_.ShapeChosen(shape, context_.Doc, context_.Messages);
      ShowModel();
    });
  }
  shapeMenu_->addSeparator();
  FillLibraryMenu(shapeMenu_, true);
  QAction* byIA = shapeMenu_->addAction(Tr(tr::kBeamMenuProfileByIA));
  connect(byIA, &QAction::triggered, this, [this] { AskProfileByIA(); });
}

QAction* TfBeamProp::AddLibraryItem(QMenu* menu, const std::string& path, bool profiles) {
  QAction* item = menu->addAction(ToQt(LibraryEntryName(path)));
  connect(item, &QAction::triggered, this, [this, path, profiles] {
    TakeControls();
    if (profiles)
      model_.LoadProfile(path, context_.Doc, context_.Messages);
    else
      model_.LoadMaterial(path, context_.Doc, context_.Messages);
    ShowModel();
  });
  return item;
}

void TfBeamProp::FillProfileLibrary(QMenu* load, const std::vector<std::string>& files) {
  // A filter at the top; the profiles by family, each in natural order. While
  // the filter holds text, the matching profiles are listed on their own.
  auto* filter = new QLineEdit(load);
  filter->setPlaceholderText(Tr(tr::kLibraryFilterHint));
  filter->setClearButtonEnabled(true);
  auto* filterItem = new QWidgetAction(load);
  filterItem->setDefaultWidget(filter);
  load->addAction(filterItem);
  load->addSeparator();
  std::vector<QAction*> familyItems, matches;
  for (const LibraryFamily& family : LibraryFamilies(files)) {
    QMenu* sub = load->addMenu(ToQt(family.Name));
    familyItems.push_back(sub->menuAction());
    for (const std::string& path : family.Paths)
      AddLibraryItem(sub, path, true);
  }
  for (const LibraryFamily& family : LibraryFamilies(files)) {
    for (const std::string& path : family.Paths) {
      QAction* match = AddLibraryItem(load, path, true);
      match->setVisible(false);
      matches.push_back(match);
    }
  }
  connect(filter, &QLineEdit::textChanged, load, [familyItems, matches](const QString& text) {
    const QString wanted = text.trimmed();
    for (QAction* family : familyItems)
      family->setVisible(wanted.isEmpty());
    for (QAction* match : matches)
      match->setVisible(!wanted.isEmpty() && match->text().contains(wanted, Qt::CaseInsensitive));
  });
  profileFilter_ = filter;
}

void TfBeamProp::FillLibraryMenu(QMenu* menu, bool profiles) {
  if (!profiles) menu->clear();
  QMenu* load = menu->addMenu(Tr(profiles ? tr::kBeamMenuLoadProfile : tr::kBeamMenuLoadMaterial));
  std::vector<std::string> files =
      profiles ? ListProfileFiles(context_.DataFolder) : ListMaterialFiles(context_.DataFolder);
  if (profiles) {
    FillProfileLibrary(load, files);
  } else {
    std::sort(files.begin(), files.end(), [](const std::string& a, const std::string& b) {
      return NaturalLess(LibraryEntryName(a), LibraryEntryName(b));
    });
    for (const std::string& path : files)
      AddLibraryItem(load, path, false);
  }
  load->setEnabled(!files.empty());
  QAction* save =
      menu->addAction(Tr(profiles ? tr::kBeamMenuSaveProfile : tr::kBeamMenuSaveMaterial));
  connect(save, &QAction::triggered, this, [this, profiles] { SaveLibraryFile(profiles); });
}

void TfBeamProp::TakeControls() {
  for (FieldBinding& binding : fields_)
    binding.Row.Edit->TakeText(*binding.Model);
  for (ChoiceBinding& binding : choices_)
    binding.Model->Selected = binding.Box->currentIndex();
  model_.ProfileName = FromQt(profileName_->text());
  model_.MaterialName = FromQt(materialName_->text());
  model_.Description = FromQt(description_->toPlainText());
  model_.Corner1Locked = corner1_->isChecked();
  model_.Corner2Locked = corner2_->isChecked();
}

void TfBeamProp::ShowModel() {
  filling_ = true;
  setWindowTitle(ToQt(model_.Caption));
  for (FieldBinding& binding : fields_)
    binding.Row.Show(*binding.Model);
  for (ChoiceBinding& binding : choices_) {
    binding.Box->clear();
    for (const std::string& item : binding.Model->Items)
      binding.Box->addItem(ToQt(item));
    binding.Box->setCurrentIndex(binding.Model->Selected);
    binding.Box->setVisible(binding.Model->Visible);
    binding.Label->setVisible(binding.Model->Visible);
  }
  const int shape = model_.Copy.ShapeNo;
  shapeButton_->setIcon(QIcon(QPixmap::fromImage(ProfilePicture(shape, 24))));
  shapePicture_->setPixmap(QPixmap::fromImage(ProfilePicture(shape, 88)));
  if (profileName_->text() != ToQt(model_.ProfileName))
    profileName_->setText(ToQt(model_.ProfileName));
  if (materialName_->text() != ToQt(model_.MaterialName))
    materialName_->setText(ToQt(model_.MaterialName));
  const QString description = ToQt(model_.Description).replace("\r\n", "\n");
  if (description_->toPlainText() != description) description_->setPlainText(description);
  group_->clear();
  group_->addItem(QString());
  for (const std::string& name : model_.Groups)
    group_->addItem(ToQt(name));
  group_->setCurrentIndex(std::max(0, group_->findText(ToQt(model_.Copy.BeamGroup))));
  colour_->setStyleSheet(
      QString("background-color: %1").arg(ColourOf(model_.Copy.BeamColor).name()));
  corner1_->setChecked(model_.Corner1Locked);
  corner2_->setChecked(model_.Corner2Locked);
  for (std::size_t i = 0; i < capacities_.size(); ++i) {
    capacities_[i].Value->setText(ToQt(model_.Capacities[i].Value));
    capacities_[i].Unit->setText(ToQt(model_.Capacities[i].Unit));
    capacities_[i].Bar->setValue(model_.Capacities[i].Bar);
  }
  detail_->setCurrentIndex(model_.SelectedDetail);
  detailValue_->setText(ToQt(model_.DetailValue));
  detailUnit_->setText(ToQt(model_.DetailUnit));
  filling_ = false;
}

void TfBeamProp::Evaluate() {
  TakeControls();
  model_.ApplyFields(context_.Messages);
  model_.ShowValues(context_.Doc);
  ShowModel();
}

void TfBeamProp::ChoiceChanged(QComboBox* box) {
  if (filling_) return;
  TakeControls();
  if (box == Choice(model_.Braced))
    model_.BracedChanged(context_.Doc, context_.Messages);
  else
    model_.ChoiceChanged(context_.Doc, context_.Messages);
  ShowModel();
}

void TfBeamProp::AddGroup() {
  bool ok = false;
  const QString name = QInputDialog::getText(
      this, Tr(tr::kNewGroupCaption), Tr(tr::kNewGroupPrompt), QLineEdit::Normal, QString(), &ok);
  if (!ok) return;
  TakeControls();
  model_.AddGroup(FromQt(name), context_.Doc, context_.Messages);
  ShowModel();
}

void TfBeamProp::DeleteGroup() {
  TakeControls();
  model_.DeleteGroup(FromQt(group_->currentText()), context_.Doc);
  ShowModel();
}

void TfBeamProp::ChooseColour() {
  const QColor chosen = QColorDialog::getColor(ColourOf(model_.Copy.BeamColor), this);
  if (!chosen.isValid()) return;
  TakeControls();
  model_.SetColour(StoredColour(chosen));
  ShowModel();
}

void TfBeamProp::AskProfileByIA() {
  const ProfileByIAPrompts prompts = ProfileByIAQuestions(model_.Units);
  bool ok = false;
  const QString i = QInputDialog::getText(this, ToQt(prompts.Caption), ToQt(prompts.IPrompt),
                                          QLineEdit::Normal, QString(), &ok);
  if (!ok) return;
  const QString a = QInputDialog::getText(this, ToQt(prompts.Caption), ToQt(prompts.APrompt),
                                          QLineEdit::Normal, QString(), &ok);
  if (!ok) return;
  TakeControls();
  model_.ProfileByIA(FromQt(i), FromQt(a), context_.Doc, context_.Messages);
  ShowModel();
}

void TfBeamProp::SaveLibraryFile(bool profile) {
  const std::string folder =
      profile ? ProfileFolder(context_.DataFolder) : MaterialFolder(context_.DataFolder);
  QFileDialog dialog(this, Tr(profile ? tr::kFileDialogSaveProfile : tr::kFileDialogSaveMaterial),
                     ToQt(folder), "TXT files (*.txt *.TXT)");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix("txt");
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const std::string path = FromQt(dialog.selectedFiles().first());
  TakeControls();
  if (profile)
    model_.SaveProfile(path, context_.Messages);
  else
    model_.SaveMaterial(path, context_.Messages);
  ShowModel();
}

void TfBeamProp::accept() {
  if (!navigation_->FieldsTaken()) return;
  TakeControls();
  if (OkApplied(*this, model_.Apply(context_.Doc, context_.Settings, context_.Messages),
                *navigation_, context_.Messages))
    QDialog::accept();
}

bool ShowBeamDialog(const DialogContext& context, int index) {
  std::optional<BeamDialogModel> model =
      OpenBeamDialog(context.Doc, index, context.Settings.Units, context.Parameters);
  if (!model) return false;
  TfBeamProp dialog(context, std::move(*model));
  return dialog.exec() == QDialog::Accepted;
}

} // namespace strandel
