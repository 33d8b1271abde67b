#pragma once
// An independent way to the section values of the thin-walled shapes: the shape
// drawn as rectangles, with area, centroid and second moments summed by the
// parallel-axis theorem, as one works them out by hand.

#include <vector>

namespace strandel::testing {

struct Rectangle {
  double X = 0, Y = 0;          // lower left corner, m
  double Width = 0, Height = 0; // m
};

struct RectangleSection {
  double Area = 0;
  double CentroidX = 0, CentroidY = 0;
  double Ihorizontal = 0; // about the horizontal axis through the centroid
  double Ivertical = 0;   // about the vertical axis through the centroid
  double Bottom = 0, Top = 0;
};

inline RectangleSection SectionOf(const std::vector<Rectangle>& parts) {
  RectangleSection s;
  double sumX = 0, sumY = 0;
  bool first = true;
  for (const Rectangle& r : parts) {
    const double a = r.Width * r.Height;
    s.Area += a;
    sumX += a * (r.X + r.Width / 2);
    sumY += a * (r.Y + r.Height / 2);
    if (first || r.Y < s.Bottom) s.Bottom = r.Y;
    if (first || r.Y + r.Height > s.Top) s.Top = r.Y + r.Height;
    first = false;
  }
  s.CentroidX = sumX / s.Area;
  s.CentroidY = sumY / s.Area;
  for (const Rectangle& r : parts) {
    const double a = r.Width * r.Height;
    const double dy = r.Y + r.Height / 2 - s.CentroidY;
    const double dx = r.X + r.Width / 2 - s.CentroidX;
    s.Ihorizontal += r.Width * r.Height * r.Height * r.Height / 12 + a * dy * dy;
    s.Ivertical += r.Height * r.Width * r.Width * r.Width / 12 + a * dx * dx;
  }
  return s;
}

} // namespace strandel::testing
