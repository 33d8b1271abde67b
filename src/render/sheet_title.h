#pragma once
// The title line at the head of every printed or exported sheet: the model's
// file name, the beam on a beam sheet, the sheet's number of how many, and the
// date, so a sheet read on its own says where it comes from.

#include <string>

#include <QPainter>

#include "view/view_state.h"

namespace strandel {

struct SheetTitle {
  std::string FileName; // the model document's name without its folder
  long BeamNo = -1;     // the beam of a beam sheet; -1 on other sheets
  int Page = 0;         // this sheet, from 1; 0 for a picture of one page
  int PageCount = 0;
  std::string Date; // the day it is printed, yyyy-MM-dd
};

// A title for the document named `fileName`, dated today.
SheetTitle TitleFor(const std::string& fileName, long beamNo = -1);

// The same title on sheet `sheet` (from 0) of `count`.
SheetTitle OnSheet(SheetTitle title, int sheet, int count);

// The two halves of the line: the model and the beam ("frame.qsd   Beam 3"),
// and the sheet and the date ("Page 1 of 2   2025-01-07"), in the language of
// the program.
struct TitleTexts {
  std::string Left;
  std::string Right;
};
TitleTexts SheetTitleTexts(const SheetTitle& title);

// Title text is this high, in millimetres.
inline constexpr double kTitleHeight = 2.5;
// An A4 sheet carries its title in the margin above its frame, at this height.
inline constexpr double kTitleBaseline = 293.4;

// The line from `left` to `right` (page units, millimetres) with its baseline
// at `baseline`: the first half flush left, the second flush right.
void DrawTitleLine(QPainter& painter, const ViewState& page, const SheetTitle& title, double left,
                   double right, double baseline);

// The title of an A4 sheet (210 x 297 page units) in its top margin.
void DrawSheetTitle(QPainter& painter, const ViewState& page, const SheetTitle& title);

} // namespace strandel
