#pragma once
// The dimensioning-rules dialog: the document's seven switches, and the
// "Second order effects" switch.

#include <QDialog>
#include <array>

#include "app/dialog_context.h"
#include "dialogs/dimensioning_dialog_model.h"

class QCheckBox;

namespace strandel {

class DimensioningRulesDialog : public QDialog {
  Q_OBJECT
public:
  DimensioningRulesDialog(QWidget* parent, ModelDocument& doc);

  const DimensioningDialogModel& Model() const { return model_; }
  QCheckBox* SwitchBox(DimensioningSwitch which) const {
    return boxes_[static_cast<std::size_t>(which)];
  }
  QCheckBox* SecondOrderBox() const { return secondOrder_; }
  // Whether OK changed any switch.
  bool Changed() const { return changed_; }

  void accept() override;

private:
  void ShowSwitches();

  ModelDocument& doc_;
  DimensioningDialogModel model_;
  std::array<QCheckBox*, kDimensioningSwitchCount> boxes_{};
  QCheckBox* secondOrder_ = nullptr;
  bool changed_ = false;
};

// True when OK changed the switches.
bool ShowDimensioningDialog(const DialogContext& context);

} // namespace strandel
