#include "app/dialog_frame.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "app/field_navigation.h"
#include "app/numeric_field_edit.h"
#include "app/qt_text.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "common/user_message.h"

namespace strandel {

void FieldRow::Show(const DialogField& field) {
  Label->setText(ToQt(field.Label));
  Unit->setText(ToQt(field.Unit));
  Edit->ShowField(field);
  Label->setEnabled(field.Enabled);
  Unit->setEnabled(field.Enabled);
}

FieldRow AddFieldRow(QGridLayout& grid, int row, const DialogField& field, QWidget* parent) {
  FieldRow fields;
  fields.Label = new QLabel(parent);
  fields.Edit = new NumericFieldEdit(parent);
  fields.Unit = new QLabel(parent);
  fields.Label->setBuddy(fields.Edit);
  grid.addWidget(fields.Label, row, 0);
  grid.addWidget(fields.Edit, row, 1);
  grid.addWidget(fields.Unit, row, 2);
  fields.Show(field);
  return fields;
}

QComboBox* AddCaseRow(QGridLayout& grid, int row, const CaseField& field, QWidget* parent) {
  if (!field.Shown()) return nullptr;
  auto* label = new QLabel(ToQt(field.Label), parent);
  auto* box = new QComboBox(parent);
  for (std::size_t i = 0; i < field.Cases.size(); ++i)
    box->addItem(ToQt(field.Texts[i]), QVariant(static_cast<uint>(field.Cases[i])));
  box->setCurrentIndex(field.ChosenIndex());
  label->setBuddy(box);
  grid.addWidget(label, row, 0);
  grid.addWidget(box, row, 1);
  return box;
}

void TakeCase(const QComboBox* box, CaseField& field) {
  if (box && box->currentIndex() >= 0)
    field.Chosen = static_cast<std::uint16_t>(box->currentData().toUInt());
}

QDialogButtonBox* OkCancelButtons(QDialog& dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
  ok->setText(Tr(tr::kOkButton));
  cancel->setText(Tr(tr::kCancelButton));
  for (QPushButton* button : {ok, cancel}) {
    button->setAutoDefault(false);
    button->setDefault(false);
  }
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  return buttons;
}

void CentreOn(QWidget& dialog, const QWidget* parent) {
  dialog.adjustSize();
  QRect area;
  if (parent) {
    area = parent->window()->frameGeometry();
  } else if (const QScreen* screen = dialog.screen()) {
    area = screen->availableGeometry();
  }
  if (area.isEmpty()) return;
  // Integer halving, as the rest of the program places its windows.
  dialog.move(area.left() + area.width() / 2 - dialog.width() / 2,
              area.top() + area.height() / 2 - dialog.height() / 2);
}

bool OkApplied(QDialog& dialog, ApplyOutcome outcome, FieldNavigation& navigation,
               UserMessages& messages) {
  switch (outcome) {
  case ApplyOutcome::Applied:
    return true;
  case ApplyOutcome::FieldRefused:
    navigation.FieldsTaken();
    return false;
  case ApplyOutcome::ObjectGone:
    messages.Show(Translated(tr::kMsgDialogObjectGone), MessageKind::Warning);
    dialog.reject();
    return false;
  }
  return false;
}

void AddListButtons(QBoxLayout& layout, QWidget* parent, QPushButton*& add, QPushButton*& remove) {
  auto* buttons = new QHBoxLayout;
  add = new QPushButton(Tr(tr::kCaseAddButton), parent);
  remove = new QPushButton(Tr(tr::kCaseDeleteButton), parent);
  for (QPushButton* button : {add, remove}) {
    button->setAutoDefault(false);
    buttons->addWidget(button);
  }
  buttons->addStretch();
  layout.addLayout(buttons);
}

} // namespace strandel
