#include "editor/editor.h"

#include <cmath>

#include "common/text_entries.h"
#include "common/user_message.h"
#include "editor/snap.h"
#include "view/model_extents.h"

namespace strandel {
namespace {

// The size settings stay within these bounds (model length units), so that
// repeated clicks cannot make the tolerances vanish or overflow.
constexpr double kSmallestSize = 1e-6;
constexpr double kLargestSize = 1e6;

} // namespace

Editor::Editor(ModelDocument& doc, const AppSettings& settings, EditorHost& host,
               DocumentChanges& changes)
    : doc_(doc), settings_(settings), host_(host), changes_(changes) {
  grid_.LengthFactor = UnitFactor(settings_.Units, Quantity::Length);
}

void Editor::ResetView(int width, int height) {
  state_ = EditorState{};
  EndViewModes();
  grid_.CursorVisible = false;
  grid_.Spacing = 0.1;
  grid_.GridType = kCartesianGrid;
  SetInitialView(view_, width, height);
  ZoomToBox(view_, ModelExtents(doc_));
  RequestRepaint();
  RefreshAll();
}

void Editor::Resize(int width, int height) {
  ResizeView(view_, width, height);
  RequestRepaint();
  host_.RefreshStatusBar();
}

void Editor::UnitsChanged() {
  grid_.LengthFactor = UnitFactor(settings_.Units, Quantity::Length);
  RequestRepaint();
  host_.RefreshStatusBar();
}

void Editor::RequestRepaint() {
  // The snap step is the spacing of the lines on screen, so it follows every
  // change of the view.
  UpdateGridSpacing(grid_, view_.Scale);
  host_.Repaint();
}

void Editor::RefreshAll() {
  host_.RefreshToolButtons();
  host_.RefreshStatusBar();
}

void Editor::ShowCursor(bool show) {
  if (grid_.CursorVisible == show) return;
  grid_.CursorVisible = show;
  host_.RepaintOverlay();
}

void Editor::EndViewModes() {
  view_.ZoomWindowActive = false;
  view_.PanActive = false;
  view_.DragStart.reset();
  view_.DragCorner.reset();
}

Point2 Editor::SnapPointer(PixelPoint pixel) {
  UpdateGridSpacing(grid_, view_.Scale);
  const Point2 raw = ToModel(view_, pixel.X, pixel.Y);
  const int m = state_.Mode;
  const bool alongBeam = m == mode::kLoadStart || m == mode::kLoadEnd ||
                         m == mode::kForcePosition || m == mode::kMomentPosition;
  if (alongBeam) {
    if (const TBeamObject* beam = FindBeam(doc_, state_.PlacingBeam))
      return SnapOntoBeam(doc_, grid_, *beam, raw, Tolerance());
  }
  // Nothing snaps onto the beam being drawn, also while a grid definition
  // interrupts it.
  SnapExclusions exclusions;
  if (const TBeamObject* beam = HalfMade<TBeamObject>()) exclusions.Beam = beam->Number;
  return Snap(doc_, grid_, raw, SnapFlagsOfMode(m), Tolerance(), exclusions);
}

void Editor::UpdateCursor(PixelPoint pixel) {
  const Point2 snapped = SnapPointer(pixel);
  if (snapped == grid_.Cursor) return;
  grid_.Cursor = snapped;
  UpdateCursorCoordinates(grid_);
  UpdatePlacedObject(ToModel(view_, pixel.X, pixel.Y));
  const bool cursorMode = ShowsCursor(state_.Mode);
  if (RepaintsOnMove(state_.Mode)) {
    grid_.CursorVisible = grid_.CursorVisible || cursorMode;
    RequestRepaint();
  } else if (cursorMode) {
    grid_.CursorVisible = true;
    host_.RepaintOverlay();
  }
  host_.RefreshStatusBar();
}

void Editor::PointerMove(const PointerEvent& event) {
  const PixelPoint pixel{event.X, event.Y};
  if (view_.GrabStart) {
    PanFrom(view_, *view_.GrabStart, view_.GrabView, pixel);
    RequestRepaint();
    return;
  }
  if (view_.ZoomWindowActive) {
    if (view_.DragStart && event.LeftHeld) {
      view_.DragCorner = pixel;
      host_.RepaintOverlay();
    }
    return;
  }
  if (view_.PanActive) {
    if (view_.DragStart && event.LeftHeld) {
      PanTo(view_, pixel);
      RequestRepaint();
    }
    return;
  }
  if (state_.Mode == mode::kIdle && state_.DragNode != 0 && event.LeftHeld) {
    DragNodeTo(pixel);
    return;
  }
  if (state_.BoxStart && event.LeftHeld) {
    state_.BoxCorner = pixel;
    host_.RepaintOverlay();
    return;
  }
  UpdateCursor(pixel);
}

void Editor::Press(const PointerEvent& event) {
  const PixelPoint pixel{event.X, event.Y};
  if (event.Button == PointerButton::Middle) {
    // The view moves under whatever is under way; the operation goes on.
    view_.GrabStart = pixel;
    view_.GrabView = view_.Current();
    return;
  }
  if (event.Button == PointerButton::Right) {
    if (view_.ZoomWindowActive || view_.PanActive) return;
    RightPressInMode();
    host_.RefreshStatusBar();
    return;
  }
  if (event.Button != PointerButton::Left) return;
  if (state_.IgnoreNextPress) {
    state_.IgnoreNextPress = false;
    return;
  }
  if (view_.ZoomWindowActive) {
    view_.DragStart = pixel;
    view_.DragCorner = pixel;
    return;
  }
  if (view_.PanActive) {
    view_.DragStart = pixel;
    view_.PanStart = view_.Current();
    return;
  }
  // The press acts where the pointer is, even when no move announced it.
  state_.PressModifiers = event.Modifiers;
  UpdateCursor(pixel);
  LeftPressInMode(pixel);
  host_.RefreshStatusBar();
}

void Editor::Release(const PointerEvent& event) {
  if (event.Button == PointerButton::Middle) {
    if (!view_.GrabStart) return;
    PanFrom(view_, *view_.GrabStart, view_.GrabView, {event.X, event.Y});
    view_.GrabStart.reset();
    RequestRepaint();
    FollowPointer({event.X, event.Y});
    return;
  }
  if (event.Button != PointerButton::Left) return;
  if (view_.ZoomWindowActive && view_.DragStart) {
    const PixelPoint start = *view_.DragStart;
    const PixelPoint corner{event.X, event.Y};
    view_.DragStart.reset();
    view_.DragCorner.reset();
    if (ZoomToRectangle(view_, start, corner)) {
      view_.ZoomWindowActive = false;
      RequestRepaint();
      RefreshAll();
    } else {
      host_.RepaintOverlay();
    }
    return;
  }
  if (view_.PanActive && view_.DragStart) {
    PanTo(view_, {event.X, event.Y});
    EndViewModes();
    RequestRepaint();
    RefreshAll();
    return;
  }
  if (state_.DragNode != 0) EndDrag(true);
  if (state_.BoxStart) FinishSelectionBox({event.X, event.Y});
}

void Editor::KeyPress(EditorKey key) {
  switch (key) {
  case EditorKey::Delete:
    Delete();
    break;
  case EditorKey::Escape:
    CancelOperation();
    RefreshAll();
    break;
  }
}

void Editor::ZoomIn() {
  EndViewModes();
  host_.RefreshToolButtons();
  ShowCursor(false);
  ZoomAboutCentre(view_, 1 / kZoomStep);
  RequestRepaint();
}

void Editor::ZoomOut() {
  EndViewModes();
  host_.RefreshToolButtons();
  ShowCursor(false);
  ZoomAboutCentre(view_, kZoomStep);
  RequestRepaint();
}

void Editor::Wheel(const PointerEvent& at, double steps) {
  if (!std::isfinite(steps) || steps == 0) return;
  if (!ZoomAboutPixel(view_, std::pow(kZoomStep, -steps), {at.X, at.Y})) return;
  RequestRepaint();
  FollowPointer({at.X, at.Y});
}

void Editor::FollowPointer(PixelPoint pixel) {
  // The model point under the pointer stayed; the snapped cursor may not have.
  if (view_.ZoomWindowActive || view_.PanActive || state_.DragNode != 0) {
    host_.RefreshStatusBar();
    return;
  }
  UpdateCursor(pixel);
  host_.RefreshStatusBar();
}

void Editor::SetGridStep(double step) {
  grid_.SetStep = std::isfinite(step) && step > 0 ? step : 0;
  RequestRepaint();
  host_.RefreshStatusBar();
}

void Editor::ZoomWindow(bool on) {
  EndViewModes();
  if (on) {
    view_.ZoomWindowActive = true;
    ShowCursor(false);
  }
  RefreshAll();
}

void Editor::ZoomExtents() {
  ZoomToBox(view_, ModelExtents(doc_));
  RequestRepaint();
  host_.RefreshStatusBar();
}

void Editor::ZoomBack() {
  if (view_.PanActive) {
    view_.PanActive = false;
    view_.DragStart.reset();
  }
  host_.RefreshToolButtons();
  if (view_.ZoomWindowActive && view_.DragStart) return;
  if (!PopZoomHistory(view_)) return;
  view_.ZoomWindowActive = false;
  RequestRepaint();
  RefreshAll();
}

void Editor::Pan(bool on) {
  EndViewModes();
  view_.PanActive = on;
  RefreshAll();
}

bool Editor::ScaleSize(double& size, double factor) {
  const double scaled = size * factor;
  if (!(scaled >= kSmallestSize && scaled <= kLargestSize)) return false;
  size = scaled;
  return true;
}

// The drawing sizes are stored with the document, so each click is a step; the
// results still hold. A half-made object must not become part of that step.
void Editor::BeamScaleUp() {
  CancelOperation();
  if (ScaleSize(doc_.Settings.BeamHeight, kZoomStep))
    changes_.Finish(tr::kStepBeamSize, kMarksModified);
}
void Editor::BeamScaleDown() {
  CancelOperation();
  if (ScaleSize(doc_.Settings.BeamHeight, 1 / kZoomStep))
    changes_.Finish(tr::kStepBeamSize, kMarksModified);
}
void Editor::LoadScaleUp() {
  CancelOperation();
  if (ScaleSize(doc_.Settings.LoadHeight, kZoomStep))
    changes_.Finish(tr::kStepLoadSize, kMarksModified);
}
void Editor::LoadScaleDown() {
  CancelOperation();
  if (ScaleSize(doc_.Settings.LoadHeight, 1 / kZoomStep))
    changes_.Finish(tr::kStepLoadSize, kMarksModified);
}

// The exaggeration of the displaced shape is a way of looking at the results,
// not part of the model: no step, no modified mark.
void Editor::DisplacementScaleUp(double shownScale) {
  // 0 stands for the automatic scale; the buttons step from what is shown.
  if (doc_.DisplacementScale == 0 && shownScale > 0) doc_.DisplacementScale = shownScale;
  if (ScaleSize(doc_.DisplacementScale, kZoomStep)) RequestRepaint();
}

void Editor::DisplacementScaleDown(double shownScale) {
  if (doc_.DisplacementScale == 0 && shownScale > 0) doc_.DisplacementScale = shownScale;
  if (ScaleSize(doc_.DisplacementScale, 1 / kZoomStep)) RequestRepaint();
}

ToolButtonStates Editor::ToolButtons() const {
  return {ToolOfMode(state_.Mode), view_.ZoomWindowActive, view_.PanActive,
          doc_.ShowDisplacements,  doc_.ShowUtilisation,   grid_.GridType};
}

std::string Editor::StatusText() const {
  return ModeInstruction(state_.Mode, view_.ZoomWindowActive, view_.PanActive,
                         settings_.LastPath + doc_.FileName);
}

CoordinateTexts Editor::StatusCoordinates() const {
  std::optional<double> direction;
  if (SetsDirection(state_.Mode)) {
    if (const GraphObject* object = HalfMadeObject()) {
      std::visit(
          [&](const auto& o) {
            using T = std::decay_t<decltype(o)>;
            if constexpr (std::is_same_v<T, TLoadObject> || std::is_same_v<T, TForceObject> ||
                          std::is_same_v<T, TMomentObject>)
              direction = o.Angle;
          },
          *object);
    }
  }
  return CursorCoordinateTexts(grid_, settings_.Units, direction);
}

const GraphObject* Editor::HalfMadeObject() const {
  return ObjectAt<GraphObject>(doc_, state_.NewObjectIndex);
}

GraphObject* Editor::HalfMadeEntry() {
  return const_cast<GraphObject*>(std::as_const(*this).HalfMadeObject());
}

std::optional<std::pair<Point2, Point2>> Editor::GuideLine() const {
  const int m = state_.Mode;
  if (m != mode::kAlignSecond && m != mode::kAngulatedSecond && m != mode::kPolarSecond &&
      m != mode::kCopyTarget && m != mode::kMirrorSecond)
    return std::nullopt;
  return std::make_pair(state_.FirstPoint, grid_.Cursor);
}

std::optional<std::pair<PixelPoint, PixelPoint>> Editor::ZoomRectangle() const {
  if (!view_.ZoomWindowActive || !view_.DragStart || !view_.DragCorner) return std::nullopt;
  return std::make_pair(*view_.DragStart, *view_.DragCorner);
}

std::uint16_t Editor::ActiveCase() const {
  const std::vector<TLoadCase>& cases = doc_.Settings.LoadCases;
  if (cases.empty()) return 1;
  if (FindLoadCase(cases, activeCase_)) return activeCase_;
  return cases.front().Number;
}

void Editor::SetActiveCase(std::uint16_t number) {
  if (number == activeCase_) return;
  activeCase_ = number;
  RequestRepaint();
}

void Editor::SetShowAllCases(bool on) {
  if (on == showAllCases_) return;
  showAllCases_ = on;
  RequestRepaint();
}

std::optional<std::uint16_t> Editor::UnfadedCase() const {
  if (showAllCases_ || doc_.Settings.LoadCases.empty()) return std::nullopt;
  return ActiveCase();
}

} // namespace strandel
