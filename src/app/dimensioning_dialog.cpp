#include "app/dimensioning_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QVBoxLayout>

#include "app/dialog_frame.h"
#include "app/qt_text.h"

namespace strandel {

DimensioningRulesDialog::DimensioningRulesDialog(QWidget* parent, ModelDocument& doc)
    : QDialog(parent), doc_(doc), model_(OpenDimensioningDialog(doc)) {
  setWindowTitle(ToQt(model_.Caption));
  auto* layout = new QVBoxLayout(this);
  auto* group = new QGroupBox(ToQt(model_.GroupLabel), this);
  auto* switches = new QVBoxLayout(group);
  for (std::size_t i = 0; i < kDimensioningSwitchCount; ++i) {
    boxes_[i] = new QCheckBox(ToQt(model_.Labels[i]), group);
    switches->addWidget(boxes_[i]);
    connect(boxes_[i], &QCheckBox::toggled, this, [this, i](bool on) {
      model_.On[i] = on;
      ShowSwitches();
    });
  }
  layout->addWidget(group);
  secondOrder_ = new QCheckBox(ToQt(model_.SecondOrderLabel), this);
  connect(secondOrder_, &QCheckBox::toggled, this, [this](bool on) {
    model_.SetSecondOrder(on);
    ShowSwitches();
  });
  layout->addWidget(secondOrder_);
  layout->addWidget(OkCancelButtons(*this));
  ShowSwitches();
  CentreOn(*this, parent);
}

void DimensioningRulesDialog::ShowSwitches() {
  for (std::size_t i = 0; i < kDimensioningSwitchCount; ++i) {
    const QSignalBlocker quiet(boxes_[i]);
    boxes_[i]->setChecked(model_.On[i]);
  }
  const QSignalBlocker quiet(secondOrder_);
  secondOrder_->setChecked(model_.SecondOrder());
}

void DimensioningRulesDialog::accept() {
  changed_ = model_.Apply(doc_);
  QDialog::accept();
}

bool ShowDimensioningDialog(const DialogContext& context) {
  DimensioningRulesDialog dialog(context.Parent, context.Doc);
  return dialog.exec() == QDialog::Accepted && dialog.Changed();
}

} // namespace strandel
