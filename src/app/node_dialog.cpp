#include "app/node_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QVBoxLayout>

#include "app/field_navigation.h"
#include "app/numeric_field_edit.h"
#include "app/qt_text.h"

namespace strandel {

TfNodeProp::TfNodeProp(const DialogContext& context, NodeDialogModel model)
    : QDialog(context.Parent), context_(context), model_(std::move(model)) {
  setWindowTitle(ToQt(model_.Caption));
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  x_ = AddFieldRow(*grid, 0, model_.X, this);
  y_ = AddFieldRow(*grid, 1, model_.Y, this);
  position_ = AddFieldRow(*grid, 2, model_.Position, this);
  layout->addLayout(grid);
  layout->addWidget(OkCancelButtons(*this));
  navigation_ = new FieldNavigation(this, [this] { Evaluate(); });
  CentreOn(*this, context.Parent);
}

void TfNodeProp::Evaluate() {
  for (auto [row, field] : {std::pair{&x_, &model_.X}, std::pair{&y_, &model_.Y},
                            std::pair{&position_, &model_.Position}})
    if (field->Enabled) row->Edit->ApplyTo(*field, context_.Parameters);
}

void TfNodeProp::accept() {
  if (!navigation_->FieldsTaken()) return;
  x_.Edit->TakeText(model_.X);
  y_.Edit->TakeText(model_.Y);
  position_.Edit->TakeText(model_.Position);
  if (OkApplied(*this, model_.Apply(context_.Doc, context_.Parameters, context_.Messages),
                *navigation_, context_.Messages))
    QDialog::accept();
}

bool ShowNodeDialog(const DialogContext& context, int index) {
  std::optional<NodeDialogModel> model = OpenNodeDialog(context.Doc, index, context.Settings.Units);
  if (!model) return false;
  TfNodeProp dialog(context, std::move(*model));
  return dialog.exec() == QDialog::Accepted;
}

} // namespace strandel
