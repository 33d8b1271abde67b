#pragma once
// The result the Model and Analysis pages show for a document with load cases:
// the governing ultimate combination, one case, one combination, or the
// envelope of the combinations of a kind. The choice is the document's
// ResultSet; the box is hidden while the document has no cases.

#include <QComboBox>
#include <functional>

#include "model/document.h"

namespace strandel {

class ResultChoiceBox : public QComboBox {
  Q_OBJECT
public:
  ResultChoiceBox(ModelDocument& doc, QWidget* parent = nullptr);

  // The entries of the document's cases and combinations, the chosen one current.
  void Refresh();
  void ApplyTexts();

  // Called after the user chose another result.
  std::function<void()> Chosen;

private:
  ModelDocument& doc_;
};

} // namespace strandel
