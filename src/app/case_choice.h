#pragma once
// The active load case on the Model page's tool bar: the case new loads,
// forces, moments and supports go into, and the switch that draws every case's
// loads as usual instead of fading those of the other cases.

#include <QWidget>

#include "editor/editor.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace strandel {

class CaseChoice : public QWidget {
  Q_OBJECT
public:
  CaseChoice(Editor& editor, const ModelDocument& doc, QWidget* parent = nullptr);

  QComboBox* Box() const { return box_; }
  QCheckBox* ShowAllBox() const { return showAll_; }

  // The cases of the document and the active one; hidden while the document
  // has no cases.
  void Refresh();
  void ApplyTexts();

private:
  Editor& editor_;
  const ModelDocument& doc_;
  QLabel* label_ = nullptr;
  QComboBox* box_ = nullptr;
  QCheckBox* showAll_ = nullptr;
};

} // namespace strandel
