// The user guide: every page the contents name, every link between pages and
// every picture exists, and the help window follows a link inside itself.

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

#include "app/app_test_registry.h"
#include "app/help_browser.h"

namespace strandel {

namespace {

QString HelpFolder() {
  return QStringLiteral(STRANDEL_SOURCE_DIR "/data/Help/");
}

QString ReadPage(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

} // namespace

class HelpGuideTest : public QObject {
  Q_OBJECT
private slots:
  void EveryLinkAndPictureExists() {
    const QStringList pages = QDir(HelpFolder()).entryList({QStringLiteral("*.html")});
    QVERIFY(pages.contains(QStringLiteral("index.html")));
    QVERIFY(pages.size() >= 10);
    const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"#]+)\""));
    int pictures = 0;
    for (const QString& page : pages) {
      const QString text = ReadPage(HelpFolder() + page);
      QVERIFY2(text.contains(QStringLiteral("<title>")), qPrintable(page));
      for (auto match = reference.globalMatch(text); match.hasNext();) {
        const QString target = match.next().captured(1);
        QVERIFY2(QFile::exists(HelpFolder() + target), qPrintable(page + ": " + target));
        pictures += target.endsWith(QStringLiteral(".png"));
      }
    }
    // Screenshots of the program itself.
    QVERIFY(pictures >= 2);
  }

  void TheHelpWindowFollowsLinks() {
    HelpBrowser help;
    QVERIFY(help.ShowPage(FromQt(HelpFolder()) + "index.html"));
    QVERIFY(help.Browser()->toPlainText().contains(QStringLiteral("Contents")));
    help.Browser()->setSource(QUrl(QStringLiteral("drawing.html")));
    QVERIFY(help.Browser()->toPlainText().contains(QStringLiteral("Create beam")));
    QVERIFY(help.Browser()->isBackwardAvailable());
    help.Browser()->backward();
    QVERIFY(help.Browser()->source().toString().endsWith(QStringLiteral("index.html")));
    // A guide that is not installed says which file is missing.
    QVERIFY(!help.ShowPage("/nowhere/index.html"));
    QVERIFY(help.Browser()->toPlainText().contains(QStringLiteral("/nowhere/index.html")));
  }

private:
  static std::string FromQt(const QString& text) { return text.toStdString(); }
};

STRANDEL_APP_TEST(HelpGuideTest);

} // namespace strandel

#include "help_guide_test.moc"
