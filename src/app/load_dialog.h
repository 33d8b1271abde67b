#pragma once
// The force, load and moment dialog (TfFQMprop): direction and value, and for
// a distributed load the position of its label.

#include <QDialog>

#include "app/dialog_context.h"
#include "app/dialog_frame.h"
#include "dialogs/load_dialog_model.h"

namespace strandel {

class FieldNavigation;

class TfFQMprop : public QDialog {
  Q_OBJECT
public:
  TfFQMprop(const DialogContext& context, LoadDialogModel model);

  const LoadDialogModel& Model() const { return model_; }
  NumericFieldEdit* AngleEdit() const { return angle_.Edit; }
  NumericFieldEdit* ValueEdit() const { return value_.Edit; }
  NumericFieldEdit* TextPosEdit() const { return textPos_.Edit; }
  QComboBox* CaseBox() const { return case_; }

  void accept() override;

private:
  void Evaluate();

  FieldNavigation* navigation_ = nullptr;

  const DialogContext& context_;
  LoadDialogModel model_;
  FieldRow angle_, value_, textPos_;
  QComboBox* case_ = nullptr;
};

// The force, load or moment at `index`; true when OK changed it.
bool ShowLoadDialog(const DialogContext& context, int index);

} // namespace strandel
