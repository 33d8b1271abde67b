#include "app/load_cases_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/dialog_frame.h"
#include "app/field_navigation.h"
#include "app/numeric_field_edit.h"
#include "app/qt_text.h"
#include "common/text_entries.h"
#include "common/user_message.h"
#include "expr/numeric_field.h"
#include "model/load_case_texts.h"

namespace strandel {
namespace {

enum Column { kNumber, kName, kCategory, kDuration, kPsi0, kPsi1, kPsi2, kSelfWeight, kColumns };

QTableWidgetItem* ReadOnlyItem(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
  return item;
}

} // namespace

LoadCasesDialog::LoadCasesDialog(const DialogContext& context)
    : QDialog(context.Parent), context_(context), model_(OpenLoadCasesDialog(context.Doc)) {
  setWindowTitle(ToQt(model_.Caption));
  auto* layout = new QVBoxLayout(this);

  list_ = new QTableWidget(0, kColumns, this);
  list_->setHorizontalHeaderLabels({Tr(tr::kCaseColumnNumber), Tr(tr::kCaseColumnName),
                                    Tr(tr::kCaseColumnCategory), Tr(tr::kCaseColumnDuration),
                                    Tr(tr::kCaseColumnPsi0), Tr(tr::kCaseColumnPsi1),
                                    Tr(tr::kCaseColumnPsi2), Tr(tr::kCaseColumnSelfWeight)});
  list_->verticalHeader()->hide();
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setMinimumWidth(640);
  layout->addWidget(list_);

  AddListButtons(*layout, this, add_, delete_);

  auto* grid = new QGridLayout;
  auto* nameLabel = new QLabel(Tr(tr::kCaseColumnName), this);
  name_ = new QLineEdit(this);
  nameLabel->setBuddy(name_);
  grid->addWidget(nameLabel, 0, 0);
  grid->addWidget(name_, 0, 1, 1, 2);
  auto* categoryLabel = new QLabel(Tr(tr::kCaseColumnCategory), this);
  category_ = new QComboBox(this);
  for (int i = 0; i < kActionCategoryCount; ++i)
    category_->addItem(ToQt(CategoryName(static_cast<ActionCategory>(i))));
  grid->addWidget(categoryLabel, 1, 0);
  grid->addWidget(category_, 1, 1, 1, 2);
  auto* durationLabel = new QLabel(Tr(tr::kCaseColumnDuration), this);
  duration_ = new QComboBox(this);
  for (int i = 0; i < kDurationClassCount; ++i)
    duration_->addItem(ToQt(DurationName(static_cast<DurationClass>(i))));
  grid->addWidget(durationLabel, 2, 0);
  grid->addWidget(duration_, 2, 1, 1, 2);
  for (std::size_t i = 0; i < 3; ++i)
    psi_[i] = AddFieldRow(*grid, 3 + static_cast<int>(i), model_.Row().Psi[i], this);
  selfWeight_ = new QCheckBox(Tr(tr::kCaseSelfWeightBox), this);
  grid->addWidget(selfWeight_, 6, 0, 1, 3);
  layout->addLayout(grid);
  layout->addWidget(OkCancelButtons(*this));

  connect(list_, &QTableWidget::currentCellChanged, this, [this](int row) {
    if (row < 0 || row == model_.Current) return;
    TakeTexts();
    model_.Select(row);
    ShowCurrent();
  });
  connect(add_, &QPushButton::clicked, this, [this] {
    TakeTexts();
    if (!model_.Add()) return;
    ShowList();
    ShowCurrent();
    name_->setFocus();
    name_->selectAll();
  });
  connect(delete_, &QPushButton::clicked, this, [this] { DeleteCurrent(); });
  connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) {
    model_.Rename(FromQt(text));
    ShowListRow(model_.Current);
  });
  connect(category_, &QComboBox::activated, this, [this](int index) {
    model_.SetCategory(static_cast<ActionCategory>(index));
    ShowListRow(model_.Current);
    ShowCurrent();
  });
  connect(duration_, &QComboBox::activated, this, [this](int index) {
    model_.SetDuration(static_cast<DurationClass>(index));
    ShowListRow(model_.Current);
  });
  connect(selfWeight_, &QCheckBox::clicked, this, [this](bool on) {
    model_.SetSelfWeight(on);
    ShowList();
    ShowCurrent();
  });

  navigation_ = new FieldNavigation(this, [this] { Evaluate(); });
  ShowList();
  ShowCurrent();
  CentreOn(*this, context.Parent);
}

void LoadCasesDialog::TakeTexts() {
  for (std::size_t i = 0; i < 3; ++i)
    psi_[i].Edit->TakeText(model_.Row().Psi[i]);
}

void LoadCasesDialog::Evaluate() {
  LoadCaseRow& row = model_.Row();
  double* values[] = {&row.Case.Psi0, &row.Case.Psi1, &row.Case.Psi2};
  for (std::size_t i = 0; i < 3; ++i) {
    if (psi_[i].Edit->ApplyTo(row.Psi[i], context_.Parameters)) *values[i] = row.Psi[i].Stored;
  }
  ShowListRow(model_.Current);
}

void LoadCasesDialog::ShowListRow(int r) {
  const TLoadCase& c = model_.Rows[static_cast<std::size_t>(r)].Case;
  const QString texts[kColumns] = {QString::number(c.Number),
                                   ToQt(c.Name),
                                   ToQt(CategoryName(c.Category)),
                                   ToQt(DurationName(c.Duration)),
                                   ToQt(FieldText(c.Psi0, 1)).trimmed(),
                                   ToQt(FieldText(c.Psi1, 1)).trimmed(),
                                   ToQt(FieldText(c.Psi2, 1)).trimmed(),
                                   c.SelfWeight ? Tr(tr::kChoiceYes) : QString()};
  for (int column = 0; column < kColumns; ++column)
    list_->setItem(r, column, ReadOnlyItem(texts[column]));
}

void LoadCasesDialog::ShowList() {
  const QSignalBlocker quiet(list_);
  list_->setRowCount(static_cast<int>(model_.Rows.size()));
  for (int r = 0; r < list_->rowCount(); ++r)
    ShowListRow(r);
  list_->resizeColumnsToContents();
  list_->setCurrentCell(model_.Current, kName);
}

void LoadCasesDialog::ShowCurrent() {
  const LoadCaseRow& row = model_.Row();
  {
    const QSignalBlocker quietList(list_);
    list_->setCurrentCell(model_.Current, kName);
  }
  const QSignalBlocker quietName(name_), quietCategory(category_), quietDuration(duration_),
      quietWeight(selfWeight_);
  name_->setText(ToQt(row.Case.Name));
  category_->setCurrentIndex(static_cast<int>(row.Case.Category));
  duration_->setCurrentIndex(static_cast<int>(row.Case.Duration));
  for (std::size_t i = 0; i < 3; ++i)
    psi_[i].Show(row.Psi[i]);
  selfWeight_->setChecked(row.Case.SelfWeight);
  delete_->setEnabled(model_.CanDelete());
}

void LoadCasesDialog::DeleteCurrent() {
  if (!model_.CanDelete()) return;
  const std::string question = model_.DeleteQuestion(context_.Doc);
  if (!question.empty() &&
      context_.Messages.Ask(question, MessageButtons::YesNo) != MessageAnswer::Yes)
    return;
  model_.Delete();
  ShowList();
  ShowCurrent();
}

void LoadCasesDialog::accept() {
  if (!navigation_->FieldsTaken()) return;
  TakeTexts();
  const ApplyOutcome outcome = model_.Apply(context_.Doc, context_.Parameters);
  if (outcome == ApplyOutcome::FieldRefused) {
    ShowList();
    ShowCurrent();
  }
  if (OkApplied(*this, outcome, *navigation_, context_.Messages)) QDialog::accept();
}

bool ShowLoadCasesDialog(const DialogContext& context) {
  LoadCasesDialog dialog(context);
  return dialog.exec() == QDialog::Accepted;
}

} // namespace strandel
