#pragma once
// The array dialog: how many copies of the selection (in a row, or rows and
// columns) and how far apart, in the display length unit. OK waits while a
// field holds a text that is no count or no length, with the reason shown.

#include <QDialog>
#include <optional>
#include <vector>

#include "common/geometry.h"
#include "expr/parameters.h"
#include "units/units.h"

class QLabel;
class QLineEdit;

namespace strandel {

class ArrayDialog : public QDialog {
  Q_OBJECT
public:
  ArrayDialog(QWidget* parent, bool rectangular, const UnitChoice& units,
              ParameterTable& parameters);

  // The copies' offsets after OK.
  const std::vector<Point2>& Offsets() const { return offsets_; }
  QLineEdit* Copies() const { return copies_; }   // the copies, or the rows
  QLineEdit* Columns() const { return columns_; } // null in a row
  QLineEdit* SpacingX() const { return spacingX_; }
  QLineEdit* SpacingY() const { return spacingY_; }
  QLabel* Reason() const { return reason_; }

  void accept() override;

private:
  std::optional<int> Count(QLineEdit* field);
  std::optional<double> Length(QLineEdit* field);

  bool rectangular_;
  const UnitChoice& units_;
  ParameterTable& parameters_;
  QLineEdit* copies_ = nullptr;
  QLineEdit* columns_ = nullptr;
  QLineEdit* spacingX_ = nullptr;
  QLineEdit* spacingY_ = nullptr;
  QLabel* reason_ = nullptr;
  std::vector<Point2> offsets_;
};

// Asks for an array; the offsets, or nothing when cancelled.
std::optional<std::vector<Point2>> AskArray(QWidget* parent, bool rectangular,
                                            const UnitChoice& units, ParameterTable& parameters);

} // namespace strandel
