#pragma once
// The drawing area of the Analysis and Reports pages: a grey area showing an
// A4 sheet, fitted to the width of the area. What is on the sheet is drawn by
// the page's painter; the area keeps the scale and the vertical offset.

#include <QImage>
#include <QWidget>
#include <functional>

#include "app/sheet_view.h"

namespace strandel {

class SheetArea : public QWidget {
  Q_OBJECT
public:
  explicit SheetArea(QWidget* parent = nullptr);

  const SheetView& View() const { return view_; }
  // Moves the sheet up (positive) or down by so many millimetres and redraws.
  void Scroll(double mm);
  // The content changed: the picture is drawn again.
  void ContentChanged();
  QImage Snapshot();

  // Draws the page onto a picture of `size` pixels with the given view.
  std::function<void(QPainter&, QSize, const SheetView&)> Painter;

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  void DrawPicture();

  SheetView view_;
  QImage picture_;
  bool stale_ = true;
};

} // namespace strandel
