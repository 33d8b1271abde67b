#pragma once
// The editing state of the model page: the mode, the half-made object, the
// points picked so far and the node being dragged. One per document, not saved.

#include <cstdint>
#include <optional>

#include "common/geometry.h"
#include "editor/editor_modes.h"
#include "view/view_state.h"

namespace strandel {

struct EditorState {
  int Mode = mode::kIdle;
  int SavedMode = mode::kIdle; // where a grid definition returns to
  bool SavedCursorVisible = false;
  long PlacingBeam = -1;   // beam number the load, force or moment is placed on
  int NewObjectIndex = -1; // list index of the half-made beam, support, load, force or moment
  Point2 FirstPoint;
  Point2 SecondPoint;
  std::uint16_t DragNode = 0; // node pressed in idle mode, 0 none
  PixelPoint DragPress;
  long DragNodeBeam = -1; // the beam the pressed node lies on
  bool DragStarted = false;
  // Where the pressed node was, to put it back when a drop is refused.
  Point2 DragOrigin;
  double DragOriginPosition = 0;
  bool IgnoreNextPress = false; // the press that follows a double click
  // A selection box dragged from empty space in idle mode: its corners in
  // pixels, and the keys held at the press (Shift adds, Ctrl takes away).
  std::optional<PixelPoint> BoxStart;
  PixelPoint BoxCorner;
  unsigned PressModifiers = 0;
  // The last point picked while drawing: where a relative typed point starts.
  std::optional<Point2> LastPoint;
};

} // namespace strandel
