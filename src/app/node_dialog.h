#pragma once
// The node dialog (TfNodeProp): a free node's coordinates, or a node's
// position along the beam it lies on. OK moves the node and everything on it.

#include <QDialog>

#include "app/dialog_context.h"
#include "app/dialog_frame.h"
#include "dialogs/node_dialog_model.h"

namespace strandel {

class FieldNavigation;

class TfNodeProp : public QDialog {
  Q_OBJECT
public:
  TfNodeProp(const DialogContext& context, NodeDialogModel model);

  const NodeDialogModel& Model() const { return model_; }
  NumericFieldEdit* XEdit() const { return x_.Edit; }
  NumericFieldEdit* YEdit() const { return y_.Edit; }
  NumericFieldEdit* PositionEdit() const { return position_.Edit; }

  void accept() override;

private:
  void Evaluate();

  FieldNavigation* navigation_ = nullptr;

  const DialogContext& context_;
  NodeDialogModel model_;
  FieldRow x_, y_, position_;
};

// The node at `index` in the model list; true when OK moved it.
bool ShowNodeDialog(const DialogContext& context, int index);

} // namespace strandel
