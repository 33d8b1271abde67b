#include "app/array_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <cmath>

#include "app/dialog_frame.h"
#include "app/palette_colours.h"
#include "app/qt_text.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "editor/model_part.h"
#include "expr/numeric_field.h"

namespace strandel {
namespace {

// A row of the grid: the label, the field with its first text, and the unit.
QLineEdit* AddRow(QGridLayout* grid, int row, int label, const QString& text, const QString& unit,
                  QWidget* parent) {
  grid->addWidget(new QLabel(Tr(label), parent), row, 0);
  auto* field = new QLineEdit(text, parent);
  grid->addWidget(field, row, 1);
  grid->addWidget(new QLabel(unit, parent), row, 2);
  return field;
}

} // namespace

ArrayDialog::ArrayDialog(QWidget* parent, bool rectangular, const UnitChoice& units,
                         ParameterTable& parameters)
    : QDialog(parent), rectangular_(rectangular), units_(units), parameters_(parameters) {
  setWindowTitle(Tr(tr::kArrayCaption));
  auto* grid = new QGridLayout;
  const QString length = ToQt(UnitName(units, Quantity::Length));
  // A bay of 6 m to the right, the storey of 3.5 m above: a start to change.
  const double factor = UnitFactor(units, Quantity::Length);
  const QString six = ToQt(FieldText(6, factor)).trimmed();
  const QString storey = ToQt(FieldText(rectangular ? 3.5 : 0, factor)).trimmed();
  int row = 0;
  copies_ = AddRow(grid, row++, rectangular ? tr::kArrayLabelRows : tr::kArrayLabelCopies,
                   QStringLiteral("2"), {}, this);
  if (rectangular)
    columns_ = AddRow(grid, row++, tr::kArrayLabelColumns, QStringLiteral("2"), {}, this);
  spacingX_ = AddRow(grid, row++, tr::kArrayLabelSpacingX, six, length, this);
  spacingY_ = AddRow(grid, row++, tr::kArrayLabelSpacingY, storey, length, this);
  reason_ = new QLabel(this);
  reason_->setWordWrap(true);
  reason_->setStyleSheet(QStringLiteral("color: %1").arg(WarningText(palette()).name()));
  reason_->hide();
  QDialogButtonBox* buttons = OkCancelButtons(*this);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(reason_);
  layout->addWidget(buttons);
}

std::optional<int> ArrayDialog::Count(QLineEdit* field) {
  const FieldEntry entry =
      ApplyNumericField(FromQt(field->text()), 1, 1, FieldKind::Count, parameters_);
  if (!entry.Accepted) {
    reason_->setText(field->text() + QStringLiteral(": ") + ToQt(entry.Message));
    return std::nullopt;
  }
  const double whole = std::floor(entry.Stored);
  if (whole > kMostArrayCopies) return kMostArrayCopies + 1; // refused below, with the bound
  return static_cast<int>(whole);
}

std::optional<double> ArrayDialog::Length(QLineEdit* field) {
  const FieldEntry entry =
      ApplyNumericField(FromQt(field->text()), UnitFactor(units_, Quantity::Length), 0,
                        FieldKind::Value, parameters_);
  if (!entry.Accepted) {
    reason_->setText(field->text() + QStringLiteral(": ") + ToQt(entry.Message));
    return std::nullopt;
  }
  return entry.Stored;
}

void ArrayDialog::accept() {
  const std::optional<int> first = Count(copies_);
  const std::optional<int> second = rectangular_ ? Count(columns_) : std::optional<int>(1);
  const std::optional<double> dx = first && second ? Length(spacingX_) : std::nullopt;
  const std::optional<double> dy = dx ? Length(spacingY_) : std::nullopt;
  if (dy) {
    offsets_ = rectangular_ ? RectangularArray(*first, *second, {*dx, *dy})
                            : LinearArray(*first, {*dx, *dy});
    if (offsets_.empty())
      reason_->setText(ToQt(Translated(tr::kArrayLabelCopies)) + QStringLiteral(" 1 - ") +
                       QString::number(kMostArrayCopies));
  }
  if (!dy || offsets_.empty()) {
    reason_->show();
    return;
  }
  QDialog::accept();
}

std::optional<std::vector<Point2>> AskArray(QWidget* parent, bool rectangular,
                                            const UnitChoice& units, ParameterTable& parameters) {
  ArrayDialog dialog(parent, rectangular, units, parameters);
  CentreOn(dialog, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Offsets();
}

} // namespace strandel
