#pragma once
// The "Select units" dialog: one list per quantity, drawn with raised powers,
// the "SI" and "US" presets, and OK storing the choices in the settings.

#include <QDialog>
#include <QStyledItemDelegate>
#include <vector>

#include "app/dialog_context.h"
#include "dialogs/units_dialog_model.h"

class QListWidget;
class QToolButton;

namespace strandel {

// A unit name drawn character by character in a fixed-pitch font, the power
// after a "^" smaller and raised, white on the selected row, blue elsewhere.
class UnitNameDelegate : public QStyledItemDelegate {
public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

class UnitsDialog : public QDialog {
  Q_OBJECT
public:
  UnitsDialog(QWidget* parent, UnitChoice& stored);

  const UnitsDialogModel& Model() const { return model_; }
  QListWidget* List(std::size_t box) const { return lists_[box]; }
  QToolButton* SiButton() const { return si_; }
  QToolButton* UsButton() const { return us_; }

  void accept() override;

private:
  void SelectRows();

  UnitChoice& stored_;
  UnitsDialogModel model_;
  std::vector<QListWidget*> lists_;
  QToolButton* si_ = nullptr;
  QToolButton* us_ = nullptr;
};

// True when OK changed the choices.
bool ShowUnitsDialog(const DialogContext& context);

} // namespace strandel
