#pragma once
// Where the labels of one picture already stand, so that a label never covers
// another: a label whose place is taken tries its other places along its object
// and is left out when none is free. In a crowded view (crossing diagonals, a
// zoomed-out frame) the picture keeps the labels it can show legibly.

#include <vector>

#include <QPointF>

namespace strandel {

// A rectangle on the target, turned by Angle (radians, counter-clockwise on the
// screen as in the model).
struct PixelBox {
  QPointF Centre;
  double HalfWidth = 0;  // along the text
  double HalfHeight = 0; // across it
  double Angle = 0;
};

bool Overlap(const PixelBox& a, const PixelBox& b);

class LabelSpace {
public:
  // Whether the box meets none of the boxes taken so far.
  bool IsFree(const PixelBox& box) const;
  void Take(const PixelBox& box) { boxes_.push_back(box); }

private:
  std::vector<PixelBox> boxes_;
};

} // namespace strandel
