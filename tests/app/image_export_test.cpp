// The model's picture leaving the program: "Save Model as image..." writes a
// BMP file that reads back as the picture the Model page shows, "Copy Image to
// Clippboard" puts that picture on the clipboard, and the rules behind them
// and behind printing (names, the place of the window's picture on the page,
// the jobs the options give) hold for every case a user meets.

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QTest>
#include <filesystem>
#include <memory>

#include "app/app_fixture.h"
#include "app/app_test_registry.h"
#include "app/model_page.h"
#include "app/model_view.h"
#include "app/output_commands.h"
#include "app/output_rules.h"
#include "app/scripted_output_dialogs.h"
#include "common/text_entries.h"
#include "common/translation.h"

namespace strandel {

using testing::AppFixture;

namespace {

struct ExportingApp {
  MainWindow& Start(const std::string& model = {}) { return App.Start(model); }
  // "Save Model as image..." answered with `answer`.
  void SaveImage(MainWindow& window, std::optional<std::string> answer) {
    Dialogs->ImageAnswers.push_back(std::move(answer));
    window.Menu().SaveImage->trigger();
  }

  AppFixture App;
  testing::ScriptedOutputDialogs* Dialogs = &App.Output;
};

QImage Rgb(const QImage& image) {
  return image.convertToFormat(QImage::Format_RGB32);
}

std::string Read(const std::string& path) {
  return testing::ReadBytes(path);
}

} // namespace

class ImageExportTest : public QObject {
  Q_OBJECT
private slots:
  void TheSavedBmpReadsBackAsTheModelPicture() {
    ExportingApp exporting;
    MainWindow& window =
        exporting.Start(exporting.App.WriteModel("frame.qsd", testing::PortalFrameObjects()));
    const QImage picture = window.Model()->View()->Picture();
    QCOMPARE(picture.size(), window.Model()->View()->size());

    const std::string file = exporting.App.Folder.File("frame.bmp");
    exporting.SaveImage(window, file);
    // Offered where documents were last opened, under the document's name.
    QCOMPARE(exporting.Dialogs->ImageFolder, window.Settings().LastPath);
    QCOMPARE(exporting.Dialogs->ProposedImageName, std::string("frame.bmp"));

    const std::string bytes = Read(file);
    QCOMPARE(bytes.substr(0, 2), std::string("BM"));
    QImage read;
    QVERIFY(read.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                              static_cast<int>(bytes.size()), "BMP"));
    QCOMPARE(read.size(), picture.size());
    QCOMPARE(Rgb(read), Rgb(picture));
    QVERIFY(exporting.App.Messages.Entries.empty());
  }

  void AnUntitledModelProposesNonameBmpAndANameWithoutExtensionGetsOne() {
    ExportingApp exporting;
    MainWindow& window = exporting.Start();
    exporting.SaveImage(window, exporting.App.Folder.File("picture"));
    QCOMPARE(exporting.Dialogs->ProposedImageName, std::string("Noname.bmp"));
    QVERIFY(std::filesystem::exists(exporting.App.Folder.File("picture.bmp")));
    QVERIFY(!std::filesystem::exists(exporting.App.Folder.File("picture")));
    // An empty model still has its picture: white paper of the view's size.
    QImage read(QString::fromStdString(exporting.App.Folder.File("picture.bmp")));
    QCOMPARE(read.size(), window.Model()->View()->size());
  }

  void CancellingWritesNothingAndAnExistingFileIsReplacedOnlyWhenTheUserSaysSo() {
    ExportingApp exporting;
    MainWindow& window =
        exporting.Start(exporting.App.WriteModel("frame.qsd", testing::PortalFrameObjects()));
    const auto before = testing::FolderContents(exporting.App.Folder.Path());
    exporting.SaveImage(window, std::nullopt);
    QCOMPARE(exporting.Dialogs->ImageAsked, 1);
    QCOMPARE(testing::FolderContents(exporting.App.Folder.Path()), before);

    const std::string file = exporting.App.Folder.Write("kept.BMP", "the user's own picture");
    exporting.App.Messages.Answers = {MessageAnswer::No};
    exporting.SaveImage(window, file);
    QCOMPARE(exporting.App.MessageTexts(),
             std::vector<std::string>{Translated(tr::kMsgOverwriteFile)});
    QCOMPARE(Read(file), std::string("the user's own picture"));

    exporting.App.Messages.Answers = {MessageAnswer::Yes};
    exporting.SaveImage(window, file);
    QCOMPARE(Read(file).substr(0, 2), std::string("BM"));
  }

  void AFolderThatCannotBeWrittenSaysSoAndLeavesNothing() {
    ExportingApp exporting;
    MainWindow& window =
        exporting.Start(exporting.App.WriteModel("frame.qsd", testing::PortalFrameObjects()));
    const std::string file = exporting.App.Folder.File("no such folder/frame.bmp");
    exporting.SaveImage(window, file);
    QCOMPARE(exporting.App.Messages.Entries.size(), std::size_t{1});
    QVERIFY(!exporting.App.Messages.Entries[0].Question);
    QVERIFY(!std::filesystem::exists(exporting.App.Folder.File("no such folder")));
  }

  void TheClipboardHoldsTheModelPicture() {
    ExportingApp exporting;
    MainWindow& window =
        exporting.Start(exporting.App.WriteModel("frame.qsd", testing::PortalFrameObjects()));
    QGuiApplication::clipboard()->clear();
    QCOMPARE(window.Menu().CopyImage->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_I));
    QVERIFY(window.Menu().CopyImage->isEnabled());
    window.Menu().CopyImage->trigger();
    const QImage copied = QGuiApplication::clipboard()->image();
    const QImage picture = window.Model()->View()->Picture();
    QCOMPARE(copied.size(), picture.size());
    QCOMPARE(Rgb(copied), Rgb(picture));
    // The picture has the model on it, not only paper.
    QImage paper(picture.size(), QImage::Format_RGB32);
    paper.fill(Qt::white);
    QVERIFY(Rgb(copied) != paper);
  }

  void ACaptionAsATitleLosesItsAcceleratorAndDots_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("title");
    QTest::newRow("accelerator and dots") << "&Print..."
                                          << "Print";
    QTest::newRow("accelerator inside") << "Copy &Image to Clippboard"
                                        << "Copy Image to Clippboard";
    QTest::newRow("dots and a blank") << "Print Setup... "
                                      << "Print Setup";
    QTest::newRow("plain") << "Model"
                           << "Model";
    QTest::newRow("only dots") << "..."
                               << "";
  }
  void ACaptionAsATitleLosesItsAcceleratorAndDots() {
    QFETCH(QString, caption);
    QFETCH(QString, title);
    QCOMPARE(QString::fromStdString(PlainCaption(caption.toStdString())), title);
  }

  void TheFileWrittenAlwaysEndsInBmp_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("lower case") << "/d/a.bmp"
                                << "/d/a.bmp";
    QTest::newRow("upper case kept") << "/d/a.BMP"
                                     << "/d/a.BMP";
    QTest::newRow("none") << "/d/a"
                          << "/d/a.bmp";
    QTest::newRow("another picture type") << "/d/a.png"
                                          << "/d/a.png.bmp";
  }
  void TheFileWrittenAlwaysEndsInBmp() {
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QCOMPARE(QString::fromStdString(ImageFileToWrite(chosen.toStdString())), written);
  }

  void TheWindowPictureTakesEightyPercentAlongItsTighterDirection_data() {
    QTest::addColumn<double>("pageW");
    QTest::addColumn<double>("pageH");
    QTest::addColumn<double>("imageW");
    QTest::addColumn<double>("imageH");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    // 1000 x 1400 page, 800 x 600 window: 0.8 * 1000 / 800 = 1.0 against
    // 0.8 * 1400 / 600 = 1.87, so the width decides: 800 x 600.
    QTest::newRow("wide window, tall page") << 1000.0 << 1400.0 << 800.0 << 600.0 << 800.0 << 600.0;
    // 1400 x 1000 page, 500 x 1000 window: 2.24 against 0.8, height decides.
    QTest::newRow("tall window, wide page")
        << 1400.0 << 1000.0 << 500.0 << 1000.0 << 400.0 << 800.0;
    // A 4000 x 3000 window on 1000 x 1000: shrunk by 0.2.
    QTest::newRow("shrunk") << 1000.0 << 1000.0 << 4000.0 << 3000.0 << 800.0 << 600.0;
    QTest::newRow("no picture") << 1000.0 << 1000.0 << 0.0 << 300.0 << 0.0 << 0.0;
  }
  void TheWindowPictureTakesEightyPercentAlongItsTighterDirection() {
    QFETCH(double, pageW);
    QFETCH(double, pageH);
    QFETCH(double, imageW);
    QFETCH(double, imageH);
    QFETCH(double, width);
    QFETCH(double, height);
    const PageRectangle place = WindowPicturePlace(pageW, pageH, imageW, imageH);
    QCOMPARE(place.X, 0.1 * pageW);
    QCOMPARE(place.Y, 0.1 * pageH);
    QVERIFY(std::abs(place.Width - width) < 1e-9);
    QVERIFY(std::abs(place.Height - height) < 1e-9);
  }
};

STRANDEL_APP_TEST(ImageExportTest);

} // namespace strandel

#include "image_export_test.moc"
