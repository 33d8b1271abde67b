#pragma once
// The print dialog: three check boxes that choose what is printed (the model,
// the Analysis page's beam sheet, the report), "Setup..." for the printer, and
// "Print", which prints the chosen items and closes the dialog.

#include <QDialog>
#include <functional>

#include "app/output_rules.h"

class QCheckBox;
class QGroupBox;
class QPushButton;

namespace strandel {

class TfPrintDialog : public QDialog {
  Q_OBJECT
public:
  explicit TfPrintDialog(const PrintOptions& options, QWidget* parent = nullptr);

  // The options as the check boxes show them now.
  PrintOptions Options() const;

  // "Setup...": the printer set-up.
  std::function<void()> SetupClicked;
  // "Print": prints these options; the dialog closes afterwards.
  std::function<void(const PrintOptions&)> PrintClicked;

  QGroupBox* OptionsFrame() const { return options_; }
  QCheckBox* PrintModelBox() const { return printModel_; }
  QCheckBox* PrintFBDBox() const { return printFBD_; }
  QCheckBox* PrintReportBox() const { return printReport_; }
  QPushButton* SetupButton() const { return setup_; }
  QPushButton* PrintButton() const { return print_; }
  QPushButton* CancelButton() const { return cancel_; }

private:
  void Print();

  QGroupBox* options_;
  QCheckBox* printModel_;
  QCheckBox* printFBD_;
  QCheckBox* printReport_;
  QPushButton* setup_;
  QPushButton* print_;
  QPushButton* cancel_;
};

} // namespace strandel
