#include "app/load_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QVBoxLayout>

#include "app/field_navigation.h"
#include "app/numeric_field_edit.h"
#include "app/qt_text.h"

namespace strandel {

TfFQMprop::TfFQMprop(const DialogContext& context, LoadDialogModel model)
    : QDialog(context.Parent), context_(context), model_(std::move(model)) {
  setWindowTitle(ToQt(model_.Caption));
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  angle_ = AddFieldRow(*grid, 0, model_.Angle, this);
  value_ = AddFieldRow(*grid, 1, model_.Value, this);
  textPos_ = AddFieldRow(*grid, 2, model_.TextPos, this);
  case_ = AddCaseRow(*grid, 3, model_.Case, this);
  layout->addLayout(grid);
  layout->addWidget(OkCancelButtons(*this));
  navigation_ = new FieldNavigation(this, [this] { Evaluate(); });
  CentreOn(*this, context.Parent);
}

void TfFQMprop::Evaluate() {
  angle_.Edit->ApplyTo(model_.Angle, context_.Parameters);
  value_.Edit->ApplyTo(model_.Value, context_.Parameters);
  if (model_.HasTextPos) textPos_.Edit->ApplyTo(model_.TextPos, context_.Parameters);
}

void TfFQMprop::accept() {
  if (!navigation_->FieldsTaken()) return;
  angle_.Edit->TakeText(model_.Angle);
  value_.Edit->TakeText(model_.Value);
  textPos_.Edit->TakeText(model_.TextPos);
  TakeCase(case_, model_.Case);
  if (OkApplied(*this, model_.Apply(context_.Doc, context_.Parameters), *navigation_,
                context_.Messages))
    QDialog::accept();
}

bool ShowLoadDialog(const DialogContext& context, int index) {
  std::optional<LoadDialogModel> model = OpenLoadDialog(context.Doc, index, context.Settings.Units);
  if (!model) return false;
  TfFQMprop dialog(context, std::move(*model));
  return dialog.exec() == QDialog::Accepted;
}

} // namespace strandel
