#pragma once
// The drawing grid and the snap cursor: which grid is shown, its spacing, and
// the rounding of a model point to the nearest grid point. The spacing is the
// step the user set, at every zoom; without one it is a round number of display
// length units about 20 pixels apart, which changes with the zoom.

#include <cstdint>

#include "common/geometry.h"

namespace strandel {

enum GridKind : std::uint16_t {
  kNoGrid = 0,
  kCartesianGrid = 1,
  kAngulatedGrid = 2,
  kPolarGrid = 3,
};

struct TGridObject {
  bool CursorVisible = false;
  double Spacing = 0.1;             // model length units; the snap step
  double SetStep = 0;               // the step the user set; 0: Spacing follows the zoom
  double AngleStep = 5 * kPi / 180; // polar grid, rad
  double FineStep = 0.001;          // rounding without a grid, and in fine mode
  double LengthFactor = 1;          // display factor of the chosen length unit
  Point2 GridOrigin;                // angulated grid
  double GridAngle = 0;             // rad; also where the polar grid's rays start
  Point2 PolarCentre;
  double PolarAngle = 0; // rad, the reference direction picked for the polar grid
  Point2 Cursor;         // the snapped model position
  double LocalX = 0;     // the cursor in the angulated grid's axes
  double LocalY = 0;
  double Radius = 0; // the cursor in the polar grid
  double Theta = 0;  // rad
  std::uint16_t GridType = kCartesianGrid;
  std::uint16_t CursorSize = 12; // pixels, each stroke of the cursor cross
  long SnappedBeam = -1;         // beam number the cursor is snapped onto
  long SnappedNode = -1;         // node number the cursor is snapped onto
};

// The nearest of 1, 2, 2.5, 5 and 10 times the power of ten of v, from v's
// mantissa rounded to a whole number. 0 for a v that is not a positive finite number.
double NiceStep(double v);

// The grid spacing for the zoom: the set step, or else a round number of
// display length units about 20 pixels long. Leaves Spacing as it was when the
// zoom gives no usable value.
void UpdateGridSpacing(TGridObject& grid, double scale);

// Grid lines closer than this many pixels crowd the picture.
inline constexpr double kLeastLinePixels = 8;
// The distance between drawn grid lines: the spacing, or a 2, 5, 10, 20, 50...
// multiple of a set step where its lines would come closer than
// kLeastLinePixels. Snapping keeps the step itself.
double GridLineSpacing(const TGridObject& grid, double scale);

// The ring interval of the polar grid in multiples of Spacing: 5 for a spacing
// mantissa of 1 or 2, 4 for 2.5, 2 for 5.
int PolarRingInterval(const TGridObject& grid);

// Where the grid's rounding takes (x, y): the nearest grid point for the grid
// type, with `step` as the length step (and 1 degree as the polar angle step
// in fine mode).
Point2 RoundToGrid(const TGridObject& grid, Point2 p, double step, bool fine);

// The cursor's coordinates in the angulated and polar grids (LocalX, LocalY,
// Radius, Theta), for the status bar.
void UpdateCursorCoordinates(TGridObject& grid);

// The axes of the angulated grid.
Point2 GridAxisX(const TGridObject& grid);
Point2 GridAxisY(const TGridObject& grid);

} // namespace strandel
