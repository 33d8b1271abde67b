#pragma once
// The "Structure generator" dialog: the kind of structure, its dimensions with
// their unit labels, the fields the kind does not use disabled, and a picture of
// the kind. OK replaces the model by the generated structure; Cancel changes
// nothing. The generator's rules (presets, accepted values, corrections) are
// the core's; the dialog binds its controls to them.

#include <QDialog>
#include <QImage>
#include <array>
#include <string>
#include <vector>

#include "app/dialog_context.h"
#include "dialogs/generator_dialog_model.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace strandel {

class FieldNavigation;
class NumericFieldEdit;

class GeneratorDialog : public QDialog {
  Q_OBJECT
public:
  // Works on a copy of `parameters`, which it gives back only on OK.
  GeneratorDialog(const DialogContext& context, GeneratorParameters& parameters);

  // The controls (tests look at them as the user does).
  QComboBox* KindList() const { return kindList_; }
  NumericFieldEdit* Field(GeneratorField field) const { return fields_[Index(field)]; }
  QLabel* UnitLabel(GeneratorField field) const { return units_[Index(field)]; }
  QLabel* Picture() const { return picture_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }
  // The values as the dialog holds them now.
  const GeneratorParameters& Values() const { return model_.Values; }
  // The picture of a kind as the dialog shows it.
  const QImage& KindPicture(StructureKind kind);

  // Takes the enabled fields' texts through the generator's rules, then shows
  // every field again, corrected (a refused text stays, with its reason).
  void ReadFields();
  void ShowFields();

public slots:
  void accept() override;

private:
  static std::size_t Index(GeneratorField field) { return static_cast<std::size_t>(field); }
  void KindChosen(int index);
  void TakeTexts();

  DialogContext context_;
  GeneratorParameters& kept_;
  GeneratorDialogModel model_;
  QComboBox* kindList_ = nullptr;
  std::array<NumericFieldEdit*, kGeneratorFieldCount> fields_{};
  std::array<QLabel*, kGeneratorFieldCount> units_{};
  QLabel* picture_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  FieldNavigation* keys_ = nullptr;
  std::vector<QImage> pictures_; // drawn when a kind is first shown
};

// "Structure &Generator...": runs the dialog on the parameters of the program
// run; true when a structure replaced the model.
bool ShowGeneratorDialog(const DialogContext& context, GeneratorParameters& parameters);

} // namespace strandel
