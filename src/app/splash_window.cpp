#include "app/splash_window.h"

#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>

#include "render/fonts.h"

namespace strandel {

QPixmap SplashPicture() {
  QPixmap picture(kSplashWidth, kSplashHeight);
  picture.fill(Qt::black);
  QPainter painter(&picture);
  QSvgRenderer(QStringLiteral(":/icons/splash.svg")).render(&painter, picture.rect());
  QFont font(QString::fromStdString(SubstituteFamily(kSansFont)));
  font.setPixelSize(16);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(QPointF(kSplashWidth - 100, kSplashHeight - 22), QStringLiteral("Loading..."));
  return picture;
}

SplashWindow::SplashWindow()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), picture_(SplashPicture()) {
  setFixedSize(kSplashWidth, kSplashHeight);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(kSplashWidth / 2, kSplashHeight / 2));
  }
}

void SplashWindow::Start(std::function<void()> then) {
  QTimer::singleShot(kSplashMilliseconds, this, [this, then = std::move(then)] {
    close();
    if (then) then();
  });
}

void SplashWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture_);
}

} // namespace strandel
