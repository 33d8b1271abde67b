#include "app/model_view.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWheelEvent>

#include "app/point_entry.h"
#include "render/cursor_overlay.h"
#include "render/model_picture.h"
#include "view/view_state.h"

namespace strandel {
namespace {

PointerButton ButtonOf(Qt::MouseButton button) {
  switch (button) {
  case Qt::RightButton:
    return PointerButton::Right;
  case Qt::MiddleButton:
    return PointerButton::Middle;
  default:
    return PointerButton::Left;
  }
}

PointerEvent EventOf(const QMouseEvent* event) {
  PointerEvent pointer;
  const QPoint at = event->position().toPoint();
  pointer.X = at.x();
  pointer.Y = at.y();
  pointer.Button = ButtonOf(event->button());
  pointer.LeftHeld = (event->buttons() & Qt::LeftButton) != 0;
  const Qt::KeyboardModifiers modifiers = event->modifiers();
  pointer.Modifiers = (modifiers & Qt::ShiftModifier ? kShiftKey : 0u) |
                      (modifiers & Qt::ControlModifier ? kControlKey : 0u) |
                      (modifiers & Qt::AltModifier ? kAltKey : 0u);
  return pointer;
}

// One notch of an ordinary wheel, in eighths of a degree.
constexpr double kWheelNotch = 120;

// The keys that begin a typed point: a number, a sign, a parenthesis, or the
// @ of a relative point. Letters stay the tools' shortcuts.
bool BeginsTypedPoint(const QString& text) {
  if (text.size() != 1) return false;
  const QChar c = text.front();
  return c.isDigit() || QStringLiteral("@-+.,(").contains(c);
}

// A control that takes typed text keeps its keys.
bool TypingElsewhere() {
  const QWidget* focus = QApplication::focusWidget();
  if (!focus) return false;
  if (qobject_cast<const QLineEdit*>(focus) || qobject_cast<const QAbstractSpinBox*>(focus))
    return true;
  const auto* box = qobject_cast<const QComboBox*>(focus);
  return box && box->isEditable();
}

} // namespace

ModelView::ModelView(Editor& editor, const ModelDocument& doc, const AppSettings& settings,
                     QWidget* parent)
    : QWidget(parent), editor_(editor), doc_(doc), settings_(settings) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::ClickFocus);
  setMinimumSize(40, 40);
  entry_ = new PointEntry(this);
}

void ModelView::PictureChanged() {
  pictureStale_ = true;
  update();
}

void ModelView::OverlayChanged() {
  update();
}

QImage ModelView::Snapshot() {
  if (pictureStale_ || picture_.size() != size()) DrawPicture();
  QImage shot = picture_.copy();
  QPainter painter(&shot);
  DrawOverlays(painter);
  return shot;
}

QImage ModelView::Picture() {
  if (pictureStale_ || picture_.size() != size()) DrawPicture();
  return picture_.copy();
}

void ModelView::paintEvent(QPaintEvent*) {
  if (pictureStale_ || picture_.size() != size()) DrawPicture();
  QPainter painter(this);
  painter.drawImage(0, 0, picture_);
  DrawOverlays(painter);
}

void ModelView::DrawPicture() {
  picture_ = QImage(size(), QImage::Format_RGB32);
  picture_.fill(Qt::white);
  QPainter painter(&picture_);
  ModelPictureOptions options;
  options.Grid = &editor_.Grid();
  options.GuideLine = editor_.GuideLine();
  options.UnfadedCase = editor_.UnfadedCase();
  if (buckling_ != nullptr && doc_.ResultsValid) options.Buckling = buckling_;
  // The editor's view follows the widget's size; the picture is drawn for it.
  ViewState view = editor_.View();
  view.Width = picture_.width();
  view.Height = picture_.height();
  DrawModel(painter, doc_, settings_, view, options);
  pictureStale_ = false;
}

void ModelView::SetBuckling(const BucklingPicture* picture) {
  buckling_ = picture;
  PictureChanged();
}

void ModelView::MarkNode(long number, Freedom freedom) {
  markedNode_ = number;
  markedFreedom_ = freedom;
  update();
}

void ModelView::ClearMark() {
  if (markedNode_ < 0) return;
  markedNode_ = -1;
  markedFreedom_ = Freedom::None;
  update();
}

void ModelView::DrawOverlays(QPainter& painter) {
  const TGridObject& grid = editor_.Grid();
  if (grid.CursorVisible) DrawCursorCross(painter, grid, editor_.View());
  if (const auto rectangle = editor_.ZoomRectangle())
    DrawZoomRectangle(painter, rectangle->first, rectangle->second);
  if (const auto box = editor_.SelectionRectangle())
    DrawSelectionBox(painter, box->Start, box->Corner, box->Crossing);
  DrawNodeMark(painter);
}

void ModelView::DrawNodeMark(QPainter& painter) {
  if (markedNode_ < 0) return;
  const TNodeObject* node = FindNode(doc_, markedNode_);
  if (!node) return;
  const PixelPoint at = ToScreen(editor_.View(), node->X, node->Y);
  const QPointF centre(at.X, at.Y);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(Qt::NoBrush);
  // A ring in the colour of a warning, wide enough to be found on a busy frame.
  const QColor red(220, 20, 20);
  painter.setPen(QPen(red, 3));
  constexpr double kRing = 14;
  painter.drawEllipse(centre, kRing, kRing);
  painter.setPen(QPen(red, 1.5));
  painter.drawEllipse(centre, kRing + 6, kRing + 6);
  // A double arrow along the freedom: the way the node can move.
  if (markedFreedom_ == Freedom::X || markedFreedom_ == Freedom::Y) {
    const QPointF along = markedFreedom_ == Freedom::X ? QPointF(1, 0) : QPointF(0, 1);
    const QPointF across(along.y(), along.x());
    constexpr double kFrom = kRing + 10, kTo = kRing + 34, kHead = 7;
    painter.setPen(QPen(red, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (int side : {-1, 1}) {
      const QPointF tip = centre + along * (side * kTo);
      painter.drawLine(centre + along * (side * kFrom), tip);
      const QPointF back = tip - along * (side * kHead);
      painter.drawLine(tip, back + across * kHead);
      painter.drawLine(tip, back - across * kHead);
    }
  }
  painter.restore();
}

void ModelView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const QSize size = event->size();
  if (size.isEmpty()) return;
  // The first real size is where the document's view is set up; later sizes
  // keep the centre of the view.
  if (!sized_) {
    sized_ = true;
    editor_.ResetView(size.width(), size.height());
  } else {
    editor_.Resize(size.width(), size.height());
  }
  pictureStale_ = true;
  if (entry_->IsOpen()) entry_->Place();
}

void ModelView::mouseMoveEvent(QMouseEvent* event) {
  editor_.PointerMove(EventOf(event));
}

void ModelView::mousePressEvent(QMouseEvent* event) {
  if (!entry_->IsOpen()) setFocus(Qt::MouseFocusReason);
  PointerEvent pointer = EventOf(event);
  if (pointer.Button == PointerButton::Left && spaceHeld_) {
    pointer.Button = PointerButton::Middle;
    grabbing_ = true;
  }
  if (pointer.Button == PointerButton::Middle) setCursor(Qt::ClosedHandCursor);
  if (pointer.Button == PointerButton::Right) {
    bool offered = false;
    const std::optional<PickedObject> picked = editor_.PrepareMenu(pointer, offered);
    if (offered) {
      emit MenuWanted(event->globalPosition().toPoint(), picked ? picked->Kind : ObjectKind::Node,
                      picked ? picked->Index : -1);
      return;
    }
  }
  editor_.Press(pointer);
}

void ModelView::mouseReleaseEvent(QMouseEvent* event) {
  PointerEvent pointer = EventOf(event);
  if (pointer.Button == PointerButton::Left && grabbing_) {
    pointer.Button = PointerButton::Middle;
    grabbing_ = false;
  }
  if (pointer.Button == PointerButton::Middle)
    setCursor(spaceHeld_ ? Qt::OpenHandCursor : Qt::ArrowCursor);
  editor_.Release(pointer);
}

void ModelView::wheelEvent(QWheelEvent* event) {
  const QPoint at = event->position().toPoint();
  PointerEvent pointer;
  pointer.X = at.x();
  pointer.Y = at.y();
  editor_.Wheel(pointer, event->angleDelta().y() / kWheelNotch);
  event->accept();
}

void ModelView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
    spaceHeld_ = true;
    setCursor(Qt::OpenHandCursor);
    return;
  }
  if (editor_.TakesTypedPoints() && BeginsTypedPoint(event->text())) {
    entry_->Open(event->text());
    return;
  }
  QWidget::keyPressEvent(event);
}

void ModelView::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
    spaceHeld_ = false;
    if (!grabbing_) setCursor(Qt::ArrowCursor);
    return;
  }
  QWidget::keyReleaseEvent(event);
}

void ModelView::enterEvent(QEnterEvent* event) {
  // Keys go where the pointer draws (Space, typed points), unless a field
  // is being typed in.
  if (!TypingElsewhere()) setFocus(Qt::MouseFocusReason);
  QWidget::enterEvent(event);
}

void ModelView::mouseDoubleClickEvent(QMouseEvent* event) {
  // Qt delivers the second click of a double click as this event alone; the
  // editor expects the double click followed by the press, which it ignores.
  // The dialog opens once the editor has taken both clicks.
  const PointerEvent pointer = EventOf(event);
  std::optional<PickedObject> picked;
  if (pointer.Button == PointerButton::Left) picked = editor_.DoubleClick(pointer);
  editor_.Press(pointer);
  if (picked) emit ObjectDoubleClicked(picked->Kind, picked->Index);
}

} // namespace strandel
