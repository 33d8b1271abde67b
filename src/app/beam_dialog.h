#pragma once
// The beam dialog (TfBeamProp): the pages "Profile", "Material" and "Misc"
// beside the always-visible "Achieved properties". The controls show a
// BeamDialogModel and hand every change to it; OK writes the beam and its group.

#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "app/dialog_context.h"
#include "app/dialog_frame.h"
#include "dialogs/beam_dialog_model.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QAction;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QCheckBox;
class QTabWidget;
class QToolButton;

namespace strandel {

class FieldNavigation;

class TfBeamProp : public QDialog {
  Q_OBJECT
public:
  TfBeamProp(const DialogContext& context, BeamDialogModel model);

  const BeamDialogModel& Model() const { return model_; }
  QTabWidget* Pages() const { return pages_; }
  NumericFieldEdit* Edit(const DialogField& field) const;
  QComboBox* Choice(const BeamChoice& choice) const;
  QLineEdit* ProfileNameEdit() const { return profileName_; }
  QPlainTextEdit* DescriptionMemo() const { return description_; }
  QComboBox* GroupChoice() const { return group_; }
  QComboBox* DetailChoice() const { return detail_; }
  QLabel* DetailValueLabel() const { return detailValue_; }
  QLabel* CapacityValueLabel(int i) const { return capacities_[static_cast<std::size_t>(i)].Value; }
  QProgressBar* CapacityBar(int i) const { return capacities_[static_cast<std::size_t>(i)].Bar; }
  QMenu* ShapeMenu() const { return shapeMenu_; }
  // The filter of the profile library's menu.
  QLineEdit* ProfileFilter() const { return profileFilter_; }
  QPushButton* DefaultColourButton() const { return defaultColour_; }

  void accept() override;

private:
  struct ChoiceBinding {
    BeamChoice* Model;
    QComboBox* Box;
    QLabel* Label;
  };
  struct FieldBinding {
    DialogField* Model;
    FieldRow Row;
  };
  struct CapacityRow {
    QLabel* Label = nullptr;
    QLabel* Value = nullptr;
    QLabel* Unit = nullptr;
    QProgressBar* Bar = nullptr;
  };

  QWidget* BuildProfilePage();
  QWidget* BuildMaterialPage();
  QWidget* BuildMiscPage();
  QWidget* BuildAchieved();
  void AddChoice(QGridLayout& grid, int row, BeamChoice& choice, QWidget* page);
  void AddField(QGridLayout& grid, int row, DialogField& field, QWidget* page);
  void FillShapeMenu();
  QAction* AddLibraryItem(QMenu* menu, const std::string& path, bool profiles);
  void FillProfileLibrary(QMenu* load, const std::vector<std::string>& files);
  void FillLibraryMenu(QMenu* menu, bool profiles);

  // Controls into the model, and the model into the controls.
  void TakeControls();
  void ShowModel();
  void Evaluate();
  void ChoiceChanged(QComboBox* box);
  void AddGroup();
  void DeleteGroup();
  void ChooseColour();
  void AskProfileByIA();
  void SaveLibraryFile(bool profile);

  const DialogContext& context_;
  BeamDialogModel model_;
  bool filling_ = false; // while the controls are being filled, their signals do nothing
  std::vector<ChoiceBinding> choices_;
  std::vector<FieldBinding> fields_;
  QTabWidget* pages_ = nullptr;
  QToolButton* shapeButton_ = nullptr;
  QMenu* shapeMenu_ = nullptr;
  QLineEdit* profileFilter_ = nullptr;
  QLineEdit* profileName_ = nullptr;
  QLabel* shapePicture_ = nullptr;
  QLineEdit* materialName_ = nullptr;
  QPlainTextEdit* description_ = nullptr;
  QComboBox* group_ = nullptr;
  QPushButton* colour_ = nullptr;
  QPushButton* defaultColour_ = nullptr;
  QCheckBox* corner1_ = nullptr;
  QCheckBox* corner2_ = nullptr;
  std::array<CapacityRow, 3> capacities_;
  QComboBox* detail_ = nullptr;
  QLabel* detailValue_ = nullptr;
  QLabel* detailUnit_ = nullptr;
  FieldNavigation* navigation_ = nullptr;
};

// The beam at `index`; true when OK wrote it.
bool ShowBeamDialog(const DialogContext& context, int index);

} // namespace strandel
