#include "app/sheet_area.h"

#include <QPainter>
#include <QResizeEvent>

namespace strandel {

SheetArea::SheetArea(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(40, 40);
  view_ = FitSheet(width(), height());
}

void SheetArea::Scroll(double mm) {
  view_.OffsetY += mm;
  ContentChanged();
}

void SheetArea::ContentChanged() {
  stale_ = true;
  update();
}

QImage SheetArea::Snapshot() {
  if (stale_ || picture_.size() != size()) DrawPicture();
  return picture_.copy();
}

void SheetArea::DrawPicture() {
  picture_ = QImage(size(), QImage::Format_RGB32);
  picture_.fill(QColor(0x80, 0x80, 0x80));
  if (Painter) {
    QPainter painter(&picture_);
    Painter(painter, size(), view_);
  }
  stale_ = false;
}

void SheetArea::paintEvent(QPaintEvent*) {
  if (stale_ || picture_.size() != size()) DrawPicture();
  QPainter painter(this);
  painter.drawImage(0, 0, picture_);
}

void SheetArea::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // A new size fits the sheet's width again and starts at its top.
  view_ = FitSheet(event->size().width(), event->size().height());
  stale_ = true;
}

} // namespace strandel
