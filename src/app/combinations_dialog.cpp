#include "app/combinations_dialog.h"

#include <algorithm>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/dialog_frame.h"
#include "app/field_navigation.h"
#include "app/numeric_field_edit.h"
#include "app/palette_colours.h"
#include "app/qt_text.h"
#include "common/text.h"
#include "common/text_entries.h"
#include "common/user_message.h"
#include "dialogs/load_cases_dialog_model.h"
#include "model/load_case_texts.h"

namespace strandel {
namespace {

enum Column { kNumber, kName, kKind, kFirstCase };

// The narrowest factor column, pixels; the widest table the dialog opens with.
constexpr int kFactorWidth = 64;
constexpr int kWidestTable = 1100;
constexpr int kWidestName = 240; // a longer name shows in full in its tool tip

} // namespace

CombinationsDialog::CombinationsDialog(const DialogContext& context)
    : QDialog(context.Parent), context_(context), model_(OpenCombinationsDialog(context.Doc)) {
  setWindowTitle(ToQt(model_.Caption));
  auto* layout = new QVBoxLayout(this);

  table_ = new QTableWidget(0, kFirstCase + static_cast<int>(model_.Cases.size()), this);
  QStringList headers = {Tr(tr::kCaseColumnNumber), Tr(tr::kCaseColumnName),
                         Tr(tr::kCombinationColumnKind)};
  for (const TLoadCase& loadCase : model_.Cases)
    headers << ToQt(
        ReplaceAll(Translated(tr::kCombinationColumnCase), "%1", std::to_string(loadCase.Number)) +
        "\n" + loadCase.Name);
  table_->setHorizontalHeaderLabels(headers);
  table_->verticalHeader()->hide();
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::AllEditTriggers);
  layout->addWidget(table_);
  // Why the factor last typed was refused; empty while every factor holds.
  refusal_ = new QLabel(this);
  refusal_->setWordWrap(true);
  layout->addWidget(refusal_);
  connect(table_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    const int column = item->column() - kFirstCase;
    if (item->column() == kName) {
      model_.Rows[static_cast<std::size_t>(item->row())].Name = FromQt(item->text());
      return;
    }
    if (column < 0) return;
    model_.SetFactorText(item->row(), column, FromQt(item->text()), context_.Parameters);
    ShowFactor(item->row(), column);
    ShowRefusal();
  });

  AddListButtons(*layout, this, add_, delete_);

  auto* group = new QGroupBox(Tr(tr::kGenerateGroup), this);
  auto* grid = new QGridLayout(group);
  rules_[static_cast<std::size_t>(UltimateRule::Eq610)] =
      new QRadioButton(Tr(tr::kGenerateRule610), group);
  rules_[static_cast<std::size_t>(UltimateRule::Eq610ab)] =
      new QRadioButton(Tr(tr::kGenerateRule610ab), group);
  grid->addWidget(rules_[0], 0, 0, 1, 3);
  grid->addWidget(rules_[1], 1, 0, 1, 3);
  rules_[static_cast<std::size_t>(model_.Rule)]->setChecked(true);
  for (std::size_t i = 0; i < kGeneratorFactorCount; ++i)
    generator_[i] = AddFieldRow(*grid, 2 + static_cast<int>(i), model_.Generator[i], group);
  generate_ = new QPushButton(Tr(tr::kGenerateButton), group);
  generate_->setAutoDefault(false);
  grid->addWidget(generate_, 2 + static_cast<int>(kGeneratorFactorCount), 0, 1, 3, Qt::AlignLeft);
  grid->setColumnStretch(3, 1);
  layout->addWidget(group);
  layout->addWidget(OkCancelButtons(*this));

  connect(add_, &QPushButton::clicked, this, [this] {
    if (!model_.Add()) return;
    ShowRows();
    table_->setCurrentCell(table_->rowCount() - 1, kName);
  });
  connect(delete_, &QPushButton::clicked, this, [this] {
    const int row = table_->currentRow();
    if (row < 0) return;
    model_.Delete(row);
    ShowRows();
  });
  connect(generate_, &QPushButton::clicked, this, [this] { GenerateClicked(); });
  for (std::size_t i = 0; i < rules_.size(); ++i)
    connect(rules_[i], &QRadioButton::toggled, this, [this, i](bool on) {
      if (on) model_.Rule = static_cast<UltimateRule>(i);
    });

  navigation_ = new FieldNavigation(this, [this] { Evaluate(); });
  ShowRows();
  // Every case column in sight where the screen allows.
  int width = 2 * table_->frameWidth() + table_->verticalScrollBar()->sizeHint().width();
  for (int c = 0; c < table_->columnCount(); ++c)
    width += table_->columnWidth(c);
  table_->setMinimumSize(std::min(width, kWidestTable), 280);
  CentreOn(*this, context.Parent);
}

QTableWidgetItem* CombinationsDialog::FactorItem(int row, int column) const {
  return table_->item(row, kFirstCase + column);
}

QComboBox* CombinationsDialog::KindBox(int row) const {
  return qobject_cast<QComboBox*>(table_->cellWidget(row, kKind));
}

void CombinationsDialog::Evaluate() {
  for (std::size_t i = 0; i < kGeneratorFactorCount; ++i)
    generator_[i].Edit->ApplyTo(model_.Generator[i], context_.Parameters);
}

void CombinationsDialog::ShowFactor(int row, int column) {
  QTableWidgetItem* item = FactorItem(row, column);
  if (!item) return;
  const DialogField& field = model_.Factor(row, column);
  const QSignalBlocker quiet(table_);
  item->setText(ToQt(field.Text));
  item->setBackground(field.Refused() ? QBrush(RefusedFieldColour()) : QBrush());
  item->setToolTip(field.Refused() ? ToQt(field.Error) : Tr(tr::kCombinationFactorTip));
}

void CombinationsDialog::ShowRefusal() {
  // The first refused factor speaks for all: the user corrects one at a time.
  for (std::size_t r = 0; r < model_.Rows.size(); ++r)
    for (const DialogField& field : model_.Rows[r].Factors)
      if (field.Refused()) {
        refusal_->setText(ToQt(field.Error));
        refusal_->setStyleSheet(QStringLiteral("color: %1").arg(WarningText(palette()).name()));
        return;
      }
  refusal_->clear();
}

void CombinationsDialog::ShowRows() {
  const QSignalBlocker quiet(table_);
  table_->setRowCount(static_cast<int>(model_.Rows.size()));
  for (int r = 0; r < table_->rowCount(); ++r) {
    const CombinationRow& row = model_.Rows[static_cast<std::size_t>(r)];
    auto* number = new QTableWidgetItem(QString::number(row.Number));
    number->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    table_->setItem(r, kNumber, number);
    auto* name = new QTableWidgetItem(ToQt(row.Name));
    name->setToolTip(name->text());
    table_->setItem(r, kName, name);
    auto* kind = new QComboBox(table_);
    for (int k = 0; k < kCombinationKindCount; ++k)
      kind->addItem(ToQt(CombinationKindName(static_cast<CombinationKind>(k))));
    kind->setCurrentIndex(static_cast<int>(row.Kind));
    connect(kind, &QComboBox::activated, this, [this, r](int index) {
      model_.Rows[static_cast<std::size_t>(r)].Kind = static_cast<CombinationKind>(index);
    });
    table_->setCellWidget(r, kKind, kind);
    for (int c = 0; c < static_cast<int>(model_.Cases.size()); ++c) {
      auto* factor = new QTableWidgetItem;
      factor->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table_->setItem(r, kFirstCase + c, factor);
      ShowFactor(r, c);
    }
  }
  ShowRefusal();
  table_->resizeColumnsToContents();
  // A factor needs a few digits: its column is as wide as its heading.
  QHeaderView* header = table_->horizontalHeader();
  table_->setColumnWidth(kName, std::min(table_->columnWidth(kName), kWidestName));
  for (int c = kFirstCase; c < table_->columnCount(); ++c)
    table_->setColumnWidth(c, std::max(kFactorWidth, header->sectionSizeHint(c)));
  delete_->setEnabled(!model_.Rows.empty());
}

void CombinationsDialog::GenerateClicked() {
  if (!model_.Rows.empty()) {
    const std::string question = ReplaceAll(Translated(tr::kMsgReplaceCombinations), "%1",
                                            std::to_string(model_.Rows.size()));
    if (context_.Messages.Ask(question, MessageButtons::YesNo) != MessageAnswer::Yes) return;
  }
  for (std::size_t i = 0; i < kGeneratorFactorCount; ++i)
    generator_[i].Edit->TakeText(model_.Generator[i]);
  const bool generated = model_.Generate(context_.Parameters);
  for (std::size_t i = 0; i < kGeneratorFactorCount; ++i)
    generator_[i].Show(model_.Generator[i]);
  if (generated) ShowRows();
}

void CombinationsDialog::accept() {
  if (!navigation_->FieldsTaken()) return;
  // A refused factor, or a combination of no case: the dialog stays on it.
  int row = -1, column = -1;
  if (!model_.EvaluateFields(context_.Parameters, &row, &column)) {
    for (int r = 0; r < static_cast<int>(model_.Rows.size()); ++r)
      for (int c = 0; c < static_cast<int>(model_.Cases.size()); ++c)
        ShowFactor(r, c);
    ShowRefusal();
    table_->setCurrentCell(row, kFirstCase + column);
    return;
  }
  if (OkApplied(*this, model_.Apply(context_.Doc, context_.Parameters), *navigation_,
                context_.Messages))
    QDialog::accept();
}

bool ShowCombinationsDialog(const DialogContext& context) {
  CombinationsDialog dialog(context);
  return dialog.exec() == QDialog::Accepted;
}

} // namespace strandel
