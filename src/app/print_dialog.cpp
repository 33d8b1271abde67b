#include "app/print_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "common/text_entries.h"

namespace strandel {
namespace {

QCheckBox* MakeCheckBox(const char* name, int entry, bool checked, QWidget* parent) {
  auto* box = new QCheckBox(Tr(entry), parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setChecked(checked);
  return box;
}

QPushButton* MakeButton(const char* name, int entry, QWidget* parent) {
  auto* button = new QPushButton(Tr(entry), parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

} // namespace

TfPrintDialog::TfPrintDialog(const PrintOptions& options, QWidget* parent)
    : QDialog(parent), options_(new QGroupBox(Tr(tr::kPrintOptions), this)),
      printModel_(MakeCheckBox("CB_PrintModel", tr::kPrintModel, options.PrintModel, options_)),
      printFBD_(MakeCheckBox("CB_PrintFBD", tr::kPrintFreeBody, options.PrintFBD, options_)),
      printReport_(MakeCheckBox("CB_PrintReport", tr::kPrintReport, options.PrintReport, options_)),
      setup_(MakeButton("BT_Setup", tr::kPrintSetupButton, this)),
      print_(MakeButton("BT_Print", tr::kPrintButton, this)),
      cancel_(MakeButton("BT_Cancel", tr::kCancelButton, this)) {
  setObjectName(QStringLiteral("TfPrintDialog"));
  setWindowTitle(Tr(tr::kPrintCaption));
  setModal(true);

  auto* boxes = new QVBoxLayout(options_);
  boxes->addWidget(printModel_);
  boxes->addWidget(printFBD_);
  boxes->addWidget(printReport_);

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(setup_);
  buttons->addWidget(print_);
  buttons->addWidget(cancel_);
  buttons->addStretch(1);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(options_, 1);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  // Enter prints, as the focused Print button does.
  print_->setDefault(true);
  print_->setFocus(Qt::OtherFocusReason);

  connect(setup_, &QPushButton::clicked, this, [this] {
    if (SetupClicked) SetupClicked();
  });
  connect(print_, &QPushButton::clicked, this, [this] { Print(); });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

PrintOptions TfPrintDialog::Options() const {
  return {printModel_->isChecked(), printFBD_->isChecked(), printReport_->isChecked()};
}

void TfPrintDialog::Print() {
  if (PrintClicked) PrintClicked(Options());
  accept();
}

} // namespace strandel
