// The Reports page: the template list of the report folder, the template menu,
// and the report expanded from the solved model, again after a language change.

#include <QComboBox>
#include <QMenu>
#include <QTest>

#include "app/app_fixture.h"
#include "app/app_test_registry.h"
#include "app/page_control.h"
#include "app/reports_page.h"

namespace strandel {

using testing::AppFixture;

namespace {

QAction* LanguageItem(const MainWindow& window, const QString& title) {
  for (QAction* item : window.Menu().Languages->actions())
    if (item->text() == title) return item;
  return nullptr;
}

bool AnyLineHas(const std::vector<std::string>& lines, const std::string& text) {
  for (const std::string& line : lines)
    if (line.find(text) != std::string::npos) return true;
  return false;
}

} // namespace

class ReportsPageTest : public QObject {
  Q_OBJECT
private slots:
  void TheFirstTemplateIsExpandedFromTheSolvedModel() {
    AppFixture app;
    const std::string frame = app.WriteModel("frame.qsd", testing::PortalFrameObjects());
    MainWindow& window = app.Start(frame);
    QVERIFY(window.Pages()->Choose(kReportsPage));
    ReportsPage* page = window.Reports();
    QComboBox* list = page->TemplateList();
    // In the order of the file names: "Design report with load cases.txt"
    // before "Design report.txt".
    const QStringList expected = {"Beam summary", "Bill of materials",
                                  "Design report with load cases", "Design report",
                                  "Support reactions"};
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
      shown << list->itemText(i);
    QCOMPARE(shown, expected);
    QCOMPARE(page->ReportName(), std::string("Beam summary"));
    QCOMPARE(list->currentText(), QStringLiteral("Beam summary"));
    QVERIFY(!page->ReportLines().empty());
    // The template menu lists the program's templates.
    QCOMPARE(page->TemplateMenu()->actions().size(), 5);

    // Support reactions: one line per support, for nodes 1 and 4.
    list->setCurrentIndex(4);
    emit list->activated(4);
    QCOMPARE(page->ReportName(), std::string("Support reactions"));
    QVERIFY(AnyLineHas(page->ReportLines(), "SUPPORT REACTIONS"));
    QVERIFY(AnyLineHas(page->ReportLines(), app.Folder.Path() + "frame.qsd"));
    int supportLines = 0;
    for (const std::string& line : page->ReportLines())
      supportLines += line.rfind("    1 ", 0) == 0 || line.rfind("    4 ", 0) == 0;
    QCOMPARE(supportLines, 2);
  }

  void ATemplateFromTheMenuMakesItsFolderTheReportFolder() {
    AppFixture app;
    const std::string frame = app.WriteModel("frame.qsd", testing::PortalFrameObjects());
    const std::string own =
        app.Folder.Write("mine/Beam numbers.txt", "Beams:\r\n{6;R;BeamNo}|\r\n");
    MainWindow& window = app.Start(frame);
    QVERIFY(window.Pages()->Choose(kReportsPage));
    ReportsPage* page = window.Reports();
    page->ChooseTemplateFile(own);
    QCOMPARE(page->ReportName(), std::string("Beam numbers"));
    QCOMPARE(window.Settings().ReportFolder, app.Folder.File("mine/"));
    // The per-beam line is repeated for the three beams, numbers right-aligned in 6.
    QCOMPARE(page->ReportLines(),
             (std::vector<std::string>{"Beams:", "     1|", "     2|", "     3|"}));
    QCOMPARE(page->TemplateList()->count(), 1);
    QCOMPARE(page->TemplateList()->currentText(), QStringLiteral("Beam numbers"));
    // A list entry whose file is gone changes nothing.
    std::remove(own.c_str());
    page->ChooseListEntry(0);
    QCOMPARE(page->ReportLines().size(), std::size_t{4});
  }

  void ALanguageChangeExpandsTheReportAgain() {
    AppFixture app;
    const std::string frame = app.WriteModel("frame.qsd", testing::PortalFrameObjects());
    const std::string own = app.Folder.Write("mine/Braced.txt", "{;;Beam_Braced}\r\n");
    MainWindow& window = app.Start(frame);
    QVERIFY(window.Pages()->Choose(kReportsPage));
    window.Reports()->ChooseTemplateFile(own);
    QCOMPARE(window.Reports()->ReportLines().front(), std::string("No       "));
    LanguageItem(window, QStringLiteral("Svenska"))->trigger();
    QCOMPARE(window.Reports()->ReportLines().front(), std::string("Nej      "));
  }
};

STRANDEL_APP_TEST(ReportsPageTest);

} // namespace strandel

#include "reports_page_test.moc"
