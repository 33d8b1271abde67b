#pragma once
// How the A4 sheet of the Analysis and Reports pages sits in its view: the
// sheet's width fills the view, its top starts at the top of the view, and the
// Up and Down keys move it by 10 mm.

namespace strandel {

inline constexpr double kSheetWidthMm = 210;
inline constexpr double kSheetHeightMm = 297;
inline constexpr double kSheetScrollStepMm = 10;

struct SheetView {
  double Scale = 1;   // pixels per millimetre
  double OffsetY = 0; // the page coordinate (mm, y upward) at the bottom of the view
};

// The view of a drawing area of width x height pixels, the top of the sheet at
// its top.
inline SheetView FitSheet(int width, int height) {
  SheetView view;
  view.Scale = (width > 0 ? width : 1) / kSheetWidthMm;
  view.OffsetY = kSheetHeightMm - (height > 0 ? height : 0) / view.Scale;
  return view;
}

} // namespace strandel
