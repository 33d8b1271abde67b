#pragma once
// The Reports page: the list of report templates, the arrow that opens the
// template menu, and the report of the current template on A4 sheets. The
// page keeps the current template's lines and its name; the report is
// expanded again whenever the page is shown or its texts may have changed.

#include <QWidget>
#include <string>
#include <vector>

#include "analysis/analysis_outcome.h"
#include "model/app_settings.h"
#include "model/document.h"

class QComboBox;
class QLabel;
class QMenu;
class QToolBar;
class QToolButton;

namespace strandel {

struct CaseAnalysis;

class SheetArea;

class ReportsPage : public QWidget {
  Q_OBJECT
public:
  ReportsPage(ModelDocument& doc, AppSettings& settings, std::string templatesFolder,
              QWidget* parent = nullptr);

  // The template list from the report folder of the settings, and the
  // template menu from the program's Reports folder.
  void FillTemplates();
  // Expands the current template again and shows the report.
  void Rebuild();
  // The analysis of every load case the report takes its combinations'
  // utilisations and governing combinations from; null without cases.
  void SetCaseAnalysis(const CaseAnalysis* analysis) { cases_ = analysis; }
  // alpha_cr of the last analysis's ultimate load sets; the window's list.
  void SetStability(const std::vector<LoadSetStability>* stability) { stability_ = stability; }
  void ApplyTexts();
  void SetDocumentPath(const QString& path);

  // A line of the template list: the file of that title in the report folder
  // becomes the current template, when it exists.
  void ChooseListEntry(int line);
  // A file of the template menu becomes the current template, and its folder
  // the report folder.
  void ChooseTemplateFile(const std::string& path);

  QComboBox* TemplateList() const { return templateList_; }
  QToolButton* MenuArrow() const { return menuArrow_; }
  QMenu* TemplateMenu() const { return templateMenu_; }
  SheetArea* Sheet() const { return sheet_; }
  const std::string& ReportName() const { return reportName_; }
  const std::vector<std::string>& TemplateLines() const { return templateLines_; }
  const std::vector<std::string>& ReportLines() const { return reportLines_; }

private:
  const CaseAnalysis* cases_ = nullptr;
  const std::vector<LoadSetStability>* stability_ = nullptr;
  bool LoadTemplate(const std::string& path);
  void OpenTemplateMenu();

  ModelDocument& doc_;
  AppSettings& settings_;
  std::string templatesFolder_;
  QToolBar* toolBar_;
  QComboBox* templateList_;
  QToolButton* menuArrow_;
  QMenu* templateMenu_;
  SheetArea* sheet_;
  QLabel* status_ = nullptr;
  std::string reportName_;
  std::vector<std::string> templateLines_;
  std::vector<std::string> reportLines_;
};

} // namespace strandel
