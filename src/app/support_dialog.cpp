#include "app/support_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/field_navigation.h"
#include "app/numeric_field_edit.h"
#include "app/qt_text.h"
#include "render/symbol_pictures.h"

namespace strandel {

TfSuppProp::TfSuppProp(const DialogContext& context, SupportDialogModel model)
    : QDialog(context.Parent), context_(context), model_(std::move(model)) {
  setWindowTitle(ToQt(model_.Caption));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(ToQt(model_.DirectionLabel), this));
  auto* buttons = new QHBoxLayout;
  directions_ = new QButtonGroup(this);
  directions_->setExclusive(true);
  constexpr int kPicture = 44;
  for (int direction = 1; direction <= 4; ++direction) {
    auto* button = new QToolButton(this);
    button->setObjectName(QString("RB_Dir%1").arg(direction));
    button->setCheckable(true);
    button->setIcon(QIcon(QPixmap::fromImage(SupportPicture(direction, kPicture))));
    button->setIconSize(QSize(kPicture, kPicture));
    button->setChecked(direction == model_.Direction);
    directions_->addButton(button, direction);
    buttons->addWidget(button);
  }
  buttons->addStretch();
  layout->addLayout(buttons);
  auto* grid = new QGridLayout;
  x_ = AddFieldRow(*grid, 0, model_.XDisplacement, this);
  y_ = AddFieldRow(*grid, 1, model_.YDisplacement, this);
  rotation_ = AddFieldRow(*grid, 2, model_.Rotation, this);
  case_ = AddCaseRow(*grid, 3, model_.Case, this);
  layout->addLayout(grid);
  locked_ = new QCheckBox(ToQt(model_.LockedLabel), this);
  locked_->setChecked(model_.Locked);
  rolled_ = new QCheckBox(ToQt(model_.RolledLabel), this);
  rolled_->setChecked(model_.Rolled);
  layout->addWidget(locked_);
  layout->addWidget(rolled_);
  layout->addWidget(OkCancelButtons(*this));
  navigation_ = new FieldNavigation(this, [this] { Evaluate(); });
  CentreOn(*this, context.Parent);
}

QAbstractButton* TfSuppProp::DirectionButton(int direction) const {
  return directions_->button(direction);
}

void TfSuppProp::Evaluate() {
  x_.Edit->ApplyTo(model_.XDisplacement, context_.Parameters);
  y_.Edit->ApplyTo(model_.YDisplacement, context_.Parameters);
  rotation_.Edit->ApplyTo(model_.Rotation, context_.Parameters);
}

void TfSuppProp::TakeControls() {
  x_.Edit->TakeText(model_.XDisplacement);
  y_.Edit->TakeText(model_.YDisplacement);
  rotation_.Edit->TakeText(model_.Rotation);
  if (directions_->checkedId() >= 1) model_.Direction = directions_->checkedId();
  model_.Locked = locked_->isChecked();
  model_.Rolled = rolled_->isChecked();
  TakeCase(case_, model_.Case);
}

void TfSuppProp::accept() {
  if (!navigation_->FieldsTaken()) return;
  TakeControls();
  if (OkApplied(*this, model_.Apply(context_.Doc, context_.Parameters), *navigation_,
                context_.Messages))
    QDialog::accept();
}

bool ShowSupportDialog(const DialogContext& context, int index) {
  std::optional<SupportDialogModel> model =
      OpenSupportDialog(context.Doc, index, context.Settings.Units);
  if (!model) return false;
  TfSuppProp dialog(context, std::move(*model));
  return dialog.exec() == QDialog::Accepted;
}

} // namespace strandel
