#pragma once
// The drawing area of the Analysis and Reports pages: A4 sheets one below the
// other on a grey desk, fitted to the width of the area, with a vertical scroll
// bar, the wheel and the keys Up, Down, Page Up, Page Down, Home and End to move
// through them, never past the top of the first sheet or the foot of the last.
// What is on a sheet is drawn by the page; the area keeps the scale and the offset.

#include <QAbstractScrollArea>
#include <QImage>
#include <functional>

#include "app/sheet_view.h"
#include "view/view_state.h"

namespace strandel {

class SheetArea : public QAbstractScrollArea {
  Q_OBJECT
public:
  explicit SheetArea(QWidget* parent = nullptr);

  const SheetView& View() const { return view_; }
  int SheetCount() const { return count_; }
  // The offsets the view may take now.
  OffsetRange Range() const;
  // Moves the sheets down the view (positive: towards the top of the first)
  // by so many millimetres, within the range, and redraws.
  void Scroll(double mm);
  void ScrollToTop();
  void ScrollToEnd();
  // Up and Down scroll a step, Page Up and Page Down a view less a step, Home
  // and End to the top and the foot; false for any other key.
  bool ScrollKey(int key);
  // The content changed (and with it perhaps the number of sheets): the view
  // stays where it was as far as the new content allows, and is drawn again.
  void ContentChanged();
  // The picture of the view as it is shown.
  QImage Snapshot();

  // How many sheets the page has now; one when not given.
  std::function<int()> CountSheets;
  // Draws sheet `sheet` (from 0) through `paper`, the sheet's own page units
  // mapped onto the view. The painter is clipped to the sheet's band of the view.
  std::function<void(QPainter&, int sheet, const ViewState& paper)> PaintSheet;

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

private:
  double ViewHeight() const;
  void SetOffset(double offsetY);
  void SyncScrollBar();
  void DrawPicture();

  SheetView view_;
  double viewHeight_ = 0; // mm, as the view was last laid out
  int count_ = 1;
  QImage picture_;
  bool stale_ = true;
  bool syncing_ = false;
};

} // namespace strandel
