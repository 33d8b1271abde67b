// The main window's menu: what each item does, when it is enabled, and the
// sub-menus built from the recent list and the data folders.

#include <cmath>
#include <limits>

#include <QAction>
#include <QApplication>
#include <QFontMetricsF>
#include <QMenu>

#include "analysis/buckling_analysis.h"
#include "analysis/failure_message.h"
#include "app/analysis_page.h"
#include "app/array_dialog.h"
#include "app/busy_pointer.h"
#include "app/combinations_dialog.h"
#include "app/dimensioning_dialog.h"
#include "app/document_info.h"
#include "app/folder_menu.h"
#include "app/generator_dialog.h"
#include "app/help_browser.h"
#include "app/load_cases_dialog.h"
#include "app/main_window.h"
#include "app/model_page.h"
#include "app/model_view.h"
#include "app/optimizer_dialog.h"
#include "app/page_control.h"
#include "app/property_dialogs.h"
#include "app/qt_text.h"
#include "app/recent_documents.h"
#include "app/reports_page.h"
#include "app/units_dialog.h"
#include "common/files.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "model/load_cases.h"
#include "model/result_choice.h"

namespace strandel {
namespace {

bool AnySelected(const ModelDocument& doc) {
  for (const auto& object : doc.GraphObjects)
    if (IsSelected(*object)) return true;
  return false;
}

template <class T> bool AnySelectedOf(const ModelDocument& doc) {
  for (const T& object : ObjectsOf<T>(doc))
    if (object.Selected) return true;
  return false;
}

bool AnyLoad(const ModelDocument& doc) {
  for (const auto& object : doc.GraphObjects) {
    const ObjectKind kind = KindOf(*object);
    if (kind == ObjectKind::Load || kind == ObjectKind::Force || kind == ObjectKind::Moment)
      return true;
  }
  return false;
}

// The settings field of each "Model display..." switch, in menu order.
bool AppSettings::*const kDisplayFields[kDisplaySwitchCount] = {
    &AppSettings::ShowNodeNumbers, &AppSettings::ShowSuppNumbers,   &AppSettings::ShowBeamNumbers,
    &AppSettings::ShowBeamGroups,  &AppSettings::ShowBeamDirection, &AppSettings::ShowLoadValues};

} // namespace

void MainWindow::ConnectMenu() {
  const MainMenu& m = menu_;
  for (QMenu* top : {m.File, m.Edit, m.View, m.Draw, m.Tools, m.Settings, m.Help})
    connect(top, &QMenu::aboutToShow, this, [this] { MenuOpening(); });

  connect(m.New, &QAction::triggered, this, [this] { commands_.New(); });
  connect(m.Open, &QAction::triggered, this, [this] { commands_.Open(OpenOrigin::OpenCommand); });
  connect(m.Close, &QAction::triggered, this, [this] { commands_.Close(); });
  connect(m.Save, &QAction::triggered, this, [this] { commands_.Save(); });
  connect(m.SaveAs, &QAction::triggered, this, [this] { commands_.SaveAs(); });
  connect(m.SaveImage, &QAction::triggered, this,
          [this] { RunOutput(&OutputCommands::SaveImage); });
  connect(m.Print, &QAction::triggered, this, [this] { RunOutput(&OutputCommands::Print); });
  connect(m.PrintScreen, &QAction::triggered, this,
          [this] { RunOutput(&OutputCommands::PrintScreen); });
  connect(m.PrintSetup, &QAction::triggered, this,
          [this] { RunOutput(&OutputCommands::PrintSetup); });
  connect(m.DocumentInformation, &QAction::triggered, this, [this] { ShowDocumentInformation(); });
  connect(m.Exit, &QAction::triggered, this, [this] { ExitProgram(); });

  Editor& editor = modelPage_->ModelEditor();
  connect(m.Undo, &QAction::triggered, this, [this] { UndoStep(); });
  connect(m.Redo, &QAction::triggered, this, [this] { RedoStep(); });
  connect(m.SelectAll, &QAction::triggered, this, [&editor] { editor.SelectAll(); });
  connect(m.DeselectAll, &QAction::triggered, this, [&editor] { editor.DeselectAll(); });
  connect(m.Delete, &QAction::triggered, this, [&editor] { editor.Delete(); });
  connect(m.DeleteAllLoads, &QAction::triggered, this, [&editor] { editor.DeleteAllLoads(); });
  connect(m.CopyImage, &QAction::triggered, this,
          [this] { RunOutput(&OutputCommands::CopyImage); });
  connect(m.AlignNodes, &QAction::triggered, this, [&editor] { editor.AlignNodesToLine(); });
  connect(m.MoveObjects, &QAction::triggered, this, [&editor] { editor.MoveObjects(); });
  connect(m.FlipBeams, &QAction::triggered, this, [&editor] { editor.FlipBeams(); });
  connect(m.Copy, &QAction::triggered, this, [&editor] { editor.Copy(); });
  connect(m.Cut, &QAction::triggered, this, [&editor] { editor.Cut(); });
  connect(m.Paste, &QAction::triggered, this, [&editor] { editor.Paste(); });
  connect(m.Duplicate, &QAction::triggered, this, [&editor] { editor.Duplicate(); });
  connect(m.Mirror, &QAction::triggered, this, [&editor] { editor.Mirror(); });
  connect(m.LinearArray, &QAction::triggered, this, [this] { OpenArray(false); });
  connect(m.RectangularArray, &QAction::triggered, this, [this] { OpenArray(true); });

  // The View items do what the tool buttons of the same names do.
  connect(m.ZoomIn, &QAction::triggered, this, [&editor] { editor.ZoomIn(); });
  connect(m.ZoomOut, &QAction::triggered, this, [&editor] { editor.ZoomOut(); });
  connect(m.ZoomWindow, &QAction::triggered, this,
          [&editor] { editor.ZoomWindow(!editor.View().ZoomWindowActive); });
  connect(m.ZoomExtents, &QAction::triggered, this, [&editor] { editor.ZoomExtents(); });
  connect(m.ZoomLast, &QAction::triggered, this, [&editor] { editor.ZoomBack(); });
  connect(m.Pan, &QAction::triggered, this, [&editor] { editor.Pan(!editor.View().PanActive); });

  connect(m.StructureGenerator, &QAction::triggered, this, [this] { OpenStructureGenerator(); });
  connect(m.Optimizer, &QAction::triggered, this, [this] { OpenOptimizer(); });
  for (QAction* item : m.DisplaySwitches)
    connect(item, &QAction::triggered, this, [this] { DisplaySwitchClicked(); });
  connect(m.Units, &QAction::triggered, this, [this] { OpenUnits(); });
  connect(m.DimensioningRules, &QAction::triggered, this, [this] { OpenDimensioningRules(); });
  connect(m.LoadCases, &QAction::triggered, this, [this] { OpenLoadCases(); });
  connect(m.Combinations, &QAction::triggered, this, [this] { OpenCombinations(); });
  connect(m.Contents, &QAction::triggered, this, [this] { ShowHelpContents(); });
  connect(m.About, &QAction::triggered, this, [this] { ShowAbout(); });
}

void MainWindow::MenuOpening() {
  CancelOperation();
  modelPage_->RefreshToolButtons();
  modelPage_->RefreshStatusBar();
  UpdateMenuStates();
}

void MainWindow::UpdateMenuStates() {
  const MainMenu& m = menu_;
  RefreshUndoItems();
  const bool onModel = pages_->Current() == kModelPage;
  const bool anyObject = !doc_.GraphObjects.empty();
  const bool anySelected = onModel && AnySelected(doc_);
  m.Delete->setEnabled(anySelected);
  m.DeselectAll->setEnabled(anySelected);
  m.AlignNodes->setEnabled(onModel && AnySelectedOf<TNodeObject>(doc_));
  m.FlipBeams->setEnabled(onModel && AnySelectedOf<TBeamObject>(doc_));
  m.DeleteAllLoads->setEnabled(onModel && AnyLoad(doc_));
  m.SelectAll->setEnabled(onModel && anyObject);
  m.MoveObjects->setEnabled(onModel && anyObject);
  for (QAction* item : {m.Copy, m.Cut, m.Duplicate, m.Mirror, m.LinearArray, m.RectangularArray})
    item->setEnabled(anySelected);
  m.Paste->setEnabled(onModel && modelPage_->ModelEditor().CanPaste());
  for (QAction* item : {m.ZoomIn, m.ZoomOut, m.ZoomWindow, m.ZoomExtents, m.ZoomLast, m.Pan})
    item->setEnabled(onModel);
  modelPage_->EnableCreateTools(onModel);
}

void MainWindow::RebuildFolderMenus() {
  PruneRecentDocuments(settings_.RecentDocs,
                       [](const std::string& path) { return FileExists(path); });
  menu_.ReOpen->clear();
  for (const std::string& path : settings_.RecentDocs) {
    QAction* item = menu_.ReOpen->addAction(ToQt(path));
    connect(item, &QAction::triggered, this,
            [this, path] { commands_.Open(OpenOrigin::RecentDocument, path); });
  }
  menu_.ReOpen->setEnabled(!settings_.RecentDocs.empty());

  menu_.StandardStructures->clear();
  BuildFolderMenu(
      menu_.StandardStructures, environment_.Folder("Structures"), "*.qsd", true,
      [this](const std::string& path) { commands_.Open(OpenOrigin::StandardStructure, path); });

  menu_.Languages->clear();
  const QList<QAction*> languages = BuildFolderMenu(
      menu_.Languages, environment_.Folder("Languages"), "*.txt", false, [](const std::string&) {});
  for (QAction* item : languages) {
    item->setCheckable(true);
    item->setChecked(FileTitle(FolderMenuPath(item)) == settings_.Language);
    connect(item, &QAction::triggered, this, [this, item] { ChooseLanguage(item); });
  }
}

void MainWindow::ChooseLanguage(QAction* item) {
  for (QAction* other : menu_.Languages->actions())
    other->setChecked(false);
  item->setChecked(true);
  const std::string path = FolderMenuPath(item);
  if (!FileExists(path)) return;
  settings_.Language = FileTitle(path);
  LoadLanguage(LanguageFilePath(environment_.DataFolder, settings_.Language));
  ApplyMainTexts();
  if (pages_->Current() == kReportsPage) reportsPage_->Rebuild();
  // The beam page's notes are written in the language they were built in.
  if (pages_->Current() == kAnalysisPage && doc_.ResultsValid) analysisPage_->Rebuild();
}

void MainWindow::SetDisplayChecks() {
  for (int i = 0; i < kDisplaySwitchCount; ++i)
    menu_.DisplaySwitches[static_cast<std::size_t>(i)]->setChecked(settings_.*kDisplayFields[i]);
}

void MainWindow::DisplaySwitchClicked() {
  for (int i = 0; i < kDisplaySwitchCount; ++i)
    settings_.*kDisplayFields[i] = menu_.DisplaySwitches[static_cast<std::size_t>(i)]->isChecked();
  modelPage_->Repaint();
}

void MainWindow::SetShowDisplacements(bool on) {
  if (on && !EnsureResults()) {
    doc_.ShowDisplacements = false;
  } else {
    doc_.ShowDisplacements = on;
    doc_.DisplacementScale = 0;
  }
  modelPage_->RefreshToolButtons();
  modelPage_->Repaint();
}

void MainWindow::SetShowUtilisation(bool on) {
  doc_.ShowUtilisation = on && EnsureResults();
  modelPage_->RefreshToolButtons();
  modelPage_->Repaint();
}

void MainWindow::SetShowBuckling(bool on) {
  if (!on || !EnsureResults()) {
    modelPage_->SetBuckling(std::nullopt);
    return;
  }
  AnalysisOutcome held;
  held.Stability = stability_;
  long combination = GoverningBucklingLoadSet(doc_, held);
  // The combination shown, when it is an ultimate one.
  const ResultChoice choice = ParseResultChoice(doc_.Settings.ResultSet);
  if (const TCombination* shown = FindCombination(doc_.Settings.Combinations, choice.Number);
      choice.Kind == ResultKind::Combination && shown != nullptr &&
      shown->Kind == CombinationKind::Ultimate)
    combination = choice.Number;
  std::optional<BucklingPicture> picture;
  double factor = std::numeric_limits<double>::infinity();
  if (combination >= 0) {
    const BusyPointer busy;
    const BucklingAnalysis found = AnalyseBuckling(doc_, combination);
    factor = found.Critical.Factor;
    if (!found.Critical.Mode.Empty())
      picture = BucklingPicture{found.Critical.Mode, BucklingCaption(combination, factor)};
  }
  if (!picture) {
    // Nothing compressed, or (rarely) an eigenvalue that did not settle.
    messages_.Show(std::isinf(factor) ? Translated(tr::kMsgNoBucklingMode)
                                      : BucklingCaption(combination, factor),
                   MessageKind::Information);
  }
  modelPage_->SetBuckling(std::move(picture));
}

void MainWindow::ExitProgram() {
  CancelOperation();
  InvalidateResults(doc_);
  ResultsInvalidated();
  close();
}

void MainWindow::ResultsInvalidated() {
  // The question about unsaved changes that may follow shows the model as it is.
  modelPage_->RefreshToolButtons();
  modelPage_->Repaint();
}

void MainWindow::ShowDocumentInformation() {
  const QFontMetricsF metrics(QApplication::font("QMessageBox"));
  const auto width = [&metrics](std::string_view text) {
    return metrics.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<int>(text.size())));
  };
  messages_.Show(DocumentInformationText(doc_, width), MessageKind::Information);
}

void MainWindow::ShowAbout() {
  messages_.Show(Translated(tr::kAboutCaption) + "\n\n" + Translated(tr::kAboutDescription) +
                     "\n\n" + Translated(tr::kAboutVersionLabel) + " " + STRANDEL_VERSION,
                 MessageKind::Information);
}

void MainWindow::ShowHelpContents() {
  CancelOperation();
  if (!help_) help_ = new HelpBrowser(this);
  help_->ShowPage(environment_.HelpIndex());
  help_->show();
  help_->raise();
  help_->activateWindow();
}

DialogContext MainWindow::MakeDialogContext() {
  return {this,
          doc_,
          settings_,
          messages_,
          environment_.DataFolder,
          parameters_,
          random_,
          [this] { modelPage_->Repaint(); },
          [this] { return commands_.ConfirmSaveChanges(); }};
}

OutputContext MainWindow::MakeOutputContext() {
  return {this,
          doc_,
          settings_,
          messages_,
          beamPage_,
          reportsPage_->ReportLines(),
          [this] { return modelPage_->View()->Picture(); },
          [this] { return UpdateSheets(); },
          doc_.ResultsValid ? modelPage_->Buckling() : nullptr};
}

bool MainWindow::UpdateSheets() {
  if (!EnsureResults()) return false;
  analysisPage_->Rebuild();
  reportsPage_->FillTemplates();
  reportsPage_->Rebuild();
  return true;
}

void MainWindow::RunOutput(void (OutputCommands::*command)(const OutputContext&)) {
  CancelOperation();
  (output_.*command)(MakeOutputContext());
}

void MainWindow::ShowChange() {
  modelPage_->RefreshToolButtons(); // the result displays may have gone off
  modelPage_->RefreshStatusBar();   // with it the caption, the menu and the undo items
  RefreshActivePage();
}

// The editor cleared the selection before asking; Cancel leaves everything as
// it was: no step, no modified mark, the results kept.
void MainWindow::OpenPropertyDialog(ObjectKind kind, int index) {
  if (ShowPropertyDialog(MakeDialogContext(), kind, index))
    changes_.Finish(PropertyStepName(kind), kModelChange);
}

void MainWindow::OpenStructureGenerator() {
  // A generated structure is a new document with a history of its own; a
  // cancelled dialog leaves the model, its view and its history alone.
  if (!ShowGeneratorDialog(MakeDialogContext(), generatorParameters_)) return;
  ResetView();
  DocumentIdentityChanged();
}

void MainWindow::OpenOptimizer() {
  // The optimizer's variables are named by node numbers: they show while it runs.
  const bool nodeNumbers = settings_.ShowNodeNumbers;
  settings_.ShowNodeNumbers = true;
  modelPage_->Repaint();
  ShowOptimizerDialog(MakeDialogContext());
  ApplyMainTexts();
  settings_.ShowNodeNumbers = nodeNumbers;
  // An accepted result and the variables chosen are one step; the results the
  // optimizer left still match the model.
  changes_.Finish(tr::kOptimizerCaption, kNoEffect);
}

void MainWindow::OpenArray(bool rectangular) {
  Editor& editor = modelPage_->ModelEditor();
  editor.CancelOperation();
  if (!AnySelected(doc_)) {
    messages_.Show(Translated(tr::kMsgSelectToCopy), MessageKind::Information);
    return;
  }
  if (const auto offsets = AskArray(this, rectangular, settings_.Units, parameters_))
    editor.PlaceCopies(*offsets);
}

void MainWindow::ShowModelMenu(QPoint global, ObjectKind kind, int index) {
  UpdateMenuStates();
  const MainMenu& m = menu_;
  QMenu menu(this);
  if (index >= 0) {
    QAction* properties = menu.addAction(Tr(tr::kMenuProperties));
    connect(properties, &QAction::triggered, this, [this, kind, index] {
      // As a double click: the dialog edits one object, none stays selected.
      SelectAll(doc_, false);
      modelPage_->Repaint();
      OpenPropertyDialog(kind, index);
    });
    menu.addSeparator();
  }
  menu.addActions(
      {m.Copy, m.Cut, m.Paste, m.Duplicate, m.Mirror, m.LinearArray, m.RectangularArray});
  menu.addSeparator();
  menu.addActions({m.Delete, m.FlipBeams, m.AlignNodes});
  menu.addSeparator();
  menu.addActions({m.SelectAll, m.DeselectAll, m.ZoomExtents});
  menu.exec(global);
}

// The units are a setting of the program, not of the document: no step.
void MainWindow::OpenUnits() {
  if (!ShowUnitsDialog(MakeDialogContext())) return;
  modelPage_->UnitsChanged(); // the grid follows; the model is drawn again
  if (pages_->Current() != kModelPage) RefreshActivePage();
}

void MainWindow::OpenDimensioningRules() {
  if (ShowDimensioningDialog(MakeDialogContext()))
    changes_.Finish(tr::kDimRulesCaption, kModelChange);
}

// The cases and combinations are part of the model: OK puts the results out of
// date and is one step, together with the objects of the cases deleted.
void MainWindow::OpenLoadCases() {
  if (ShowLoadCasesDialog(MakeDialogContext()))
    changes_.Finish(tr::kLoadCasesCaption, kModelChange);
}

void MainWindow::OpenCombinations() {
  if (ShowCombinationsDialog(MakeDialogContext()))
    changes_.Finish(tr::kCombinationsCaption, kModelChange);
}

} // namespace strandel
