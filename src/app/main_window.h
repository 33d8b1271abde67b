#pragma once
// The main window: the one open document, the application settings, the four
// pages (Model, Analysis, Reports and the hidden FEM page), the main menu, the
// document commands and the dialogs. It runs the analysis when a page or a
// result display needs it and refuses the change when the structure cannot be
// solved. It shows every change of the document once (ChangeView).

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <string>

#include "analysis/beam_page.h"
#include "analysis/load_case_analysis.h"
#include "app/app_environment.h"
#include "app/dialog_context.h"
#include "app/document_commands.h"
#include "app/help_browser.h"
#include "app/main_menu.h"
#include "app/output_commands.h"
#include "generator/generator_parameters.h"
#include "model/app_settings.h"
#include "model/document.h"
#include "model/document_changes.h"

class QLabel;
class QPlainTextEdit;

namespace strandel {

class AnalysisPage;
class Autosave;
class ModelPage;
class PageControl;
class ReportsPage;

// The name of the step a property dialog's OK makes: the dialog's own.
int PropertyStepName(ObjectKind kind);

// The pages in tab order.
enum PageIndex : int { kModelPage = 0, kAnalysisPage = 1, kReportsPage = 2, kFemPage = 3 };

class MainWindow : public QMainWindow, public DocumentHost, public ChangeView {
  Q_OBJECT
public:
  // Loads the settings and the language, starts a new model and opens
  // `firstArgument` when it names a model file. The file, printer and picture
  // dialogs are the platform's in the program and a test's answers in tests.
  MainWindow(AppEnvironment environment, UserMessages& messages, FileDialogs& fileDialogs,
             OutputDialogs& outputDialogs, const std::string& firstArgument = {},
             QWidget* parent = nullptr);
  ~MainWindow() override;

  // Sets every caption and hint of the window from the translation list.
  void ApplyMainTexts();

  // Commands of the menu (the items call these; tests call them too).
  void ExitProgram();
  void ShowDocumentInformation();
  void ShowAbout();
  void ShowHelpContents();
  void ChooseLanguage(QAction* item);
  void SetShowDisplacements(bool on);
  void SetShowUtilisation(bool on);
  // Draws the buckling mode of the shown ultimate combination, or of the one
  // of the lowest alpha_cr, over the model; off takes it away.
  void SetShowBuckling(bool on);
  void DisplaySwitchClicked();
  void OpenStructureGenerator();
  void OpenOptimizer();
  void OpenUnits();
  void OpenDimensioningRules();
  // The load cases and the combinations of the document; each OK is one step.
  void OpenLoadCases();
  void OpenCombinations();
  // The property dialog of the object at `index` in the model list (a double
  // click on the Model page asks for it); its OK is one step.
  void OpenPropertyDialog(ObjectKind kind, int index);
  // Edit menu: take back the last step, or make the last one taken back again.
  void UndoStep();
  void RedoStep();
  // Brings the menu items' enabled states up to the page and the selection.
  void UpdateMenuStates();
  // Offers each recovery copy that holds work its document lacks, newest first:
  // Recover opens it (and ends the offers), Discard deletes it, Later keeps it
  // for the next start. The program calls this once its window is shown.
  void OfferRecovery();

  // What the window holds (tests and the dialogs).
  ModelDocument& Document() { return doc_; }
  AppSettings& Settings() { return settings_; }
  const AppEnvironment& Environment() const { return environment_; }
  DocumentCommands& Commands() { return commands_; }
  const DocumentHistory& History() const { return changes_.History(); }
  const OutputCommands& Output() const { return output_; }
  const MainMenu& Menu() const { return menu_; }
  PageControl* Pages() const { return pages_; }
  ModelPage* Model() const { return modelPage_; }
  AnalysisPage* Analysis() const { return analysisPage_; }
  const BeamPage& BeamSheet() const { return beamPage_; }
  ReportsPage* Reports() const { return reportsPage_; }
  HelpBrowser* Help() const { return help_; }
  Autosave& Recovery() const { return *autosave_; }
  const BeamPage& Diagrams() const { return beamPage_; }
  // The bar above the pages that warns of a low alpha_cr solved to first order.
  QLabel* StabilityBar() const { return stabilityBar_; }

  // DocumentHost. ResetView starts the history of the new document.
  void CancelOperation() override;
  void ResetView() override;
  void DocumentSaved() override;
  void DocumentIdentityChanged() override;
  void ResultsInvalidated() override;

  // ChangeView: after each change of the document, once: the result display
  // buttons, the status bar (which brings the caption and the menu items with
  // it) and the page shown.
  void ShowChange() override;

protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void BuildPages();
  void ConnectMenu();
  void MenuOpening();
  void RebuildFolderMenus();
  void ResetEditorView();
  void MoveInHistory(bool backward);
  void RefreshUndoItems();
  void SetDisplayChecks();
  // Runs the analysis when the results are out of date, with the busy
  // pointer; false (after saying so) when the structure cannot be solved.
  bool EnsureResults();
  // alpha_cr of the load set that buckles first, in the Model page's status bar.
  void ShowCriticalFactor();
  // The warnings of load sets solved to first order although their alpha_cr is
  // below 10, in the bar above the pages; hidden when there are none or the
  // results are gone.
  void ShowStabilityWarnings();
  // The user chose another result of the load cases: shown without solving again.
  void ResultChosen();
  // The envelope the Analysis page draws, when the chosen result is one.
  PageEnvelope ChosenEnvelope() const;
  bool PageChanging(int from, int to);
  void PageChanged(int page);
  // Draws the active page again; a page that needs results the model cannot
  // give goes back to the Model page.
  void RefreshActivePage();
  DialogContext MakeDialogContext();
  OutputContext MakeOutputContext();
  // The beam sheet and the report as the Analysis and Reports pages would show
  // them now; false when the model cannot be solved.
  bool UpdateSheets();
  void RunOutput(void (OutputCommands::*command)(const OutputContext&));
  bool HandleKey(int key);
  // The array dialog, then the copies of the selection as one step.
  void OpenArray(bool rectangular);
  // The right-click menu of the Model page: the object's properties, then the
  // Edit menu's commands for the selection, as enabled there.
  void ShowModelMenu(QPoint global, ObjectKind kind, int index);
  // The stored size and place, or one that fits the screen.
  void PlaceWindow();

  AppEnvironment environment_;
  UserMessages& messages_;
  FileDialogs& fileDialogs_;
  OutputCommands output_;
  // The generator keeps its parameters for the whole run of the program, not
  // in any file: the next structure starts from the last one's values.
  GeneratorParameters generatorParameters_;
  AppSettings settings_;
  ModelDocument doc_;
  // The program run's expression parameters and random sequence: the dialogs
  // get them through their context.
  ParameterTable parameters_;
  RandomSequence random_;
  DocumentChanges changes_;
  BeamPage beamPage_;
  // Every case and combination of the last analysis of a document with load
  // cases; the model holds the chosen one of them.
  std::unique_ptr<CaseAnalysis> caseAnalysis_;
  // alpha_cr of the ultimate load sets of the last analysis.
  std::vector<LoadSetStability> stability_;
  QLabel* stabilityBar_ = nullptr;
  DocumentCommands commands_;
  MainMenu menu_;
  PageControl* pages_ = nullptr;
  ModelPage* modelPage_ = nullptr;
  AnalysisPage* analysisPage_ = nullptr;
  ReportsPage* reportsPage_ = nullptr;
  QPlainTextEdit* femPage_ = nullptr;
  QPointer<HelpBrowser> help_;
  Autosave* autosave_ = nullptr;
};

} // namespace strandel
