#include "app/constraint_editor_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "app/dialog_frame.h"
#include "app/field_navigation.h"
#include "app/numeric_field_edit.h"
#include "app/qt_text.h"
#include "common/text_entries.h"
#include "optimizer/optimizer_texts.h"

namespace strandel {

TfOptEdit::TfOptEdit(VariableList& list, TVarItem& variable, ParameterTable& parameters,
                     QWidget* parent)
    : QDialog(parent), editor_(list, variable, parameters) {
  setWindowTitle(TrOr(tr::kConstraintCaption, "Constrains editor"));
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(TrOr(tr::kConstraintVariable, "Variable"), this), 0, 0);
  name_ = new QLineEdit(ToQt(editor_.NameText()), this);
  name_->setObjectName(QStringLiteral("ED_Name"));
  name_->setReadOnly(true);
  name_->setFocusPolicy(Qt::NoFocus);
  grid->addWidget(name_, 0, 1);
  grid->addWidget(new QLabel(TrOr(tr::kConstraintType, "Type"), this), 1, 0);
  type_ = new QComboBox(this);
  type_->setObjectName(QStringLiteral("CB_ConstrainType"));
  for (int type : {kConstrainInterval, kConstrainEqual, kConstrainMirror})
    type_->addItem(ToQt(ConstraintTypeName(type)));
  grid->addWidget(type_, 1, 1);

  lowLabel_ = new QLabel(TrOr(tr::kConstraintLowerBound, "Lower bound"), this);
  low_ = new NumericFieldEdit(this);
  low_->setObjectName(QStringLiteral("ED_LBound"));
  highLabel_ = new QLabel(TrOr(tr::kConstraintUpperBound, "Upper bound"), this);
  high_ = new NumericFieldEdit(this);
  high_->setObjectName(QStringLiteral("ED_UBound"));
  // The bounds show in as many digits as they need (so storing them again
  // moves nothing): wide enough for a sign and fifteen digits.
  const int boundWidth =
      fontMetrics().horizontalAdvance(QStringLiteral("-0000.0000000000000")) + 12;
  low_->setMinimumWidth(boundWidth);
  high_->setMinimumWidth(boundWidth);
  unit_ = new QLabel(ToQt(editor_.UnitName()), this);
  unit_->setObjectName(QStringLiteral("LB_UnitName"));
  grid->addWidget(lowLabel_, 2, 0);
  grid->addWidget(low_, 2, 1);
  grid->addWidget(unit_, 2, 2);
  grid->addWidget(highLabel_, 3, 0);
  grid->addWidget(high_, 3, 1);
  assocLabel_ = new QLabel(TrOr(tr::kConstraintAssociated, "Associated variable"), this);
  assoc_ = new QComboBox(this);
  assoc_->setObjectName(QStringLiteral("CB_AssocNode"));
  grid->addWidget(assocLabel_, 4, 0);
  grid->addWidget(assoc_, 4, 1);

  QDialogButtonBox* buttons = OkCancelButtons(*this);
  ok_ = buttons->button(QDialogButtonBox::Ok);
  cancel_ = buttons->button(QDialogButtonBox::Cancel);
  ok_->setDefault(true);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addStretch();
  layout->addWidget(buttons);

  // Moving between the controls stores them and shows the variable again, so
  // bounds the editor refused show their old values at once.
  navigation_ = new FieldNavigation(this, [this] {
    StoreFields();
    LoadFields();
  });
  connect(type_, &QComboBox::activated, this, [this](int type) { TypeChosen(type); });
  connect(assoc_, &QComboBox::activated, this, [this] {
    StoreFields();
    LoadFields();
  });
  LoadFields();
}

ConstraintFields TfOptEdit::CurrentFields() const {
  ConstraintFields fields = editor_.Fields();
  fields.Type = type_->currentIndex();
  low_->TakeText(fields.Low);
  high_->TakeText(fields.High);
  fields.AssocIndex = assoc_->currentIndex();
  return fields;
}

void TfOptEdit::LoadFields() {
  const ConstraintFields fields = editor_.Fields();
  const QSignalBlocker typeBlocker(type_);
  const QSignalBlocker assocBlocker(assoc_);
  type_->setCurrentIndex(fields.Type);
  low_->ShowField(fields.Low);
  high_->ShowField(fields.High);
  assoc_->clear();
  for (const std::string& name : editor_.AssociatedChoices())
    assoc_->addItem(ToQt(name));
  assoc_->setCurrentIndex(fields.AssocIndex);
  ShowControlsOf(fields.Type);
}

void TfOptEdit::StoreFields() {
  editor_.Store(CurrentFields());
}

void TfOptEdit::TypeChosen(int type) {
  // Equal and Mirror need a variable to follow; without one the choice goes
  // back to Interval.
  const int accepted = editor_.AcceptedType(type);
  if (accepted != type) {
    const QSignalBlocker blocker(type_);
    type_->setCurrentIndex(accepted);
  }
  ShowControlsOf(accepted);
}

void TfOptEdit::ShowControlsOf(int type) {
  const bool interval = type == kConstrainInterval;
  for (QWidget* control : {static_cast<QWidget*>(lowLabel_), static_cast<QWidget*>(low_),
                           static_cast<QWidget*>(highLabel_), static_cast<QWidget*>(high_),
                           static_cast<QWidget*>(unit_)})
    control->setVisible(interval);
  assocLabel_->setVisible(!interval);
  assoc_->setVisible(!interval);
}

void TfOptEdit::accept() {
  // OK waits while a bound holds a text the editor refused.
  if (!navigation_->FieldsTaken()) return;
  editor_.Ok(CurrentFields());
  QDialog::accept();
}

void TfOptEdit::reject() {
  editor_.Cancel();
  QDialog::reject();
}

} // namespace strandel
