// Printing as a user meets it, on a printer that writes PDF files: the print
// dialog's jobs and their order, the model fitted to the page without the
// grid, the beam sheet and the report on A4, a report of several pages, and
// "Print Screen". Every printed file is read back with poppler's tools.

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <memory>

#include "app/app_fixture.h"
#include "app/app_test_registry.h"
#include "app/model_page.h"
#include "app/model_view.h"
#include "app/output_commands.h"
#include "app/pdf_pages.h"
#include "app/print_dialog.h"
#include "app/reports_page.h"
#include "app/scripted_output_dialogs.h"
#include "common/system_info.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "render/beam_sheet_pages.h"
#include "render/buckling_picture.h"

namespace strandel {

using testing::AppFixture;
using testing::PdfSummary;
using testing::PrinterChoice;
using testing::ReadPdfSummary;

namespace {

constexpr double kMmPerInch = 25.4;

// A window whose printer is a PDF file in the test's folder.
struct PrintingApp {
  PrintingApp() { std::filesystem::create_directories(Out()); }

  MainWindow& Start(const std::string& model = {}) { return App.Start(model); }
  std::string Out() const { return App.Folder.File("out/"); }
  std::string Printed(const std::string& name) const { return Out() + name; }
  // "Print Setup...": the printer writes `name` in the output folder.
  void ChoosePdf(MainWindow& window, const std::string& name,
                 QMarginsF marginsMm = {3.53, 3.53, 3.53, 3.53}) {
    Dialogs->SetupAnswers.push_back(PrinterChoice{Printed(name), marginsMm});
    window.Menu().PrintSetup->trigger();
  }
  void Print(MainWindow& window, PrintOptions options) {
    Dialogs->PrintAnswers.push_back(options);
    window.Menu().Print->trigger();
  }
  std::vector<std::string> PrintedFiles() const { return testing::FolderContents(Out()); }

  AppFixture App;
  testing::ScriptedOutputDialogs* Dialogs = &App.Output;
};

const PrintOptions kEverything{true, true, true};
const PrintOptions kModelOnly{true, false, false};

// A pixel box of a page rasterised at `dpi`, in millimetres from the paper's
// top-left corner.
QRectF Millimetres(const QRect& box, int dpi) {
  const double mm = kMmPerInch / dpi;
  return QRectF(box.left() * mm, box.top() * mm, (box.width()) * mm, (box.height()) * mm);
}

// The ink box of the page below `topMm` from the paper's top edge (where the
// title line ends), in the page's pixels.
QRect InkBelow(const QImage& page, double topMm, int dpi) {
  const int top = static_cast<int>(std::lround(topMm * dpi / kMmPerInch));
  const QRect box = testing::InkBox(page.copy(0, top, page.width(), page.height() - top));
  return box.translated(0, top);
}

std::string Lines(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i)
    text += "Line " + std::to_string(i) + "\r\n";
  return text;
}

} // namespace

class PrintingTest : public QObject {
  Q_OBJECT
private slots:
  void EveryCheckedItemIsAJobOfItsOwnInTheOrderModelDiagramsReport() {
    PrintingApp printing;
    MainWindow& window =
        printing.Start(printing.App.WriteModel("frame.qsd", testing::PortalFrameObjects()));
    printing.ChoosePdf(window, "print.pdf");
    printing.Print(window, kEverything);

    // One file per job: the chosen name for the first, then -2 and -3.
    QCOMPARE(printing.PrintedFiles(),
             (std::vector<std::string>{"print-2.pdf", "print-3.pdf", "print.pdf"}));
    const PdfSummary model = ReadPdfSummary(printing.Printed("print.pdf"));
    const PdfSummary diagrams = ReadPdfSummary(printing.Printed("print-2.pdf"));
    const PdfSummary report = ReadPdfSummary(printing.Printed("print-3.pdf"));
    QCOMPARE(model.Title, std::string("frame.qsd - Model"));
    QCOMPARE(diagrams.Title, std::string("frame.qsd - Analysis"));
    QCOMPARE(report.Title, std::string("frame.qsd - Reports"));
    QCOMPARE(model.Pages, 1);
    // The Analysis page was never opened: printing built its sheet from the
    // solved model, on as many sheets as its diagrams need.
    QVERIFY(window.Document().ResultsValid);
    const int sheets = static_cast<int>(BeamSheets(window.Diagrams()).size());
    QVERIFY(sheets >= 1);
    QCOMPARE(diagrams.Pages, sheets);
    QCOMPARE(report.Pages, 1);
    QVERIFY(testing::PdfText(printing.Printed("print-3.pdf")).find("frame.qsd") !=
            std::string::npos);
    QVERIFY(printing.App.Messages.Entries.empty());

    // The boxes stay ticked for the next print; the next print writes its
    // first job to the chosen file again and finds free names for the others.
    printing.Print(window, {false, true, true});
    QCOMPARE(printing.Dialogs->OptionsShown.PrintModel, true);
    QCOMPARE(printing.Dialogs->OptionsShown.PrintFBD, true);
    QCOMPARE(printing.Dialogs->OptionsShown.PrintReport, true);
    QCOMPARE(printing.PrintedFiles(),
             (std::vector<std::string>{"print-2.pdf", "print-3.pdf", "print-4.pdf", "print.pdf"}));
    QCOMPARE(ReadPdfSummary(printing.Printed("print.pdf")).Title,
             std::string("frame.qsd - Analysis"));
    QCOMPARE(ReadPdfSummary(printing.Printed("print-4.pdf")).Title,
             std::string("frame.qsd - Reports"));
  }

  void EveryPrintedSheetCarriesItsTitleLine() {
    PrintingApp printing;
    MainWindow& window =
        printing.Start(printing.App.WriteModel("frame.qsd", testing::PortalFrameObjects()));
    printing.ChoosePdf(window, "title.pdf");
    printing.Print(window, kEverything);
    const std::string today = TodayText();
    const long beam = window.Document().Settings.FBDBeamNo;
    QVERIFY(beam > 0);
    // Page by page as pdftotext reads them back.
    auto pagesOf = [&](const std::string& name) {
      std::vector<std::string> pages;
      std::string text = testing::PdfText(printing.Printed(name));
      for (std::size_t feed; (feed = text.find('\f')) != std::string::npos;) {
        pages.push_back(text.substr(0, feed));
        text.erase(0, feed + 1);
      }
      return pages;
    };
    const std::vector<std::string> model = pagesOf("title.pdf");
    const std::vector<std::string> diagrams = pagesOf("title-2.pdf");
    const std::vector<std::string> report = pagesOf("title-3.pdf");
    QCOMPARE(model.size(), std::size_t{1});
    QVERIFY(model[0].find("frame.qsd") != std::string::npos);
    QVERIFY(model[0].find(today) != std::string::npos);
    QVERIFY(model[0].find("Page") == std::string::npos); // one picture, no count
    QCOMPARE(diagrams.size(), BeamSheets(window.Diagrams()).size());
    QVERIFY(diagrams.size() >= 2); // all seven diagrams: the page goes on
    for (std::size_t i = 0; i < diagrams.size(); ++i) {
      const std::string& page = diagrams[i];
      const std::string sheet =
          "Page " + std::to_string(i + 1) + " of " + std::to_string(diagrams.size());
      QVERIFY2(page.find("frame.qsd") != std::string::npos, page.c_str());
      QVERIFY2(page.find("Beam " + std::to_string(beam)) != std::string::npos, page.c_str());
      QVERIFY2(page.find(sheet) != std::string::npos, page.c_str());
      QVERIFY2(page.find(today) != std::string::npos, page.c_str());
    }
    QVERIFY(report[0].find("Page 1 of " + std::to_string(report.size())) != std::string::npos);
    QVERIFY(report[0].find(today) != std::string::npos);
  }

  void TheBeamSheetFillsThePrintableWidthAsOnA4() {
    PrintingApp printing;
    MainWindow& window =
        printing.Start(printing.App.WriteModel("frame.qsd", testing::PortalFrameObjects()));
    // Margins of 10 mm left and right: 190 mm for the sheet's 210, so the
    // frame drawn 5 mm inside the sheet lands 10 + 5 * 190 / 210 mm from the
    // paper's left edge and its top 10 + 5 * 190 / 210 from the top.
    printing.ChoosePdf(window, "sheet.pdf", {10, 10, 10, 10});
    printing.Print(window, {false, true, false});
    const std::vector<QImage> pages = testing::RasterisedPages(printing.Printed("sheet.pdf"), 100);
    QVERIFY(!pages.empty());
    const double scale = 190.0 / 210;
    // Below the title line, which stands in the sheet's top margin.
    const QRectF ink = Millimetres(InkBelow(pages[0], 10 + 4.5 * scale, 100), 100);
    QVERIFY2(std::abs(ink.left() - (10 + 5 * scale)) < 0.6,
             qPrintable(QString::number(ink.left())));
    QVERIFY(std::abs(ink.top() - (10 + 5 * scale)) < 0.6);
    QVERIFY(std::abs(ink.right() - (10 + 205 * scale)) < 0.6);
    // The sheet is 297 * 190 / 210 = 268.7 mm high and fits the 277 mm printable height.
    QVERIFY(std::abs(ink.bottom() - (10 + 292 * scale)) < 0.6);
  }

  void OnLandscapePaperTheWholeSheetFitsTheHeightCentredAcross() {
    PrintingApp printing;
    MainWindow& window =
        printing.Start(printing.App.WriteModel("frame.qsd", testing::PortalFrameObjects()));
    // A4 across with 10 mm margins: 277 x 190 mm to print on. The width's
    // scale (277 / 210) would lose the sheet's lower part, so 297 mm take the
    // 190 mm height, s = 190 / 297, and the 210 s = 134.3 mm wide sheet sits
    // (277 - 210 s) / 2 in from the printable area's left edge.
    printing.Dialogs->SetupAnswers.push_back(
        PrinterChoice{printing.Printed("across.pdf"), {10, 10, 10, 10}, true});
    window.Menu().PrintSetup->trigger();
    printing.Print(window, {false, true, false});
    const std::vector<QImage> pages = testing::RasterisedPages(printing.Printed("across.pdf"), 100);
    QVERIFY(!pages.empty());
    QVERIFY(pages[0].width() > pages[0].height());
    const double s = 190.0 / 297, left = 10 + (277 - 210 * s) / 2;
    const QRectF ink = Millimetres(InkBelow(pages[0], 10 + 4.5 * s, 100), 100);
    const QString where =
        QString("%1 %2 %3 %4").arg(ink.left()).arg(ink.top()).arg(ink.right()).arg(ink.bottom());
    QVERIFY2(std::abs(ink.left() - (left + 5 * s)) < 0.6, qPrintable(where));
    QVERIFY2(std::abs(ink.right() - (left + 205 * s)) < 0.6, qPrintable(where));
    QVERIFY2(std::abs(ink.top() - (10 + 5 * s)) < 0.6, qPrintable(where));
    QVERIFY2(std::abs(ink.bottom() - (10 + 292 * s)) < 0.6, qPrintable(where));
  }

  void ThePrintedModelShowsNoGridAndTheScreenKeepsIts() {
    PrintingApp printing;
    MainWindow& window =
        printing.Start(printing.App.WriteModel("frame.qsd", testing::PortalFrameObjects()));
    const QColor gridColour(153, 204, 204);
    const TGridObject& grid = window.Model()->ModelEditor().Grid();
    QCOMPARE(grid.GridType, std::uint16_t{kCartesianGrid});
    QVERIFY(testing::HasColour(window.Model()->View()->Picture(), gridColour, 0));

    printing.ChoosePdf(window, "model.pdf");
    printing.Print(window, kModelOnly);
    const std::vector<QImage> pages = testing::RasterisedPages(printing.Printed("model.pdf"), 100);
    QCOMPARE(pages.size(), std::size_t{1});
    QVERIFY(!testing::InkBox(pages[0]).isEmpty());
    QVERIFY(!testing::HasColour(pages[0], gridColour, 12));
    // The support triangles' green is there: the model was printed.
    QVERIFY(testing::HasColour(pages[0], QColor(0, 221, 0), 12));
    QCOMPARE(grid.GridType, std::uint16_t{kCartesianGrid});
    QVERIFY(testing::HasColour(window.Model()->View()->Picture(), gridColour, 0));
  }

  void ThePrintedModelCarriesTheBucklingModeShown() {
    PrintingApp printing;
    MainWindow& window =
        printing.Start(printing.App.WriteModel("frame.qsd", testing::PortalFrameObjects()));
    printing.ChoosePdf(window, "plain.pdf");
    printing.Print(window, kModelOnly);
    window.Model()->ShowBucklingButton()->trigger();
    QVERIFY(window.Model()->ShowsBuckling());
    printing.ChoosePdf(window, "mode.pdf");
    printing.Print(window, kModelOnly);
    const QImage plain = testing::RasterisedPages(printing.Printed("plain.pdf"), 100).at(0);
    const QImage mode = testing::RasterisedPages(printing.Printed("mode.pdf"), 100).at(0);
    QVERIFY(!testing::HasColour(plain, BucklingModeColour(), 12));
    QVERIFY(testing::HasColour(mode, BucklingModeColour(), 12));
  }

  void AVeryWideOrVeryTallModelFillsThePageOneWayAndIsCentredTheOther_data() {
    QTest::addColumn<bool>("wide");
    QTest::newRow("40 m beam") << true;
    QTest::newRow("40 m column") << false;
  }
  void AVeryWideOrVeryTallModelFillsThePageOneWayAndIsCentredTheOther() {
    QFETCH(bool, wide);
    PrintingApp printing;
    const double L = 40, BH = 0.11;
    const std::string end = wide ? "40;0" : "0;40";
    const std::string model = printing.App.WriteModel(
        "long.qsd",
        "1;1;0;0;0;-1\n1;2;" + end + ";0;-1\n2;1;1;2;True;True;False;;0;0;" + end + "\n");
    MainWindow& window = printing.Start(model);
    // Uneven margins: the printable area is 185 x 265 mm starting 10 mm from
    // the left and 20 mm from the top; the title takes its top 8 mm, and the
    // model fits the 185 x 257 mm below.
    printing.ChoosePdf(window, "long.pdf", {10, 20, 15, 12});
    printing.Print(window, kModelOnly);
    const std::vector<QImage> pages = testing::RasterisedPages(printing.Printed("long.pdf"), 50);
    QCOMPARE(pages.size(), std::size_t{1});
    const QRectF ink = Millimetres(InkBelow(pages[0], 20 + 8, 50), 50);

    // The extents hold the nodes with 2 BH around them: L + 4 BH along the
    // member, widened by 5 % each side. The drawn nodes reach BH / 2 beyond
    // the member's ends, so the ink starts (5 % of the box + 2 BH - BH / 2)
    // into the widened box and spans L + BH of it.
    const double box = L + 4 * BH, widened = 1.1 * box;
    const double start = (0.05 * box + 2 * BH - BH / 2) / widened;
    const double span = (L + BH) / widened;
    const QRectF area(10, 28, 185, 257);
    const double tolerance = 1.2; // mm: a pixel at 50 dpi, the outline and the shadow
    if (wide) {
      QVERIFY2(std::abs(ink.left() - (area.left() + start * area.width())) < tolerance,
               qPrintable(QString::number(ink.left())));
      QVERIFY2(std::abs(ink.width() - span * area.width()) < tolerance,
               qPrintable(QString::number(ink.width())));
      QVERIFY2(std::abs(ink.center().y() - area.center().y()) < tolerance,
               qPrintable(QString::number(ink.center().y())));
    } else {
      QVERIFY2(std::abs(ink.top() - (area.top() + start * area.height())) < tolerance,
               qPrintable(QString::number(ink.top())));
      QVERIFY2(std::abs(ink.height() - span * area.height()) < tolerance,
               qPrintable(QString::number(ink.height())));
      QVERIFY2(std::abs(ink.center().x() - area.center().x()) < tolerance,
               qPrintable(QString::number(ink.center().x())));
    }
  }

  void AReportLongerThanASheetPrintsOnAsManyPagesAsItNeeds() {
    PrintingApp printing;
    MainWindow& window =
        printing.Start(printing.App.WriteModel("frame.qsd", testing::PortalFrameObjects()));
    // 10-point lines, 1.2 em apart, in the 297 - 15 - 18 = 264 mm between the
    // margins: floor(264 / (1.2 * 10 * 25.4 / 72)) = 62 lines a sheet, so 130
    // lines take three sheets, the third beginning with line 125.
    window.Reports()->ChooseTemplateFile(printing.App.Folder.Write("Long.txt", Lines(130)));
    printing.ChoosePdf(window, "report.pdf");
    printing.Print(window, {false, false, true});
    const std::string report = printing.Printed("report.pdf");
    QCOMPARE(ReadPdfSummary(report).Pages, 3);
    std::vector<std::string> pages;
    std::string text = testing::PdfText(report);
    for (std::size_t feed; (feed = text.find('\f')) != std::string::npos;) {
      pages.push_back(text.substr(0, feed));
      text.erase(0, feed + 1);
    }
    QCOMPARE(pages.size(), std::size_t{3});
    QVERIFY(pages[0].find("Line 1\n") != std::string::npos);
    // Each sheet is numbered by its title line, not at its foot.
    QVERIFY(pages[0].find("Page 1 of 3") != std::string::npos);
    QVERIFY(pages[0].find("1/3") == std::string::npos);
    QVERIFY(pages[1].find("Line 124") != std::string::npos);
    QVERIFY(pages[1].find("Line 125") == std::string::npos);
    QVERIFY(pages[2].find("Line 125") != std::string::npos);
    QVERIFY(pages[2].find("Line 130") != std::string::npos);
    QVERIFY(pages[2].find("Page 3 of 3") != std::string::npos);
  }

  void AnEmptyModelGivesNoModelJob() {
    PrintingApp printing;
    MainWindow& window = printing.Start();
    printing.ChoosePdf(window, "empty.pdf");
    printing.Print(window, kModelOnly);
    QCOMPARE(printing.PrintedFiles(), std::vector<std::string>{});
    QVERIFY(printing.App.Messages.Entries.empty());
    // With the other items too: an empty model has no results to print
    // either, and says so once.
    printing.Print(window, kEverything);
    QCOMPARE(printing.PrintedFiles(), std::vector<std::string>{});
    QCOMPARE(printing.App.MessageTexts(),
             std::vector<std::string>{Translated(tr::kMsgAnalysisFailed)});
  }

  void AStructureThatCannotBeSolvedPrintsItsModelAndSaysWhyNotTheRest() {
    PrintingApp printing;
    MainWindow& window =
        printing.Start(printing.App.WriteModel("loose.qsd", testing::UnsupportedBeamObjects()));
    printing.ChoosePdf(window, "loose.pdf");
    printing.Print(window, kEverything);
    QCOMPARE(printing.PrintedFiles(), std::vector<std::string>{"loose.pdf"});
    QCOMPARE(ReadPdfSummary(printing.Printed("loose.pdf")).Title, std::string("loose.qsd - Model"));
    // One message, the analysis's own (with where the structure can move).
    const std::vector<std::string> messages = printing.App.MessageTexts();
    QCOMPARE(messages.size(), std::size_t{1});
    QVERIFY(messages[0].starts_with(Translated(tr::kMsgAnalysisFailed)));
  }

  void CancellingPrintsNothingAndKeepsTheBoxes() {
    PrintingApp printing;
    MainWindow& window =
        printing.Start(printing.App.WriteModel("frame.qsd", testing::PortalFrameObjects()));
    printing.ChoosePdf(window, "never.pdf");
    // The user ticks the report, then thinks better of it.
    printing.Dialogs->Inspect = [](TfPrintDialog& dialog) {
      dialog.PrintReportBox()->setChecked(true);
    };
    printing.Dialogs->PrintAnswers.push_back(std::nullopt);
    window.Menu().Print->trigger();
    QCOMPARE(printing.PrintedFiles(), std::vector<std::string>{});
    printing.Dialogs->Inspect = nullptr;
    printing.Dialogs->PrintAnswers.push_back(std::nullopt);
    window.Menu().Print->trigger();
    QCOMPARE(printing.Dialogs->OptionsShown.PrintReport, true);
    QCOMPARE(printing.Dialogs->OptionsShown.PrintModel, false);
    QCOMPARE(printing.PrintedFiles(), std::vector<std::string>{});
  }

  void WithoutAPrinterPrintAsksForOneAndACancelledSetUpPrintsNothing() {
    PrintingApp printing;
    MainWindow& window =
        printing.Start(printing.App.WriteModel("frame.qsd", testing::PortalFrameObjects()));
    // No printer and no file chosen: the set-up comes first, and is cancelled.
    printing.Print(window, kModelOnly);
    QCOMPARE(printing.Dialogs->SetupAsked, 1);
    QCOMPARE(printing.PrintedFiles(), std::vector<std::string>{});
    // Chosen there, the printing goes on.
    printing.Dialogs->SetupAnswers.push_back(PrinterChoice{printing.Printed("chosen.pdf")});
    printing.Print(window, kModelOnly);
    QCOMPARE(printing.Dialogs->SetupAsked, 2);
    QCOMPARE(printing.PrintedFiles(), std::vector<std::string>{"chosen.pdf"});
    // "Print Setup..." cancelled keeps the printer as it was.
    window.Menu().PrintSetup->trigger();
    QCOMPARE(printing.Dialogs->SetupAsked, 3);
    printing.Print(window, kModelOnly);
    QCOMPARE(printing.Dialogs->SetupAsked, 3);
    QCOMPARE(printing.PrintedFiles(), std::vector<std::string>{"chosen.pdf"});
  }

  void APrinterThatCannotPrintSaysSo() {
    PrintingApp printing;
    MainWindow& window =
        printing.Start(printing.App.WriteModel("frame.qsd", testing::PortalFrameObjects()));
    printing.Dialogs->SetupAnswers.push_back(
        PrinterChoice{printing.App.Folder.File("no such folder/x.pdf")});
    window.Menu().PrintSetup->trigger();
    printing.Print(window, kEverything);
    // One message for the first job; the others are not tried.
    QCOMPARE(printing.App.Messages.Entries.size(), std::size_t{1});
    QVERIFY(printing.App.Messages.Entries[0].Text.find("Could not print 'frame.qsd - Model'") !=
            std::string::npos);
    QVERIFY(!std::filesystem::exists(printing.App.Folder.File("no such folder")));
  }

  void ThePrintDialogOffersItsOptionsAndTheSetUp() {
    PrintingApp printing;
    MainWindow& window = printing.Start();
    bool inspected = false;
    printing.Dialogs->Inspect = [&](TfPrintDialog& dialog) {
      inspected = true;
      QCOMPARE(dialog.windowTitle(), QStringLiteral("Print"));
      QCOMPARE(dialog.OptionsFrame()->title(), QStringLiteral("Options"));
      QCOMPARE(dialog.PrintModelBox()->text(), QStringLiteral("Print model"));
      QCOMPARE(dialog.PrintFBDBox()->text(), QStringLiteral("Print FBD"));
      QCOMPARE(dialog.PrintReportBox()->text(), QStringLiteral("Print report"));
      QCOMPARE(dialog.SetupButton()->text(), QStringLiteral("Setup..."));
      QCOMPARE(dialog.PrintButton()->text(), QStringLiteral("Print"));
      QCOMPARE(dialog.CancelButton()->text(),
               QString::fromStdString(Translated(tr::kCancelButton)));
      QCOMPARE(dialog.PrintModelBox()->objectName(), QStringLiteral("CB_PrintModel"));
      QCOMPARE(dialog.PrintFBDBox()->objectName(), QStringLiteral("CB_PrintFBD"));
      QCOMPARE(dialog.PrintReportBox()->objectName(), QStringLiteral("CB_PrintReport"));
      // Enter prints; the Print button has the focus when the dialog opens.
      QVERIFY(dialog.PrintButton()->isDefault());
      QCOMPARE(dialog.focusWidget(), static_cast<QWidget*>(dialog.PrintButton()));
      QVERIFY(dialog.isModal());
      // Shown over the window, centred on it.
      dialog.show();
      QVERIFY(QTest::qWaitForWindowExposed(&dialog));
      const QPoint offset = dialog.frameGeometry().center() - window.frameGeometry().center();
      QVERIFY2(offset.manhattanLength() < 30,
               qPrintable(QString("%1 %2").arg(offset.x()).arg(offset.y())));
      dialog.SetupButton()->click();
    };
    printing.Dialogs->PrintAnswers.push_back(std::nullopt);
    window.Menu().Print->trigger();
    QVERIFY(inspected);
    // All boxes start off.
    QCOMPARE(printing.Dialogs->OptionsShown.PrintModel, false);
    QCOMPARE(printing.Dialogs->OptionsShown.PrintFBD, false);
    QCOMPARE(printing.Dialogs->OptionsShown.PrintReport, false);
    QCOMPARE(printing.Dialogs->SetupAsked, 1);
    QCOMPARE(window.Menu().Print->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
  }

  void PrintScreenPutsTheFramedWindowOnThePage() {
    PrintingApp printing;
    MainWindow& window =
        printing.Start(printing.App.WriteModel("frame.qsd", testing::PortalFrameObjects()));
    window.resize(900, 700);
    QTest::qWait(0);
    printing.ChoosePdf(window, "screen.pdf", {10, 10, 10, 10});
    window.Menu().PrintScreen->trigger();
    const PdfSummary summary = ReadPdfSummary(printing.Printed("screen.pdf"));
    QCOMPARE(summary.Pages, 1);
    QCOMPARE(summary.Title, std::string("frame.qsd - Print Screen"));
    const std::vector<QImage> pages = testing::RasterisedPages(printing.Printed("screen.pdf"), 100);
    QCOMPARE(pages.size(), std::size_t{1});
    // The printable area is 190 x 277 mm. f = min(0.8 * 190 / w, 0.8 * 277 / h):
    // a window wider than tall fills 80 % of the width, 152 mm, from 10 % in.
    const QSize shot = window.grab().size();
    const double f = std::min(0.8 * 190 / shot.width(), 0.8 * 277 / shot.height());
    const QRectF expected(10 + 19, 10 + 27.7, f * shot.width(), f * shot.height());
    const QRectF ink = Millimetres(testing::InkBox(pages[0]), 100);
    const QString where =
        QString("%1 %2 %3 %4").arg(ink.left()).arg(ink.top()).arg(ink.width()).arg(ink.height());
    QVERIFY2(std::abs(ink.left() - expected.left()) < 0.6, qPrintable(where));
    QVERIFY2(std::abs(ink.top() - expected.top()) < 0.6, qPrintable(where));
    QVERIFY2(std::abs(ink.width() - expected.width()) < 0.6, qPrintable(where));
    QVERIFY2(std::abs(ink.height() - expected.height()) < 0.6, qPrintable(where));
    // The frame is black along the picture's edge.
    const QPoint edge(testing::InkBox(pages[0]).left(), testing::InkBox(pages[0]).center().y());
    QVERIFY(pages[0].pixelColor(edge).lightness() < 80);
  }
};

STRANDEL_APP_TEST(PrintingTest);

} // namespace strandel

#include "printing_test.moc"
