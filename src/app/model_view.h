#pragma once
// The drawing area of the model page: it hands pointer events to the editor in
// drawing-area pixels and draws the model, the grid and the editor's overlays.
// The model picture is kept between paints and drawn again only when the
// editor says the model changed; the cursor cross and the zoom rectangle are
// drawn over it at every paint.

#include <QImage>
#include <QWidget>

#include "analysis/analysis_outcome.h"
#include "editor/editor.h"
#include "model/app_settings.h"
#include "model/document.h"
#include "render/buckling_picture.h"

namespace strandel {

class PointEntry;

class ModelView : public QWidget {
  Q_OBJECT
public:
  ModelView(Editor& editor, const ModelDocument& doc, const AppSettings& settings,
            QWidget* parent = nullptr);

  // The model changed: the picture is drawn again at the next paint.
  void PictureChanged();
  // Only the overlays changed.
  void OverlayChanged();
  // The picture as the view shows it now, overlays included (tests, screenshots).
  QImage Snapshot();
  // The model's picture without the cursor cross and the zoom rectangle: what
  // is exported and copied.
  QImage Picture();

  // Rings the node and shows the freedom along which it can move, over the
  // picture, until the mark is cleared: while the user reads that the structure
  // is unstable, the place is in view. A node that is not there shows nothing.
  // The buckling mode drawn over the model while the results are valid; none
  // when null. The picture stays the caller's.
  void SetBuckling(const BucklingPicture* picture);
  void MarkNode(long number, Freedom freedom);
  void ClearMark();
  long MarkedNode() const { return markedNode_; }

  // The field a typed point goes into (PointEntry); it opens when a number is
  // typed while the editor wants a point.
  PointEntry* Entry() const { return entry_; }

signals:
  // A double click landed on an object: the window opens its property dialog.
  void ObjectDoubleClicked(strandel::ObjectKind kind, int index);
  // A right click with nothing under way: the window shows its menu of
  // commands at `global`; `kind` and `index` name the object under the
  // pointer (index -1: none).
  void MenuWanted(QPoint global, strandel::ObjectKind kind, int index);

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void enterEvent(QEnterEvent* event) override;

private:
  void DrawPicture();
  void DrawOverlays(QPainter& painter);
  void DrawNodeMark(QPainter& painter);

  Editor& editor_;
  const ModelDocument& doc_;
  const AppSettings& settings_;
  QImage picture_;
  bool pictureStale_ = true;
  bool sized_ = false;
  PointEntry* entry_ = nullptr;
  // Space held: a left drag pans, as the middle button's does.
  bool spaceHeld_ = false;
  bool grabbing_ = false;
  const BucklingPicture* buckling_ = nullptr;
  long markedNode_ = -1;
  Freedom markedFreedom_ = Freedom::None;
};

} // namespace strandel
