#pragma once
// How the A4 sheets of the Analysis and Reports pages sit in their view: one
// below the other on a grey desk, the sheets' width filling the view; the view
// starts at the top of the first sheet and scrolls no further than the top of
// the first and the foot of the last.

#include <algorithm>

namespace strandel {

inline constexpr double kSheetWidthMm = 210;
inline constexpr double kSheetHeightMm = 297;
inline constexpr double kSheetScrollStepMm = 10; // Up and Down, and one wheel line
inline constexpr double kSheetGapMm = 8;         // grey desk between two sheets

struct SheetView {
  double Scale = 1; // pixels per millimetre
  // The first sheet's page coordinate (mm, y upward) at the bottom of the view;
  // sheet k lies k sheets and gaps further down.
  double OffsetY = 0;
};

// The page coordinate of sheet `sheet` (from 0) at the bottom of the view.
inline double SheetOffset(const SheetView& view, int sheet) {
  return view.OffsetY + sheet * (kSheetHeightMm + kSheetGapMm);
}

// The height of `count` sheets with the gaps between them, mm.
inline double StackHeight(int count) {
  const int sheets = std::max(count, 1);
  return sheets * kSheetHeightMm + (sheets - 1) * kSheetGapMm;
}

// The offsets a view `viewHeight` mm high may take: at Highest the top of the
// first sheet is at the top of the view, at Lowest the foot of the last sheet
// is at its bottom; when everything fits, both are the top.
struct OffsetRange {
  double Lowest = 0;
  double Highest = 0;
};
inline OffsetRange ScrollRange(int count, double viewHeight) {
  const double highest = kSheetHeightMm - viewHeight;
  return {std::min(highest, kSheetHeightMm - StackHeight(count)), highest};
}

// The view of a drawing area of width x height pixels, the top of the first
// sheet at its top.
inline SheetView FitSheet(int width, int height) {
  SheetView view;
  view.Scale = (width > 0 ? width : 1) / kSheetWidthMm;
  view.OffsetY = kSheetHeightMm - (height > 0 ? height : 0) / view.Scale;
  return view;
}

} // namespace strandel
