#pragma once
// A host and a view that record what the editor asks of them, and builders for
// the small frames the editor tests work on.

#include <ostream>
#include <vector>

#include "common/user_message.h"
#include "editor/editor_host.h"
#include "model/document.h"
#include "model/document_changes.h"

namespace strandel {

inline void PrintTo(const Point2& p, std::ostream* os) {
  *os << "(" << p.X << ", " << p.Y << ")";
}

} // namespace strandel

namespace strandel::testing {

class RecordingHost : public EditorHost {
public:
  void Repaint() override { ++Repaints; }
  void RepaintOverlay() override { ++OverlayRepaints; }
  void RefreshToolButtons() override { ++ButtonRefreshes; }
  void RefreshStatusBar() override { ++StatusRefreshes; }
  UserMessages& Messages() override { return Recorded; }

  int Repaints = 0;
  int OverlayRepaints = 0;
  int ButtonRefreshes = 0;
  int StatusRefreshes = 0;
  RecordingMessages Recorded;
};

// Counts how often the window would be brought up to date after a change.
class CountingView : public ChangeView {
public:
  void ShowChange() override { ++Shown; }
  int Shown = 0;
};

inline TNodeObject& PutNode(ModelDocument& doc, int number, double x, double y) {
  TNodeObject& node = AppendObject<TNodeObject>(doc);
  node.Number = static_cast<std::uint16_t>(number);
  node.X = x;
  node.Y = y;
  return node;
}

inline TBeamObject& PutBeam(ModelDocument& doc, int number, int node1, int node2) {
  TBeamObject& beam = AppendObject<TBeamObject>(doc);
  beam.Number = static_cast<std::uint16_t>(number);
  beam.Node1 = static_cast<std::uint16_t>(node1);
  beam.Node2 = static_cast<std::uint16_t>(node2);
  const TNodeObject* a = FindNode(doc, node1);
  const TNodeObject* b = FindNode(doc, node2);
  if (a) {
    beam.X1 = a->X;
    beam.Y1 = a->Y;
  }
  if (b) {
    beam.X2 = b->X;
    beam.Y2 = b->Y;
  }
  return beam;
}

// A node lying on a beam at parameter t.
inline TNodeObject& PutNodeOnBeam(ModelDocument& doc, int number, int beamNumber, double t) {
  const TBeamObject* beam = FindBeam(doc, beamNumber);
  TNodeObject& node = PutNode(doc, number, beam->X1 + t * (beam->X2 - beam->X1),
                              beam->Y1 + t * (beam->Y2 - beam->Y1));
  node.HostBeam = beamNumber;
  node.PositionOnBeam = t;
  return node;
}

inline int CountOf(const ModelDocument& doc, ObjectKind kind) {
  int count = 0;
  for (const auto& object : doc.GraphObjects)
    count += KindOf(*object) == kind;
  return count;
}

} // namespace strandel::testing
