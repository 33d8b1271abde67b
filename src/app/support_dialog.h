#pragma once
// The support dialog (TfSuppProp): four direction buttons showing the support
// symbol turned each way, the prescribed displacements and rotation, and
// whether the support holds the rotation and whether it rolls.

#include <QDialog>

#include "app/dialog_context.h"
#include "app/dialog_frame.h"
#include "dialogs/support_dialog_model.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;

namespace strandel {

class FieldNavigation;

class TfSuppProp : public QDialog {
  Q_OBJECT
public:
  TfSuppProp(const DialogContext& context, SupportDialogModel model);

  const SupportDialogModel& Model() const { return model_; }
  QAbstractButton* DirectionButton(int direction) const; // RB_Dir1 .. RB_Dir4
  NumericFieldEdit* XEdit() const { return x_.Edit; }
  NumericFieldEdit* YEdit() const { return y_.Edit; }
  NumericFieldEdit* RotationEdit() const { return rotation_.Edit; }
  QCheckBox* LockedBox() const { return locked_; }
  QCheckBox* RolledBox() const { return rolled_; }
  QComboBox* CaseBox() const { return case_; }

  void accept() override;

private:
  void Evaluate();

  FieldNavigation* navigation_ = nullptr;
  void TakeControls();

  const DialogContext& context_;
  SupportDialogModel model_;
  QButtonGroup* directions_ = nullptr;
  FieldRow x_, y_, rotation_;
  QCheckBox* locked_ = nullptr;
  QCheckBox* rolled_ = nullptr;
  QComboBox* case_ = nullptr;
};

bool ShowSupportDialog(const DialogContext& context, int index);

} // namespace strandel
