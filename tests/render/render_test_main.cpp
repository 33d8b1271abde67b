// The drawing tests need Qt's GUI machinery for fonts: one application on the
// offscreen platform for the whole run, whatever display the machine has.

#include <cstdlib>

#include <gtest/gtest.h>

#include <QGuiApplication>

namespace {

// Qt's notes about the platform (a missing runtime folder) are not test results.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  qInstallMessageHandler(QuietMessages);
  QGuiApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
