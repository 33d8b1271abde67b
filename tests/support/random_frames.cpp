#include "support/random_frames.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <vector>

#include "support/frame_models.h"

namespace strandel::testing {
namespace {

constexpr double kDegree = kPi / 180;

class Draw {
public:
  explicit Draw(std::mt19937_64& random) : random_(random) {}
  double Uniform(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random_);
  }
  int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  bool Chance(double p) { return Uniform(0, 1) < p; }
  // A lean of 0.5 to 5 degrees either way.
  double SmallAngle() { return (Chance(0.5) ? 1 : -1) * Uniform(0.5, 5) * kDegree; }
  // A direction: often along an axis, where rounding leaves cosines of 6e-17.
  double Direction() {
    return Chance(0.5) ? Int(0, 3) * kPi / 2 - (Chance(0.5) ? kPi : 0) : Uniform(-kPi, kPi);
  }

private:
  std::mt19937_64& random_;
};

// Builds the frame while drawing its sections and hinges.
class Builder {
public:
  Builder(Draw& draw, RandomFrame& frame) : draw_(draw), frame_(frame), doc_(frame.Doc) {}

  int Node(double x, double y) {
    AddNode(doc_, ++nodes_, x, y);
    return nodes_;
  }
  int NodeOnBeam(int beam, double position) {
    AddNodeOnBeam(doc_, ++nodes_, beam, position);
    return nodes_;
  }
  // A beam whose ends are hinged with probability `hinges`.
  int Beam(int a, int b, double hinges, bool locked1 = true, bool locked2 = true) {
    const TNodeObject& first = *FindNode(doc_, a);
    const TNodeObject& second = *FindNode(doc_, b);
    const double length = std::hypot(second.X - first.X, second.Y - first.Y);
    Section section;
    section.E *= std::pow(10.0, draw_.Uniform(-2, 2)); // contrasts up to 1e4
    if (frame_.Slender && draw_.Chance(0.5)) {
      section.H = length * std::pow(10.0, draw_.Uniform(-4, -2.5));
      section.B = std::max(section.H, 0.01);
    }
    AddBeam(doc_, ++beams_, a, b, locked1 && !draw_.Chance(hinges),
            locked2 && !draw_.Chance(hinges), section);
    return beams_;
  }
  void Support(int node, int kind) { // 0 fixed, 1 pin, 2 roller holding y, 3 roller holding x
    AddSupport(doc_, ++supports_, node, kind >= 2, kind == 3 ? 2 : 1, kind == 0);
  }
  int Nodes() const { return nodes_; }
  int Beams() const { return beams_; }
  ModelDocument& Doc() { return doc_; }

private:
  Draw& draw_;
  RandomFrame& frame_;
  ModelDocument& doc_;
  int nodes_ = 0, beams_ = 0, supports_ = 0;
};

void Grid(Draw& draw, Builder& b) {
  const int bays = draw.Int(1, 3), storeys = draw.Int(1, 3);
  const double width = draw.Uniform(3, 6), height = draw.Uniform(2.5, 4);
  const double lean = draw.Chance(0.4) ? std::tan(draw.SmallAngle()) : 0;
  const double hinges = draw.Chance(0.5) ? draw.Uniform(0, 0.4) : 0;
  for (int s = 0; s <= storeys; ++s)
    for (int c = 0; c <= bays; ++c)
      b.Node(c * width + s * height * lean, s * height);
  auto node = [&](int c, int s) { return s * (bays + 1) + c + 1; };
  for (int s = 0; s < storeys; ++s) {
    for (int c = 0; c <= bays; ++c)
      b.Beam(node(c, s), node(c, s + 1), hinges);
    for (int c = 0; c < bays; ++c)
      b.Beam(node(c, s + 1), node(c + 1, s + 1), hinges);
  }
  for (int c = 0; c <= bays; ++c)
    b.Support(node(c, 0), draw.Int(0, 2));
}

void Graph(Draw& draw, Builder& b) {
  const int count = draw.Int(4, 8);
  std::vector<std::pair<double, double>> at;
  while (static_cast<int>(at.size()) < count) {
    double x = draw.Uniform(0, 10), y = draw.Uniform(0, 8);
    // Shared coordinates make members drawn exactly upright or level.
    if (!at.empty() && draw.Chance(0.3)) x = at[draw.Int(0, static_cast<int>(at.size()) - 1)].first;
    if (!at.empty() && draw.Chance(0.3))
      y = at[draw.Int(0, static_cast<int>(at.size()) - 1)].second;
    bool apart = true;
    for (const auto& [px, py] : at)
      apart = apart && std::hypot(px - x, py - y) > 1;
    if (apart) at.push_back({x, y});
  }
  for (const auto& [x, y] : at)
    b.Node(x, y);
  std::set<std::pair<int, int>> joined;
  const double hinges = draw.Uniform(0, 0.5);
  for (int i = 2; i <= count; ++i) {
    const int j = draw.Int(1, i - 1);
    joined.insert({j, i});
    b.Beam(j, i, hinges);
  }
  for (int extra = draw.Int(0, 4); extra > 0; --extra) {
    const int i = draw.Int(1, count), j = draw.Int(1, count);
    if (i == j || joined.count({std::min(i, j), std::max(i, j)})) continue;
    joined.insert({std::min(i, j), std::max(i, j)});
    b.Beam(i, j, hinges);
  }
  std::set<int> supported;
  for (int s = draw.Int(1, 3); s > 0; --s)
    supported.insert(draw.Int(1, count));
  for (int node : supported)
    b.Support(node, draw.Int(0, 3));
}

void Truss(Draw& draw, Builder& b, RandomFrame& frame) {
  const int panels = draw.Int(2, 6);
  const double panel = draw.Uniform(1.5, 3);
  // Shallow trusses have diagonals only 0.5 to 5 degrees off the chords.
  const double depth =
      draw.Chance(0.4) ? panel * std::fabs(std::tan(draw.SmallAngle())) : draw.Uniform(1, 3);
  for (int i = 0; i <= panels; ++i)
    b.Node(i * panel, 0);
  for (int i = 0; i <= panels; ++i)
    b.Node(i * panel, depth);
  auto bottom = [](int i) { return i + 1; };
  auto top = [&](int i) { return panels + 2 + i; };
  const int skipped = frame.MadeToMove && draw.Chance(0.6) ? draw.Int(0, panels - 1) : -1;
  for (int i = 0; i < panels; ++i) {
    b.Beam(bottom(i), bottom(i + 1), 1.0);
    b.Beam(top(i), top(i + 1), 1.0);
    if (i != skipped) b.Beam(i % 2 ? top(i) : bottom(i), i % 2 ? bottom(i + 1) : top(i + 1), 1.0);
  }
  for (int i = 0; i <= panels; ++i)
    b.Beam(bottom(i), top(i), 1.0);
  b.Support(bottom(0), 1);
  b.Support(bottom(panels), frame.MadeToMove && skipped < 0 ? 3 : 2);
}

void ContinuousBeam(Draw& draw, Builder& b, RandomFrame& frame) {
  const int spans = draw.Int(2, 4);
  const double length = spans * draw.Uniform(3, 6);
  const double slope = draw.Chance(0.5) ? draw.SmallAngle() : 0;
  const int first = b.Node(0, 0);
  const int last = b.Node(length * std::cos(slope), length * std::sin(slope));
  const int beam = b.Beam(first, last, 0.5);
  b.Support(first, frame.MadeToMove ? 2 : draw.Int(0, 1));
  b.Support(last, 2);
  for (int i = 1; i < spans; ++i) {
    const int node = b.NodeOnBeam(beam, (i + draw.Uniform(-0.3, 0.3)) / spans);
    if (draw.Chance(0.7)) b.Support(node, 2);
  }
}

void Tree(Draw& draw, Builder& b, RandomFrame& frame) {
  const int count = draw.Int(3, 9);
  b.Node(0, 0);
  b.Support(1, 0);
  for (int i = 2; i <= count; ++i) {
    const TNodeObject& from = *FindNode(b.Doc(), draw.Int(1, i - 1));
    const double angle = draw.Chance(0.5) ? draw.Int(0, 3) * kPi / 2 : draw.Uniform(0, 2 * kPi);
    const double length = draw.Uniform(1, 4);
    const double fx = from.X, fy = from.Y;
    const int node = b.Node(fx + length * std::cos(angle), fy + length * std::sin(angle));
    b.Beam(from.Number, node, frame.MadeToMove ? 0.15 : 0.0);
  }
  // A hinge inside a tree lets it fold unless a second support holds it.
  if (draw.Chance(0.4)) b.Support(draw.Int(2, count), draw.Int(1, 3));
}

void Arch(Draw& draw, Builder& b, RandomFrame& frame) {
  const int segments = draw.Int(4, 10);
  const double span = draw.Uniform(6, 20), rise = span * draw.Uniform(0.05, 0.5);
  const double radius = (span * span / 4 + rise * rise) / (2 * rise);
  const double half = std::asin(span / (2 * radius));
  for (int i = 0; i <= segments; ++i) {
    const double angle = -half + 2 * half * i / segments;
    b.Node(span / 2 + radius * std::sin(angle), rise - radius + radius * std::cos(angle));
  }
  // Three hinges (feet and crown) stand, a fourth makes it a linkage.
  const int crown = segments / 2 + 1;
  const int fourth = frame.MadeToMove ? draw.Int(2, segments) : -1;
  for (int i = 1; i <= segments; ++i) {
    const bool hinged1 = i == crown || i == fourth, hinged2 = i + 1 == crown || i + 1 == fourth;
    b.Beam(i, i + 1, 0.0, !hinged1 || draw.Chance(0.5), !hinged2);
  }
  b.Support(1, 1);
  b.Support(segments + 1, draw.Chance(0.8) ? 1 : 2);
}

void BarsInLine(Draw& draw, Builder& b) {
  const int bars = draw.Int(2, 4);
  const double angle = draw.Chance(0.7) ? draw.Int(0, 1) * kPi / 2 : draw.Uniform(0.1, 1.4);
  for (int i = 0; i <= bars; ++i)
    b.Node(i * 2 * std::cos(angle), i * 2 * std::sin(angle));
  for (int i = 1; i <= bars; ++i)
    b.Beam(i, i + 1, 1.0);
  b.Support(1, 1);
  b.Support(bars + 1, draw.Int(1, 3));
}

void AddLoads(Draw& draw, RandomFrame& frame) {
  ModelDocument& doc = frame.Doc;
  const int nodes = static_cast<int>(
      std::count_if(doc.GraphObjects.begin(), doc.GraphObjects.end(), [](const auto& object) {
        return std::holds_alternative<TNodeObject>(*object);
      }));
  std::vector<int> numbers;
  for (const TNodeObject& node : ObjectsOf<TNodeObject>(doc))
    numbers.push_back(node.Number);
  auto anyNode = [&] { return numbers[draw.Int(0, nodes - 1)]; };
  std::vector<std::array<int, 3>> beams;
  for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc))
    beams.push_back({beam.Number, beam.Node1, beam.Node2});
  int forces = 0, moments = 0, loads = 0;
  switch (frame.Loads) {
  case LoadMix::Mixed:
    for (int i = draw.Int(1, 3); i > 0; --i)
      AddForce(doc, ++forces, anyNode(), draw.Uniform(1e3, 2e4), draw.Direction());
    for (int i = draw.Int(0, 2); i > 0; --i)
      AddMoment(doc, ++moments, anyNode(), draw.Uniform(-1e4, 1e4));
    // Adding objects moves the list: the beams are noted first.
    for (const std::array<int, 3>& beam : beams)
      if (draw.Chance(0.3))
        AddLoad(doc, ++loads, beam[0], beam[1], beam[2], draw.Uniform(500, 5000), draw.Direction());
    doc.Settings.OwnWeight = draw.Chance(0.3);
    break;
  case LoadMix::MomentsOnly:
    for (int i = draw.Int(1, 3); i > 0; --i)
      AddMoment(doc, ++moments, anyNode(), draw.Uniform(-1e4, 1e4));
    break;
  case LoadMix::SettlementsOnly:
    for (TSupportObject& support : ObjectsOf<TSupportObject>(doc)) {
      if (draw.Chance(0.6)) support.DY = draw.Uniform(-0.05, 0.05);
      if (draw.Chance(0.3)) support.DX = draw.Uniform(-0.02, 0.02);
      if (draw.Chance(0.2)) support.DRot = draw.Uniform(-0.01, 0.01);
    }
    break;
  case LoadMix::SummingToZero: {
    const double value = draw.Uniform(1e3, 1e4), angle = draw.Direction();
    AddForce(doc, ++forces, anyNode(), value, angle);
    AddForce(doc, ++forces, anyNode(), value, angle + kPi);
    const double moment = draw.Uniform(1e3, 1e4);
    AddMoment(doc, ++moments, anyNode(), moment);
    AddMoment(doc, ++moments, anyNode(), -moment);
    break;
  }
  case LoadMix::None:
  case LoadMix::Count:
    break;
  }
}

} // namespace

const char* KindName(FrameKind kind) {
  static const char* const names[] = {"grid", "graph", "truss",        "continuous beam",
                                      "tree", "arch",  "bars in line", ""};
  return names[static_cast<int>(kind)];
}

std::string RandomFrame::Description() const {
  static const char* const loads[] = {"mixed loads",           "moments only", "settlements only",
                                      "loads summing to zero", "no loads",     ""};
  return std::string(KindName(Kind)) + ", " + loads[static_cast<int>(Loads)] +
         (MadeToMove ? ", made to move" : "") + (Slender ? ", slender" : "");
}

RandomFrame MakeRandomFrame(std::mt19937_64& random) {
  Draw draw(random);
  RandomFrame frame;
  frame.Doc = EmptyModel();
  frame.Kind = static_cast<FrameKind>(draw.Int(0, static_cast<int>(FrameKind::Count) - 1));
  frame.Loads = static_cast<LoadMix>(draw.Int(0, static_cast<int>(LoadMix::Count) - 1));
  frame.MadeToMove = draw.Chance(0.35);
  frame.Slender = draw.Chance(0.3);
  Builder b(draw, frame);
  switch (frame.Kind) {
  case FrameKind::Grid:
    Grid(draw, b);
    break;
  case FrameKind::Graph:
    Graph(draw, b);
    break;
  case FrameKind::Truss:
    Truss(draw, b, frame);
    break;
  case FrameKind::ContinuousBeam:
    ContinuousBeam(draw, b, frame);
    break;
  case FrameKind::Tree:
    Tree(draw, b, frame);
    break;
  case FrameKind::Arch:
    Arch(draw, b, frame);
    break;
  case FrameKind::BarsInLine:
  case FrameKind::Count:
    BarsInLine(draw, b);
    break;
  }
  // A frame made to move loses a support or gains hinges where its kind has
  // no way of its own.
  if (frame.MadeToMove && (frame.Kind == FrameKind::Grid || frame.Kind == FrameKind::Graph)) {
    std::vector<TSupportObject*> supports;
    for (TSupportObject& support : ObjectsOf<TSupportObject>(frame.Doc))
      supports.push_back(&support);
    if (!supports.empty() && draw.Chance(0.5)) {
      TSupportObject* gone = supports[draw.Int(0, static_cast<int>(supports.size()) - 1)];
      std::erase_if(frame.Doc.GraphObjects, [&](const auto& object) {
        return std::get_if<TSupportObject>(object.get()) == gone;
      });
    } else {
      for (TBeamObject& beam : ObjectsOf<TBeamObject>(frame.Doc))
        beam.Locked1 = beam.Locked2 = draw.Chance(0.2);
    }
  }
  AddLoads(draw, frame);
  return frame;
}

} // namespace strandel::testing
