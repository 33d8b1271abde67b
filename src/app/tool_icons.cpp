#include "app/tool_icons.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QRegularExpression>
#include <QString>
#include <QSvgRenderer>

namespace strandel {
namespace {

// The pictures are drawn for a light tool bar: dark ink, light fills. On a
// dark one every grey turns to its opposite, so the ink stays the contrast
// of its ground; colours keep their hue.
QByteArray ForDarkGround(QByteArray svg) {
  static const QRegularExpression grey(QStringLiteral("#([0-9a-fA-F]{2})\\1\\1\\b"));
  QString text = QString::fromUtf8(svg);
  QString out;
  qsizetype last = 0;
  for (auto match = grey.globalMatch(text); match.hasNext();) {
    const QRegularExpressionMatch found = match.next();
    out += text.mid(last, found.capturedStart() - last);
    const int level = 255 - found.captured(1).toInt(nullptr, 16);
    out += QStringLiteral("#%1%1%1").arg(level, 2, 16, QLatin1Char('0'));
    last = found.capturedEnd();
  }
  out += text.mid(last);
  return out.toUtf8();
}

} // namespace

bool DarkPalette(const QPalette& palette) {
  return palette.color(QPalette::Window).lightness() < 128;
}

QIcon ToolIcon(const char* name) {
  const QString path = QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name));
  if (!DarkPalette(QGuiApplication::palette())) return QIcon(path);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QIcon(path);
  QSvgRenderer renderer(ForDarkGround(file.readAll()));
  QIcon icon;
  // The sizes a tool bar asks for, on ordinary and doubled screens.
  for (const int side : {16, 24, 32, 48}) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

} // namespace strandel
