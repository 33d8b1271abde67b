#pragma once
// The model editor: one state machine that turns pointer events in pixels into
// model changes. Create buttons and Edit-menu commands start an operation,
// each left click advances it, a right click steps back and Esc abandons it.
// The editor draws nothing; it keeps the plain state the drawing needs (cursor,
// half-made object, zoom rectangle, guide line) and tells its host what to redraw.
// A finished change of the model is reported to DocumentChanges, which marks the
// document, records the undo step and has the window draw it again, once.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "editor/editor_host.h"
#include "editor/editor_state.h"
#include "editor/model_part.h"
#include "editor/status_text.h"
#include "expr/parameters.h"
#include "model/app_settings.h"
#include "model/document.h"
#include "model/document_changes.h"
#include "view/grid.h"
#include "view/view_state.h"

namespace strandel {

// What the user reads when a new object would need a number beyond 65535.
inline constexpr const char* kNoFreeNumber = "Every number of this kind of object is in use";

enum class PointerButton { Left, Right, Middle };

enum PointerModifier : unsigned { kShiftKey = 1, kControlKey = 2, kAltKey = 4 };

// A pointer event in drawing-area pixels (y downwards).
struct PointerEvent {
  int X = 0;
  int Y = 0;
  PointerButton Button = PointerButton::Left; // the button pressed or released
  bool LeftHeld = false;                      // moves: the left button is down
  unsigned Modifiers = 0;                     // PointerModifier bits
};

enum class EditorKey { Delete, Escape };

// What a double click landed on: the object's kind and its place in the model
// list, for the window to open its property dialog.
struct PickedObject {
  ObjectKind Kind;
  int Index;
};

// What the tool bar shows.
struct ToolButtonStates {
  CreateTool DownTool = CreateTool::None;
  bool ZoomWindow = false;
  bool Pan = false;
  bool ShowDisplacements = false;
  bool ShowUtilisation = false;
  std::uint16_t GridType = kCartesianGrid;
};

class Editor {
public:
  Editor(ModelDocument& doc, const AppSettings& settings, EditorHost& host,
         DocumentChanges& changes);

  // After New, Open and the structure generator: idle, the initial view for a
  // drawing area of width x height pixels, then Zoom extents.
  void ResetView(int width, int height);
  // The drawing area changed size; the view keeps its centre.
  void Resize(int width, int height);
  // The length unit changed: the grid follows it.
  void UnitsChanged();

  // Pointer and keys. A double click comes as DoubleClick followed by the
  // press of its second click, which the editor then ignores (so the
  // selection does not toggle a second time). DoubleClick clears the selection
  // and says which object the property dialog is for; the editor opens nothing.
  void PointerMove(const PointerEvent& event);
  void Press(const PointerEvent& event);
  void Release(const PointerEvent& event);
  std::optional<PickedObject> DoubleClick(const PointerEvent& event);
  void KeyPress(EditorKey key);
  // A right click with nothing under way opens the window's menu of commands:
  // an object under the pointer that is not selected becomes the selection,
  // and the object whose properties the menu offers is named. Nothing in
  // other modes, where a right click steps back.
  std::optional<PickedObject> PrepareMenu(const PointerEvent& event, bool& offered);
  // The wheel turned by `steps` notches (fractions from fine wheels), away from
  // the user when positive: zoom in about the pointer, which keeps its model
  // point. A drag with the middle button pans without ending the operation.
  void Wheel(const PointerEvent& at, double steps);

  // Tool bar.
  void StartTool(CreateTool tool, bool down);
  void ZoomIn();
  void ZoomOut();
  void ZoomWindow(bool on);
  void ZoomExtents();
  void ZoomBack();
  void Pan(bool on);
  // The grid's step as the user set it, in model length units; 0 lets the
  // step follow the zoom.
  void SetGridStep(double step);
  // The grid button now down; kNoGrid when none is.
  void GridButton(GridKind down);
  void BeamScaleUp();
  void BeamScaleDown();
  void LoadScaleUp();
  void LoadScaleDown();
  // `shownScale` is the exaggeration the picture uses now, the automatic one
  // while the document's DisplacementScale is 0.
  void DisplacementScaleUp(double shownScale);
  void DisplacementScaleDown(double shownScale);

  // Edit menu.
  void SelectAll();
  void DeselectAll();
  void Delete();
  void DeleteAllLoads();
  void AlignNodesToLine();
  void MoveObjects();
  void FlipBeams();

  // Copying part of the model (model_part.h), each one step. Copy keeps the
  // selection in the editor's clipboard; Paste puts its base point (the lower
  // left corner of its nodes) at the cursor. Duplicate takes two clicks, the
  // base point and where it goes; Mirror two points of the mirror line.
  // PlaceCopies puts a copy of the selection at each offset (the arrays).
  void Copy();
  void Cut();
  void Paste();
  bool CanPaste() const { return !clipboard_.Empty(); }
  void Duplicate();
  void Mirror();
  void PlaceCopies(const std::vector<Point2>& offsets);

  // Esc, page changes, document commands, printing, help and every tool change.
  void CancelOperation();

  // The load case that new loads, forces, moments and supports go into: the
  // one chosen while the document has it, else the document's first case (1
  // for a document without cases). A view state: the document does not keep it.
  std::uint16_t ActiveCase() const;
  void SetActiveCase(std::uint16_t number);
  // Loads of other cases than the active one are drawn faded unless every
  // case is shown; a document without cases shows its one set as it is.
  bool ShowAllCases() const { return showAllCases_; }
  void SetShowAllCases(bool on);
  // The case whose loads are drawn normally while the others fade, if any.
  std::optional<std::uint16_t> UnfadedCase() const;

  // Plain state for the drawing and the widgets.
  const ViewState& View() const { return view_; }
  ViewState& View() { return view_; }
  const TGridObject& Grid() const { return grid_; }
  TGridObject& Grid() { return grid_; }
  const EditorState& State() const { return state_; }
  ToolButtonStates ToolButtons() const;
  // Panel 1: the instruction of the mode, or the document's path when idle.
  std::string StatusText() const;
  CoordinateTexts StatusCoordinates() const;
  // Whether the mode takes a point, which may be typed instead of clicked.
  bool TakesTypedPoints() const;
  // A typed point ("x, y", "@dx, dy", "@length<angle"; ReadTypedPoint) is
  // placed as a click there would be, exactly. Empty, or why the text was refused.
  std::string TypePoint(std::string_view text, ParameterTable& parameters);
  // The length and angle of the beam or load being drawn; empty otherwise.
  std::string MeasureText() const;
  // The beam, support, load, force or moment being placed, or null.
  const GraphObject* HalfMadeObject() const;
  // The 1-pixel line from the first picked point to the cursor (the second
  // point of a line: align, grids, mirror; the target of a duplicate).
  std::optional<std::pair<Point2, Point2>> GuideLine() const;
  // The selection box being dragged, in pixels; Crossing when it is dragged
  // from right to left and takes whatever it touches.
  struct SelectionBox {
    PixelPoint Start, Corner;
    bool Crossing = false;
  };
  std::optional<SelectionBox> SelectionRectangle() const;
  // The zoom-window rectangle being dragged, in pixels.
  std::optional<std::pair<PixelPoint, PixelPoint>> ZoomRectangle() const;

private:
  // editor.cpp: view, cursor and the host.
  double Tolerance() const { return doc_.Settings.BeamHeight / 2; }
  void RequestRepaint();
  void RefreshAll();
  void ShowCursor(bool show);
  void EndViewModes();
  // False when the size would leave its bounds and stays as it was.
  bool ScaleSize(double& size, double factor);
  Point2 SnapPointer(PixelPoint pixel);
  void UpdateCursor(PixelPoint pixel);
  // After the view moved under a still pointer.
  void FollowPointer(PixelPoint pixel);

  // editor_feedback.cpp: what a pointer move does to the object being placed.
  void UpdatePlacedObject(Point2 raw);
  void FollowBeam(Point2 raw);

  // editor_press.cpp: left and right presses by mode, finishing and cancelling.
  void LeftPressInMode(PixelPoint pixel);
  void RightPressInMode();
  void FinishOperation();
  // The half-made beam from `start`, its end following the pointer.
  void StartBeamAt(const TNodeObject& start);
  void ReturnFromSavedMode();
  void DiscardHalfMadeObject();
  TNodeObject* NodeAtCursor(bool provisional);
  GraphObject* HalfMadeEntry();
  template <class T> T* HalfMade();
  bool NumberFree(ObjectKind kind);
  template <class T> T* AppendNumbered();
  void StartPlacing(GraphObject& object, int positionMode);
  void SetPlacedPoint(GraphObject& object, Point2 p, long node, bool endOnly);

  // editor_copy.cpp: the part being copied and its placing.
  bool TakeSelectedPart();
  void PlaceAndFinish(const ModelPart& part, const std::vector<PlaneMap>& maps, int step);
  void PressInCopyMode(Point2 cursor);

  // editor_idle.cpp: selection clicks, double clicks and node dragging.
  void SelectionClick(PixelPoint pixel);
  void FinishSelectionBox(PixelPoint corner);
  void DragNodeTo(PixelPoint pixel);
  void EndDrag(bool allowMerge);

  ModelDocument& doc_;
  const AppSettings& settings_;
  EditorHost& host_;
  DocumentChanges& changes_;
  ViewState view_;
  TGridObject grid_;
  EditorState state_;
  ModelPart clipboard_;          // what Copy and Cut took, for Paste
  ModelPart placing_;            // what Duplicate and Mirror are placing
  std::uint16_t activeCase_ = 0; // 0: none chosen
  bool showAllCases_ = false;
};

template <class T> T* Editor::HalfMade() {
  GraphObject* object = HalfMadeEntry();
  return object ? std::get_if<T>(object) : nullptr;
}

} // namespace strandel
