#include "app/sheet_area.h"

#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <cmath>

#include "render/pixel_mapping.h"

namespace strandel {
namespace {

const QColor kDesk(0x80, 0x80, 0x80);

} // namespace

SheetArea::SheetArea(QWidget* parent) : QAbstractScrollArea(parent) {
  setFrameShape(QFrame::NoFrame);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  // The window's keys scroll the sheets; the area itself never takes the focus
  // from the page's list.
  setFocusPolicy(Qt::NoFocus);
  setMinimumSize(40, 40);
  view_ = FitSheet(viewport()->width(), viewport()->height());
  viewHeight_ = ViewHeight();
  SyncScrollBar();
}

double SheetArea::ViewHeight() const {
  return viewport()->height() / view_.Scale;
}

OffsetRange SheetArea::Range() const {
  return ScrollRange(count_, ViewHeight());
}

void SheetArea::SetOffset(double offsetY) {
  const OffsetRange range = Range();
  view_.OffsetY = std::clamp(offsetY, range.Lowest, range.Highest);
  SyncScrollBar();
  stale_ = true;
  viewport()->update();
}

void SheetArea::Scroll(double mm) {
  SetOffset(view_.OffsetY + mm);
}

void SheetArea::ScrollToTop() {
  SetOffset(Range().Highest);
}

void SheetArea::ScrollToEnd() {
  SetOffset(Range().Lowest);
}

bool SheetArea::ScrollKey(int key) {
  // A page keeps one step of what was in view, so the eye finds its place.
  const double page = std::max(ViewHeight() - kSheetScrollStepMm, kSheetScrollStepMm);
  switch (key) {
  case Qt::Key_Up:
    Scroll(kSheetScrollStepMm);
    return true;
  case Qt::Key_Down:
    Scroll(-kSheetScrollStepMm);
    return true;
  case Qt::Key_PageUp:
    Scroll(page);
    return true;
  case Qt::Key_PageDown:
    Scroll(-page);
    return true;
  case Qt::Key_Home:
    ScrollToTop();
    return true;
  case Qt::Key_End:
    ScrollToEnd();
    return true;
  default:
    return false;
  }
}

void SheetArea::SyncScrollBar() {
  // The bar counts pixels down from the top of the first sheet.
  const OffsetRange range = Range();
  QScrollBar* bar = verticalScrollBar();
  syncing_ = true;
  bar->setRange(0, static_cast<int>(std::lround((range.Highest - range.Lowest) * view_.Scale)));
  bar->setPageStep(viewport()->height());
  bar->setSingleStep(std::max(1, static_cast<int>(std::lround(kSheetScrollStepMm * view_.Scale))));
  bar->setValue(static_cast<int>(std::lround((range.Highest - view_.OffsetY) * view_.Scale)));
  syncing_ = false;
}

void SheetArea::scrollContentsBy(int, int) {
  // The bar moved by the user (dragged, clicked, the wheel): the view follows.
  if (syncing_) return;
  const OffsetRange range = Range();
  view_.OffsetY = std::clamp(range.Highest - verticalScrollBar()->value() / view_.Scale,
                             range.Lowest, range.Highest);
  stale_ = true;
  viewport()->update();
}

void SheetArea::ContentChanged() {
  count_ = CountSheets ? std::max(1, CountSheets()) : 1;
  SetOffset(view_.OffsetY);
}

QImage SheetArea::Snapshot() {
  if (stale_ || picture_.size() != viewport()->size()) DrawPicture();
  return picture_.copy();
}

void SheetArea::DrawPicture() {
  const QSize size = viewport()->size();
  picture_ = QImage(size, QImage::Format_RGB32);
  picture_.fill(kDesk);
  if (PaintSheet) {
    QPainter painter(&picture_);
    for (int sheet = 0; sheet < count_; ++sheet) {
      const ViewState paper =
          PageView(view_.Scale, 0, SheetOffset(view_, sheet), size.width(), size.height());
      // The sheet's band: the sheet and half the desk either side of it.
      const int top = static_cast<int>(PixelOf(paper, 0, kSheetHeightMm + kSheetGapMm / 2).y());
      const int bottom = static_cast<int>(PixelOf(paper, 0, -kSheetGapMm / 2).y());
      const QRect band = QRect(0, top, size.width(), bottom - top).intersected(picture_.rect());
      if (band.isEmpty()) continue;
      painter.save();
      painter.setClipRect(band);
      PaintSheet(painter, sheet, paper);
      painter.restore();
    }
  }
  stale_ = false;
}

void SheetArea::paintEvent(QPaintEvent*) {
  if (stale_ || picture_.size() != viewport()->size()) DrawPicture();
  QPainter painter(viewport());
  painter.drawImage(0, 0, picture_);
}

void SheetArea::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  // The sheets fit the new width; what was at the top of the view stays there.
  const double belowTop = kSheetHeightMm - (view_.OffsetY + viewHeight_);
  view_.Scale = std::max(1, viewport()->width()) / kSheetWidthMm;
  viewHeight_ = ViewHeight();
  SetOffset(kSheetHeightMm - belowTop - viewHeight_);
}

} // namespace strandel
