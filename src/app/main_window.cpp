#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>

#include "analysis/buckling_analysis.h"
#include "analysis/failure_message.h"
#include "analysis/solver.h"
#include "app/analysis_page.h"
#include "app/autosave.h"
#include "app/busy_pointer.h"
#include "app/first_start.h"
#include "app/help_browser.h"
#include "app/model_page.h"
#include "app/model_view.h"
#include "app/page_control.h"
#include "app/qt_text.h"
#include "app/reports_page.h"
#include "app/result_choice_box.h"
#include "app/sheet_area.h"
#include "common/files.h"
#include "common/text.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "model/recovery.h"
#include "render/fonts.h"

namespace strandel {
namespace {

constexpr int kStartWidth = 1024;
constexpr int kStartHeight = 720;
constexpr double kMostOfTheScreen = 0.9;

// The pages' tool bars are 25 pixels high: their buttons give the 20-pixel
// pictures all of that, and show a button that is down clearly.
const char* const kToolBarStyle =
    "QToolBar { spacing: 1px; padding: 0px; }"
    "QToolBar QToolButton { padding: 0px; border: 1px solid transparent; border-radius: 2px; }"
    "QToolBar QToolButton:hover { border-color: #8fa8c8; background: #e6eef8; }"
    "QToolBar QToolButton:checked { border-color: #5f82b0; background: #c9d9ef; }"
    "QToolBar QToolButton:pressed { background: #b3c8e6; }";

} // namespace

MainWindow::MainWindow(AppEnvironment environment, UserMessages& messages, FileDialogs& fileDialogs,
                       OutputDialogs& outputDialogs, const std::string& firstArgument,
                       QWidget* parent)
    : QMainWindow(parent), environment_(std::move(environment)), messages_(messages),
      fileDialogs_(fileDialogs), output_(outputDialogs),
      settings_(LoadSettings(environment_.SettingsPath, environment_.DataFolder)),
      changes_(doc_, *this), commands_(doc_, settings_, messages_, fileDialogs_, *this) {
  setWindowTitle(QStringLiteral("Strandel"));
  PlaceWindow();
  // The first start makes the settings file at once and says nothing about it;
  // should it fail here, closing the window tries again and tells why.
  const bool firstStart = !FileExists(environment_.SettingsPath);
  if (firstStart) {
    ApplyFirstStartDefaults(settings_, environment_.DataFolder);
    SaveSettings(settings_, environment_.SettingsPath);
  }
  autosave_ = new Autosave(
      doc_, [this] { return commands_.DocumentPath(); }, environment_.RecoveryFolder, messages_,
      this);
  autosave_->SetUnfinished(
      [this] { return modelPage_ ? modelPage_->ModelEditor().HalfMadeObject() : nullptr; });
  autosave_->SetInterval(settings_.AutosaveMinutes);
  menu_ = BuildMainMenu(menuBar());
  BuildPages();
  ConnectMenu();
  LoadLanguage(LanguageFilePath(environment_.DataFolder, settings_.Language));
  NewDocument(doc_, NewDocumentSizes(settings_));
  ApplyMainTexts();
  if (!firstArgument.empty()) {
    const std::string path = FromQt(QFileInfo(ToQt(firstArgument)).absoluteFilePath());
    commands_.Open(OpenOrigin::CommandLine, path);
  }
  ResetView();
  // A new user is told where to begin, once.
  if (firstStart) modelPage_->ShowHint(Tr(tr::kStatusFirstStartHint));
  DocumentIdentityChanged();
  qApp->installEventFilter(this);
}

MainWindow::~MainWindow() {
  qApp->removeEventFilter(this);
}

void MainWindow::BuildPages() {
  pages_ = new PageControl(this);
  modelPage_ = new ModelPage(doc_, settings_, messages_, changes_, parameters_, pages_);
  analysisPage_ = new AnalysisPage(doc_, settings_, beamPage_, pages_);
  reportsPage_ = new ReportsPage(doc_, settings_, environment_.Folder("Reports"), pages_);
  femPage_ = new QPlainTextEdit(pages_);
  femPage_->setReadOnly(true);
  femPage_->setLineWrapMode(QPlainTextEdit::NoWrap);
  femPage_->setFont(QFont(ToQt(SubstituteFamily(kFixedFont))));
  femPage_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  femPage_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  pages_->AddPage(modelPage_, QStringLiteral("Model"));
  pages_->AddPage(analysisPage_, QStringLiteral("Analysis"));
  pages_->AddPage(reportsPage_, QStringLiteral("Reports"));
  pages_->AddPage(femPage_, QStringLiteral("FEM"));
  pages_->HidePage(kFemPage);
  pages_->BeforeChange = [this](int from, int to) { return PageChanging(from, to); };
  pages_->AfterChange = [this](int page) { PageChanged(page); };
  // Above the pages, a bar that tells what the results do not cover (a low
  // alpha_cr solved to first order) without stopping the user's work.
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  stabilityBar_ = new QLabel(central);
  stabilityBar_->setWordWrap(true);
  stabilityBar_->setStyleSheet(QStringLiteral(
      "QLabel { background: #fff4c2; color: #5a3b00; border-bottom: 1px solid #d8b84a; "
      "padding: 4px 8px; }"));
  stabilityBar_->hide();
  layout->addWidget(stabilityBar_);
  layout->addWidget(pages_, 1);
  setCentralWidget(central);
  pages_->setStyleSheet(QString::fromLatin1(kToolBarStyle));

  QToolBar* bar = modelPage_->ToolBar();
  QAction* first = bar->actions().value(0);
  bar->insertAction(first, menu_.Undo);
  bar->insertAction(first, menu_.Redo);
  bar->insertSeparator(first);
  for (CreateTool tool : {CreateTool::Node, CreateTool::Beam, CreateTool::Support, CreateTool::Load,
                          CreateTool::Force, CreateTool::Moment})
    menu_.Draw->addAction(modelPage_->CreateButton(tool));

  for (ResultChoiceBox* box : {modelPage_->ResultChoice(), analysisPage_->ResultChoice()})
    box->Chosen = [this] { ResultChosen(); };

  connect(modelPage_->View(), &ModelView::ObjectDoubleClicked, this,
          [this](ObjectKind kind, int index) { OpenPropertyDialog(kind, index); });
  connect(modelPage_->View(), &ModelView::MenuWanted, this, &MainWindow::ShowModelMenu);
  modelPage_->ShowDisplacementsClicked = [this](bool on) { SetShowDisplacements(on); };
  modelPage_->ShowUtilisationClicked = [this](bool on) { SetShowUtilisation(on); };
  modelPage_->ShowBucklingClicked = [this](bool on) { SetShowBuckling(on); };
  reportsPage_->SetStability(&stability_);
  menu_.View->addSeparator();
  menu_.View->addAction(modelPage_->ShowBucklingButton());
  modelPage_->StatusRefreshed = [this] {
    DocumentIdentityChanged();
    UpdateMenuStates();
    // A change of the model takes the results and their warnings away.
    if (!doc_.ResultsValid && stabilityBar_->isVisible()) ShowStabilityWarnings();
  };
}

void MainWindow::ApplyMainTexts() {
  pages_->SetCaption(kModelPage, Tr(tr::kPageModel));
  pages_->SetCaption(kAnalysisPage, Tr(tr::kPageAnalysis));
  pages_->SetCaption(kReportsPage, Tr(tr::kPageReports));
  pages_->SetCaption(kFemPage, Tr(tr::kPageFem));
  ApplyMenuTexts(menu_);
  RefreshUndoItems();
  modelPage_->ApplyTexts();
  analysisPage_->ApplyTexts();
  reportsPage_->ApplyTexts();
}

void MainWindow::CancelOperation() {
  modelPage_->ModelEditor().CancelOperation();
}

void MainWindow::ResetView() {
  changes_.StartHistory();
  ResetEditorView();
}

void MainWindow::ResetEditorView() {
  const ModelView* view = modelPage_->View();
  modelPage_->ModelEditor().ResetView(view->width(), view->height());
  RebuildFolderMenus();
  SetDisplayChecks();
  // A new document starts on its model; its results are not there yet.
  if (pages_->Current() != kModelPage) pages_->Force(kModelPage);
  UpdateMenuStates();
}

void MainWindow::DocumentSaved() {
  changes_.Saved();
  RebuildFolderMenus(); // the saved file heads the recent list
}

void MainWindow::DocumentIdentityChanged() {
  QString title = QStringLiteral("Strandel - ") + ToQt(doc_.FileName);
  if (doc_.Modified) title += QStringLiteral(" *");
  if (windowTitle() != title) setWindowTitle(title);
  autosave_->DocumentStateChanged();
  const QString path = ToQt(commands_.DocumentPath());
  analysisPage_->SetDocumentPath(path);
  reportsPage_->SetDocumentPath(path);
}

bool MainWindow::EnsureResults() {
  if (doc_.ResultsValid) return true;
  AnalysisOutcome outcome;
  {
    const BusyPointer busy;
    caseAnalysis_.reset();
    if (doc_.Settings.LoadCases.empty()) {
      outcome = AnalyseModel(doc_);
    } else {
      auto analysis = std::make_unique<CaseAnalysis>(AnalyseLoadCases(doc_));
      outcome = analysis->Outcome;
      if (const std::optional<ResultSet> shown = DocumentResult(*analysis, doc_)) {
        outcome = InstallResult(doc_, *analysis, *shown);
        caseAnalysis_ = std::move(analysis);
      }
    }
  }
  analysisPage_->SetEnvelope(ChosenEnvelope());
  reportsPage_->SetCaseAnalysis(caseAnalysis_.get());
  stability_ = outcome.Stability;
  ShowCriticalFactor();
  ShowStabilityWarnings();
  if (!doc_.ResultsValid) {
    // The Model page shows where the structure can move while the user reads it.
    const bool mark = outcome.Failure == AnalysisFailure::Unstable && outcome.Node >= 0;
    if (mark) modelPage_->View()->MarkNode(outcome.Node, outcome.NodeFreedom);
    messages_.Show(AnalysisFailedMessage(outcome), MessageKind::Error);
    if (mark) modelPage_->View()->ClearMark();
    return false;
  }
  for (const std::string& note : outcome.Notes)
    messages_.Show(note, MessageKind::Warning);
  return true;
}

void MainWindow::ShowStabilityWarnings() {
  // Load sets that first order does not serve, one line each, while the
  // results they concern are shown.
  std::string text;
  if (doc_.ResultsValid) {
    AnalysisOutcome held;
    held.Stability = stability_;
    for (const std::string& warning : FirstOrderWarnings(held))
      text += (text.empty() ? "" : "\n") + warning;
  }
  stabilityBar_->setText(ToQt(text));
  stabilityBar_->setVisible(!text.empty());
}

void MainWindow::ShowCriticalFactor() {
  AnalysisOutcome held;
  held.Stability = stability_;
  const LoadSetStability* governing = StabilityOf(held, GoverningBucklingLoadSet(doc_, held));
  if (governing == nullptr) {
    modelPage_->SetCriticalFactor({}, {});
    return;
  }
  modelPage_->SetCriticalFactor(
      ToQt(CriticalFactorStatus(governing->Combination, governing->CriticalFactor)),
      ToQt(FirstOrderWarning(*governing)));
}

PageEnvelope MainWindow::ChosenEnvelope() const {
  const ResultChoice choice = ParseResultChoice(doc_.Settings.ResultSet);
  if (choice.Kind != ResultKind::Envelope || !caseAnalysis_ || !doc_.ResultsValid) return {};
  if (!caseAnalysis_->Envelope(choice.Envelope).Present) return {};
  return {caseAnalysis_.get(), choice.Envelope};
}

void MainWindow::ResultChosen() {
  if (doc_.ResultsValid && caseAnalysis_) {
    if (const std::optional<ResultSet> shown = DocumentResult(*caseAnalysis_, doc_))
      InstallResult(doc_, *caseAnalysis_, *shown);
  }
  analysisPage_->SetEnvelope(ChosenEnvelope());
  // The buckling mode follows the ultimate combination chosen.
  if (modelPage_->ShowsBuckling()) SetShowBuckling(true);
  modelPage_->RefreshToolButtons();
  // The Model page draws the displaced shape and utilisation of the new result
  // whichever page the choice was made on.
  modelPage_->Repaint();
  RefreshActivePage();
}

bool MainWindow::PageChanging(int, int to) {
  CancelOperation();
  modelPage_->RefreshToolButtons();
  modelPage_->RefreshStatusBar();
  // The model can always be edited: going back to it needs no results.
  if (to == kModelPage) return true;
  return EnsureResults();
}

void MainWindow::PageChanged(int page) {
  if (page == kAnalysisPage) analysisPage_->Rebuild();
  if (page == kReportsPage) {
    reportsPage_->FillTemplates();
    reportsPage_->Rebuild();
  }
  UpdateMenuStates();
}

void MainWindow::RefreshActivePage() {
  const int page = pages_->Current();
  if (page == kModelPage) {
    modelPage_->Repaint();
    return;
  }
  if (!EnsureResults()) {
    pages_->Force(kModelPage);
    UpdateMenuStates();
    return;
  }
  if (page == kAnalysisPage) analysisPage_->Rebuild();
  if (page == kReportsPage) reportsPage_->Rebuild();
}

void MainWindow::PlaceWindow() {
  // Where the user left it; the window system keeps a stored place on a screen.
  if (!settings_.WindowGeometry.empty() &&
      restoreGeometry(QByteArray::fromBase64(QByteArray::fromStdString(settings_.WindowGeometry))))
    return;
  // Else the usual size, but never larger than the screen leaves free, at any
  // scale factor.
  QSize size(kStartWidth, kStartHeight);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    size = size.boundedTo(screen->availableGeometry().size() * kMostOfTheScreen);
  resize(size);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!commands_.QueryClose()) {
    event->ignore();
    return;
  }
  settings_.WindowGeometry = saveGeometry().toBase64().toStdString();
  // Saved, or the changes given up: nothing is left to recover.
  autosave_->RemoveCopy();
  const WriteResult saved = SaveSettings(settings_, environment_.SettingsPath);
  if (!saved.ok) messages_.Show(saved.message, MessageKind::Error);
  ClearModel(doc_);
  if (help_) help_->close();
  event->accept();
}

void MainWindow::OfferRecovery() {
  if (environment_.RecoveryFolder.empty()) return;
  for (const RecoveryCopy& copy : FindRecoveryCopies(environment_.RecoveryFolder)) {
    const std::string question = ReplaceAll(
        ReplaceAll(Translated(tr::kMsgRecoverChanges), "%1", FileNameOf(copy.DocumentPath)), "%2",
        ClockText(copy.SavedAtNs));
    switch (messages_.Ask(question, MessageButtons::RecoverDiscardLater)) {
    case MessageAnswer::Yes:
      // One document at a time: the other copies wait for the next start.
      if (commands_.Recover(copy.CopyPath, copy.DocumentPath)) {
        autosave_->Adopt(copy.CopyPath);
        return;
      }
      break;
    case MessageAnswer::No:
      RemoveRecoveryCopy(copy.CopyPath);
      break;
    default:
      break;
    }
  }
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  ApplyMainTexts();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  // The window sees its keys before the control that has the focus does.
  if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->window() == this) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier)
      if (HandleKey(key->key())) return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::HandleKey(int key) {
  switch (key) {
  case Qt::Key_Up:
  case Qt::Key_Down:
  case Qt::Key_PageUp:
  case Qt::Key_PageDown:
  case Qt::Key_Home:
  case Qt::Key_End:
    // On the pages of sheets these keys move the sheets, whatever has the
    // focus; the beam list keeps its keys with Ctrl (and its opened list).
    if (pages_->Current() == kAnalysisPage) return analysisPage_->Sheet()->ScrollKey(key);
    if (pages_->Current() == kReportsPage) return reportsPage_->Sheet()->ScrollKey(key);
    return false;
  case Qt::Key_Delete:
    if (pages_->Current() != kModelPage) return false;
    // A field being typed in (the grid step, a typed point) keeps its Delete.
    if (qobject_cast<QLineEdit*>(QApplication::focusWidget())) return false;
    modelPage_->ModelEditor().KeyPress(EditorKey::Delete);
    return true;
  case Qt::Key_Escape:
    if (pages_->Current() != kModelPage) return false;
    // Esc first closes a typed point's field; the operation goes on.
    if (modelPage_->ClosePointEntry()) return true;
    modelPage_->ModelEditor().KeyPress(EditorKey::Escape);
    return true;
  default:
    return false;
  }
}

} // namespace strandel
