#include "cli/gui_session.h"

#include <cstdio>
#include <cstdlib>

#include <QGuiApplication>

namespace strandel::cli {
namespace {

// Qt's own chatter (a missing runtime folder on a build server, font fallbacks)
// means nothing to the user of a script; only its real failures are shown.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    std::fprintf(stderr, "strandel-cli: %s\n", message.toLocal8Bit().constData());
}

} // namespace

GuiSession::GuiSession() {
  qInstallMessageHandler(QuietMessages);
  const char* display = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  const bool hasDisplay = (display != nullptr && *display) || (wayland != nullptr && *wayland);
  // A platform the user chose stays; otherwise no display means no window system.
  if (!hasDisplay && std::getenv("QT_QPA_PLATFORM") == nullptr)
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  application_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

GuiSession::~GuiSession() = default;

} // namespace strandel::cli
