// strandel: the desktop program. Shows the splash while the main window is
// made, opens the model named by the first argument, and runs the window.

#include <QApplication>
#include <QIcon>
#include <QSize>

#include "app/app_environment.h"
#include "app/main_window.h"
#include "app/qt_file_dialogs.h"
#include "app/qt_messages.h"
#include "app/qt_output_dialogs.h"
#include "app/splash_window.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Strandel"));
  QApplication::setApplicationVersion(QStringLiteral(STRANDEL_VERSION));
  QIcon icon(QStringLiteral(":/icons/strandel.svg"));
  icon.addFile(QStringLiteral(":/icons/strandel-16.svg"), QSize(16, 16));
  icon.addFile(QStringLiteral(":/icons/strandel-24.svg"), QSize(24, 24));
  QApplication::setWindowIcon(icon);

  strandel::SplashWindow splash;
  splash.show();
  QApplication::processEvents();

  strandel::QtMessages messages;
  strandel::QtFileDialogs fileDialogs;
  strandel::QtOutputDialogs outputDialogs;
  const QStringList arguments = QApplication::arguments();
  const std::string firstArgument = arguments.size() > 1 ? arguments.at(1).toStdString() : "";
  strandel::MainWindow window(strandel::AppEnvironment::OfRunningProgram(), messages, fileDialogs,
                              outputDialogs, firstArgument);
  messages.SetParent(&window);
  fileDialogs.SetParent(&window);

  splash.Start([&window] {
    window.show();
    window.OfferRecovery();
  });
  return QApplication::exec();
}
