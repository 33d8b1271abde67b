#pragma once
// An editor on a 1000 x 800 pixel drawing area at 100 pixels per metre, the
// model origin at the bottom-left corner, lengths shown in metres (so the
// cartesian grid is 0.2 m), BeamHeight 0.1 and LoadHeight 0.3. Tests move and
// click the pointer at model points as a user would, in whole pixels.

#include <gtest/gtest.h>

#include <cmath>

#include "editor/editor.h"
#include "editor_harness.h"

namespace strandel::testing {

class EditorTest : public ::testing::Test {
protected:
  EditorTest() : editor(doc, settings, host, changes) {
    settings.Units.Length = 1; // [m]
    editor.UnitsChanged();
    ViewState& view = editor.View();
    view.Width = 1000;
    view.Height = 800;
    view.Scale = 100;
    view.OriginX = 0;
    view.OriginY = 0;
    doc.Settings.BeamHeight = 0.1;
    doc.Settings.LoadHeight = 0.3;
  }

  static PointerEvent At(double x, double y, PointerButton button = PointerButton::Left) {
    PointerEvent event;
    event.X = static_cast<int>(std::lround(x * 100));
    event.Y = static_cast<int>(std::lround(800 - y * 100));
    event.Button = button;
    return event;
  }
  void MoveTo(double x, double y) { editor.PointerMove(At(x, y)); }
  void Click(double x, double y) {
    MoveTo(x, y);
    editor.Press(At(x, y));
    editor.Release(At(x, y));
  }
  void RightClick(double x, double y) {
    MoveTo(x, y);
    editor.Press(At(x, y, PointerButton::Right));
    editor.Release(At(x, y, PointerButton::Right));
  }
  // Press at one point, move with the button held through the others, release.
  void Drag(std::initializer_list<Point2> path) {
    const Point2 first = *path.begin();
    MoveTo(first.X, first.Y);
    editor.Press(At(first.X, first.Y));
    Point2 last = first;
    for (const Point2& p : path) {
      PointerEvent held = At(p.X, p.Y);
      held.LeftHeld = true;
      editor.PointerMove(held);
      last = p;
    }
    editor.Release(At(last.X, last.Y));
  }
  int Mode() const { return editor.State().Mode; }
  Point2 NodeAt(int number) const {
    const TNodeObject* node = FindNode(doc, number);
    return node ? Point2{node->X, node->Y} : Point2{NAN, NAN};
  }

  ModelDocument doc;
  AppSettings settings;
  RecordingHost host;
  CountingView changeView;
  DocumentChanges changes{doc, changeView};
  Editor editor;
};

inline void ExpectPoint(Point2 actual, Point2 expected, double tol = 1e-9) {
  EXPECT_NEAR(actual.X, expected.X, tol);
  EXPECT_NEAR(actual.Y, expected.Y, tol);
}

} // namespace strandel::testing
