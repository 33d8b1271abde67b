#include "app/reports_page.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/folder_menu.h"
#include "app/page_bars.h"
#include "app/qt_text.h"
#include "app/sheet_area.h"
#include "app/tool_icons.h"
#include "common/files.h"
#include "common/text_entries.h"
#include "render/report_sheet.h"
#include "reports/report.h"
#include "reports/report_templates.h"

namespace strandel {

ReportsPage::ReportsPage(ModelDocument& doc, AppSettings& settings, std::string templatesFolder,
                         QWidget* parent)
    : QWidget(parent), doc_(doc), settings_(settings), templatesFolder_(std::move(templatesFolder)),
      toolBar_(MakePageToolBar(this)), templateList_(new QComboBox(toolBar_)),
      menuArrow_(new QToolButton(toolBar_)), templateMenu_(new QMenu(this)),
      sheet_(new SheetArea(this)) {
  templateList_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  templateList_->setMinimumContentsLength(16);
  menuArrow_->setIcon(ToolIcon("report_menu"));
  menuArrow_->setAutoRaise(true);
  toolBar_->addWidget(templateList_);
  toolBar_->addWidget(menuArrow_);
  connect(templateList_, &QComboBox::activated, this, [this](int line) { ChooseListEntry(line); });
  connect(menuArrow_, &QToolButton::clicked, this, [this] { OpenTemplateMenu(); });
  sheet_->CountSheets = [this] { return LayoutReport(reportLines_).SheetCount; };
  sheet_->PaintSheet = [this](QPainter& painter, int sheet, const ViewState& paper) {
    DrawReportSheet(painter, reportLines_, LayoutReport(reportLines_), sheet, paper);
  };
  QStatusBar* statusBar = MakePageStatusBar(this);
  status_ = AddStretchingPanel(statusBar);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(toolBar_);
  layout->addWidget(sheet_, 1);
  layout->addWidget(statusBar);
}

void ReportsPage::FillTemplates() {
  {
    const QSignalBlocker blocker(templateList_);
    templateList_->clear();
    for (const FolderEntry& file : ListReportTemplates(settings_.ReportFolder))
      templateList_->addItem(ToQt(file.Title));
    templateList_->setCurrentIndex(templateList_->findText(ToQt(reportName_)));
  }
  templateMenu_->clear();
  BuildFolderMenu(templateMenu_, templatesFolder_, "*.txt", false,
                  [this](const std::string& path) { ChooseTemplateFile(path); });
  // Until the user chooses, the first template of the list is the report.
  if (templateLines_.empty() && templateList_->count() > 0) ChooseListEntry(0);
}

void ReportsPage::ChooseListEntry(int line) {
  if (line < 0 || line >= templateList_->count()) return;
  const std::string title = FromQt(templateList_->itemText(line));
  const std::string path = settings_.ReportFolder + title + ".txt";
  if (!LoadTemplate(path)) return;
  reportName_ = title;
  {
    const QSignalBlocker blocker(templateList_);
    templateList_->setCurrentIndex(line);
  }
  Rebuild();
}

void ReportsPage::ChooseTemplateFile(const std::string& path) {
  if (!LoadTemplate(path)) return;
  const std::string name = FileNameOf(path);
  reportName_ = name.size() > 4 ? name.substr(0, name.size() - 4) : std::string();
  settings_.ReportFolder = FolderOf(path);
  FillTemplates();
  Rebuild();
}

bool ReportsPage::LoadTemplate(const std::string& path) {
  if (!FileExists(path)) return false;
  TemplateReadResult read = ReadReportTemplate(path);
  if (!read.ok) return false;
  templateLines_ = std::move(read.Lines);
  return true;
}

void ReportsPage::OpenTemplateMenu() {
  templateMenu_->popup(menuArrow_->mapToGlobal(QPoint(0, menuArrow_->height())));
}

void ReportsPage::Rebuild() {
  // The report names the document by the folder it is saved in.
  ReportSources sources{doc_, settings_, settings_.LastPath};
  sources.Cases = cases_;
  sources.Stability = stability_;
  reportLines_ = BuildReport(templateLines_, sources);
  sheet_->ContentChanged();
}

void ReportsPage::ApplyTexts() {
  templateList_->setToolTip(Tr(tr::kHintReportList));
  menuArrow_->setToolTip(Tr(tr::kHintReportMenu));
}

void ReportsPage::SetDocumentPath(const QString& path) {
  status_->setText(path);
}

} // namespace strandel
