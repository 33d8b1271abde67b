#pragma once
// The Model page: its tool bar (create buttons, zoom and pan, grids, result
// displays, size controls), the drawing area and a status bar with the
// editor's instruction and the cursor coordinates. The page owns the editor
// and is its host: it brings the buttons and the status bar up to date and
// redraws when the editor asks.

#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "common/user_message.h"
#include "editor/editor.h"
#include "editor/editor_host.h"
#include "expr/parameters.h"
#include "model/app_settings.h"
#include "model/document.h"
#include "model/document_changes.h"
#include "render/buckling_picture.h"

class QAction;
class QLabel;
class QLineEdit;
class QStatusBar;
class QToolBar;

namespace strandel {

class CaseChoice;
class ResultChoiceBox;

class ModelView;
class UpDownControl;

class ModelPage : public QWidget, public EditorHost {
  Q_OBJECT
public:
  // The editor reports each finished change of the model to `changes`.
  // Typed points and the grid step are evaluated with `parameters`.
  ModelPage(ModelDocument& doc, AppSettings& settings, UserMessages& messages,
            DocumentChanges& changes, ParameterTable& parameters, QWidget* parent = nullptr);

  Editor& ModelEditor() { return editor_; }
  ModelView* View() const { return view_; }
  QToolBar* ToolBar() const { return toolBar_; }

  // Hints of the tool buttons and controls from the translation list.
  void ApplyTexts();
  // The status panels' texts (tests): the instruction, the two coordinates,
  // the length and angle of what is being drawn, and alpha_cr of the results.
  QString StatusPanel(int panel) const;
  // The grid step in the display length unit; its unit beside it.
  QLineEdit* GridStepField() const { return gridStep_; }
  // The unit changed: the grid step is shown in the new one.
  void UnitsChanged();
  // The create buttons work only while the page is shown: their one-key
  // shortcuts must not start a tool on another page.
  void EnableCreateTools(bool on);
  // A line for a new user in place of the document's path, until the first
  // tool is taken.
  void ShowHint(const QString& hint);
  // The buckling mode drawn over the model; none to take it away. It goes
  // with the results it was found from.
  void SetBuckling(std::optional<BucklingPicture> picture);
  bool ShowsBuckling() const { return buckling_.has_value(); }
  const BucklingPicture* Buckling() const { return buckling_ ? &*buckling_ : nullptr; }
  // alpha_cr of the results in the status bar ("alpha_cr = 4.21 (combination
  // 3)"), with the warning that it asks for a second-order analysis as its tip
  // and the text in red; empty to hide it.
  void SetCriticalFactor(const QString& text, const QString& warning);
  // Closes the typed-point field; false when it was not open.
  bool ClosePointEntry();

  // The buttons, in tool-bar order (tests and the main window's menus).
  QAction* CreateButton(CreateTool tool) const;
  QAction* ZoomOutButton() const { return zoomOut_; }
  QAction* ZoomInButton() const { return zoomIn_; }
  QAction* ZoomWindowButton() const { return zoomWindow_; }
  QAction* ZoomExtentsButton() const { return zoomExtents_; }
  QAction* ZoomBackButton() const { return zoomBack_; }
  QAction* PanButton() const { return pan_; }
  QAction* GridButton(GridKind grid) const;
  QAction* ShowDisplacementsButton() const { return showDisplacements_; }
  QAction* ShowUtilisationButton() const { return showUtilisation_; }
  QAction* ShowBucklingButton() const { return showBuckling_; }
  UpDownControl* BeamScale() const { return beamScale_; }
  UpDownControl* LoadScale() const { return loadScale_; }
  UpDownControl* DisplacementScale() const { return displacementScale_; }
  CaseChoice* ActiveCaseChoice() const { return caseChoice_; }
  ResultChoiceBox* ResultChoice() const { return resultChoice_; }
  QAction* ActiveCaseItem() const { return caseChoiceItem_; }

  // EditorHost.
  void Repaint() override;
  void RepaintOverlay() override;
  void RefreshToolButtons() override;
  void RefreshStatusBar() override;
  UserMessages& Messages() override { return messages_; }

  // Set by the window: the result displays (they need an analysis), and news
  // of every status refresh (the window's caption shows the modified state).
  std::function<void(bool)> ShowDisplacementsClicked;
  std::function<void(bool)> ShowUtilisationClicked;
  std::function<void(bool)> ShowBucklingClicked;
  std::function<void()> StatusRefreshed;

private:
  void BuildToolBar();
  QAction* AddButton(const char* icon, bool checkable);
  void GridClicked(GridKind grid, bool down);
  void GridStepEntered();
  void ShowGridStep();
  void PointTyped(const QString& text);

  ModelDocument& doc_;
  AppSettings& settings_;
  UserMessages& messages_;
  ParameterTable& parameters_;
  Editor editor_;
  QToolBar* toolBar_ = nullptr;
  ModelView* view_ = nullptr;
  QStatusBar* statusBar_ = nullptr;
  std::array<QLabel*, 5> panels_{};
  QString hint_;
  QLineEdit* gridStep_ = nullptr;
  QLabel* gridStepUnit_ = nullptr;
  std::array<QAction*, 6> createButtons_{};
  QAction* zoomOut_ = nullptr;
  QAction* zoomIn_ = nullptr;
  QAction* zoomWindow_ = nullptr;
  QAction* zoomExtents_ = nullptr;
  QAction* zoomBack_ = nullptr;
  QAction* pan_ = nullptr;
  std::array<QAction*, 3> gridButtons_{};
  QAction* showDisplacements_ = nullptr;
  QAction* showUtilisation_ = nullptr;
  QAction* showBuckling_ = nullptr;
  std::optional<BucklingPicture> buckling_;
  UpDownControl* beamScale_ = nullptr;
  UpDownControl* loadScale_ = nullptr;
  UpDownControl* displacementScale_ = nullptr;
  CaseChoice* caseChoice_ = nullptr;
  QAction* caseChoiceItem_ = nullptr; // the tool bar's place of the case choice
  ResultChoiceBox* resultChoice_ = nullptr;
  QAction* resultChoiceItem_ = nullptr;
};

} // namespace strandel
