#include "support/frame_models.h"

#include <algorithm>
#include <random>

#include "common/geometry.h"

namespace strandel::testing {

namespace {

// FindNode for the models built here, which append tens of thousands of nodes
// and beams: the first node of each number, brought up to date with the objects
// appended since, every hit checked. A miss, or a hit on an object that is no
// longer that node, asks FindNode.
const TNodeObject* NodeNumbered(const ModelDocument& doc, long number) {
  struct Index {
    const ModelDocument* Doc = nullptr;
    std::size_t Scanned = 0;
    std::vector<int> At;
  };
  thread_local Index index;
  const auto& objects = doc.GraphObjects;
  if (index.Doc != &doc || index.Scanned > objects.size())
    index = {&doc, 0, std::vector<int>(65536, -1)};
  for (; index.Scanned < objects.size(); ++index.Scanned) {
    const auto* node = std::get_if<TNodeObject>(objects[index.Scanned].get());
    if (node && index.At[node->Number] < 0)
      index.At[node->Number] = static_cast<int>(index.Scanned);
  }
  if (number >= 0 && number < 65536) {
    if (const int at = index.At[number]; at >= 0) {
      const auto* node = std::get_if<TNodeObject>(objects[at].get());
      if (node && node->Number == number) return node;
    }
  }
  index.Doc = nullptr;
  return FindNode(doc, number);
}

} // namespace

ModelDocument EmptyModel() {
  ModelDocument doc;
  doc.Settings.OwnWeight = false;
  return doc;
}

TNodeObject& AddNode(ModelDocument& doc, int number, double x, double y, int hostBeam,
                     double position) {
  TNodeObject& node = AppendObject<TNodeObject>(doc);
  node.Number = static_cast<std::uint16_t>(number);
  node.X = x;
  node.Y = y;
  node.HostBeam = hostBeam;
  node.PositionOnBeam = position;
  return node;
}

TBeamObject& AddBeamLike(ModelDocument& doc, int number, int node1, int node2,
                         const TBeamObject& like) {
  TBeamObject& beam = AppendObject<TBeamObject>(doc);
  beam = like;
  beam.Number = static_cast<std::uint16_t>(number);
  beam.Node1 = static_cast<std::uint16_t>(node1);
  beam.Node2 = static_cast<std::uint16_t>(node2);
  const TNodeObject* start = NodeNumbered(doc, node1);
  const TNodeObject* stop = NodeNumbered(doc, node2);
  beam.X1 = start ? start->X : 0;
  beam.Y1 = start ? start->Y : 0;
  beam.X2 = stop ? stop->X : 0;
  beam.Y2 = stop ? stop->Y : 0;
  return beam;
}

// A Pratt truss of `panels` panels of 2 m by 2 m, every member a bar, on a pin
// and a roller, 10 kN down at every top node.
ModelDocument PressedColumn(double height, double axial, double side, const Section& section) {
  ModelDocument doc = EmptyModel();
  AddNode(doc, 1, 0, 0);
  AddNode(doc, 2, 0, height);
  AddBeam(doc, 1, 1, 2, true, true, section);
  AddSupport(doc, 1, 1, false, 3, true);
  AddForce(doc, 1, 2, axial, -kPi / 2);
  if (side != 0) AddForce(doc, 2, 2, side, 0);
  return doc;
}

double CantileverEulerLoad(double height, const Section& section) {
  return kPi * kPi * section.E * section.Inertia() / (4 * height * height);
}

ModelDocument PrattTruss(int panels) {
  ModelDocument doc = EmptyModel();
  for (int i = 0; i <= panels; ++i) {
    AddNode(doc, 2 * i + 1, 2.0 * i, 0);
    AddNode(doc, 2 * i + 2, 2.0 * i, 2);
  }
  int beam = 0, force = 0;
  for (int i = 0; i <= panels; ++i) {
    AddBeam(doc, ++beam, 2 * i + 1, 2 * i + 2, false, false);
    AddForce(doc, ++force, 2 * i + 2, 10000, -kPi / 2);
    if (i == panels) break;
    AddBeam(doc, ++beam, 2 * i + 1, 2 * i + 3, false, false);
    AddBeam(doc, ++beam, 2 * i + 2, 2 * i + 4, false, false);
    const bool left = 2 * i < panels;
    AddBeam(doc, ++beam, left ? 2 * i + 2 : 2 * i + 1, left ? 2 * i + 3 : 2 * i + 4, false, false);
  }
  AddSupport(doc, 1, 1);
  AddSupport(doc, 2, 2 * panels + 1, true, 1);
  return doc;
}

ModelDocument GridFrameOfContinuousGirders(int bays, int storeys, double bayWidth,
                                           double storeyHeight, double q, const Section& column,
                                           const Section& girder) {
  ModelDocument doc = EmptyModel();
  const int columns = storeys * (bays + 1);
  for (int storey = 0; storey <= storeys; ++storey) {
    for (int c = 0; c <= bays; ++c) {
      const bool onGirder = storey > 0 && c > 0 && c < bays;
      AddNode(doc, GridNode(bays, c, storey), c * bayWidth, storey * storeyHeight,
              onGirder ? columns + storey : -1, onGirder ? static_cast<double>(c) / bays : 0);
    }
  }
  int beam = 0;
  for (int storey = 0; storey < storeys; ++storey)
    for (int c = 0; c <= bays; ++c)
      AddBeam(doc, ++beam, GridNode(bays, c, storey), GridNode(bays, c, storey + 1), true, true,
              column);
  for (int storey = 1; storey <= storeys; ++storey) {
    const int left = GridNode(bays, 0, storey), right = GridNode(bays, bays, storey);
    AddBeam(doc, ++beam, left, right, true, true, girder);
    AddLoad(doc, storey, beam, left, right, q, -kPi / 2);
  }
  for (int c = 0; c <= bays; ++c)
    AddSupport(doc, c + 1, GridNode(bays, c, 0), false, 3, /*locked=*/true);
  return doc;
}

ModelDocument WithNodesInOrder(ModelDocument doc, NodeOrder order, unsigned seed) {
  std::vector<std::size_t> places;
  for (std::size_t i = 0; i < doc.GraphObjects.size(); ++i)
    if (std::holds_alternative<TNodeObject>(*doc.GraphObjects[i])) places.push_back(i);
  std::vector<std::unique_ptr<GraphObject>> nodes;
  for (std::size_t place : places)
    nodes.push_back(std::move(doc.GraphObjects[place]));
  if (order == NodeOrder::Random) {
    std::shuffle(nodes.begin(), nodes.end(), std::mt19937(seed));
  } else {
    std::stable_sort(nodes.begin(), nodes.end(), [](const auto& a, const auto& b) {
      const TNodeObject &p = std::get<TNodeObject>(*a), &q = std::get<TNodeObject>(*b);
      return p.X != q.X ? p.X < q.X : p.Y < q.Y;
    });
  }
  for (std::size_t i = 0; i < places.size(); ++i)
    doc.GraphObjects[places[i]] = std::move(nodes[i]);
  return doc;
}

TNodeObject& AddNodeOnBeam(ModelDocument& doc, int number, int beam, double position) {
  const TBeamObject* host = FindBeam(doc, beam);
  const double x = host->X1 + (host->X2 - host->X1) * position;
  const double y = host->Y1 + (host->Y2 - host->Y1) * position;
  TNodeObject& node = AddNode(doc, number, x, y);
  node.HostBeam = beam;
  node.PositionOnBeam = position;
  return node;
}

TBeamObject& AddBeam(ModelDocument& doc, int number, int node1, int node2, bool locked1,
                     bool locked2, const Section& section) {
  const TNodeObject* first = NodeNumbered(doc, node1);
  const TNodeObject* second = NodeNumbered(doc, node2);
  TBeamObject& beam = AppendObject<TBeamObject>(doc);
  beam.Number = static_cast<std::uint16_t>(number);
  beam.Node1 = static_cast<std::uint16_t>(node1);
  beam.Node2 = static_cast<std::uint16_t>(node2);
  beam.Locked1 = locked1;
  beam.Locked2 = locked2;
  if (first) beam.X1 = first->X, beam.Y1 = first->Y;
  if (second) beam.X2 = second->X, beam.Y2 = second->Y;
  beam.MtrlName = "S235";
  beam.MtrlType = "STEEL";
  beam.Ftk = beam.Fck = beam.Fmk = 235e6;
  beam.Ek = section.E;
  beam.Dens = section.Density;
  beam.ShapeNo = 1;
  beam.B = section.B;
  beam.H = section.H;
  return beam;
}

TSupportObject& AddSupport(ModelDocument& doc, int number, int node, bool rolled, int direction,
                           bool locked) {
  const TNodeObject* at = NodeNumbered(doc, node);
  TSupportObject& support = AppendObject<TSupportObject>(doc);
  support.Number = static_cast<std::uint16_t>(number);
  support.NodeNo = static_cast<std::uint16_t>(node);
  support.Rolled = rolled;
  support.Direction = static_cast<std::uint16_t>(direction);
  support.Locked = locked;
  if (at) support.X = at->X, support.Y = at->Y;
  return support;
}

TLoadObject& AddLoad(ModelDocument& doc, int number, int beam, int node1, int node2, double value,
                     double angle) {
  TLoadObject& load = AppendObject<TLoadObject>(doc);
  load.Number = static_cast<std::uint16_t>(number);
  load.HostBeam = beam;
  load.Node1 = node1;
  load.Node2 = node2;
  load.Value = value;
  load.Angle = angle;
  if (const TNodeObject* first = NodeNumbered(doc, node1)) load.X1 = first->X, load.Y1 = first->Y;
  if (const TNodeObject* second = NodeNumbered(doc, node2))
    load.X2 = second->X, load.Y2 = second->Y;
  return load;
}

TForceObject& AddForce(ModelDocument& doc, int number, int node, double value, double angle) {
  TForceObject& force = AppendObject<TForceObject>(doc);
  force.Number = number;
  force.NodeNo = node;
  force.Value = value;
  force.Angle = angle;
  if (const TNodeObject* at = NodeNumbered(doc, node)) force.X = at->X, force.Y = at->Y;
  return force;
}

TMomentObject& AddMoment(ModelDocument& doc, int number, int node, double value) {
  TMomentObject& moment = AppendObject<TMomentObject>(doc);
  moment.Number = number;
  moment.NodeNo = node;
  moment.Value = value;
  if (const TNodeObject* at = NodeNumbered(doc, node)) moment.X = at->X, moment.Y = at->Y;
  return moment;
}

ModelDocument TriangleOnTwoSupports() {
  ModelDocument doc = EmptyModel();
  AddNode(doc, 1, 0, 0);
  AddNode(doc, 2, 4, 0);
  AddNode(doc, 3, 4, 3);
  AddBeam(doc, 1, 1, 2);
  AddBeam(doc, 2, 2, 3);
  AddBeam(doc, 3, 3, 1);
  AddSupport(doc, 1, 1);
  AddSupport(doc, 2, 2, true, 1);
  return doc;
}

ModelDocument SimplySupportedBeam(double length, double q, const Section& section) {
  ModelDocument doc = EmptyModel();
  AddNode(doc, 1, 0, 0);
  AddNode(doc, 3, length, 0);
  AddBeam(doc, 1, 1, 3, true, true, section);
  AddNodeOnBeam(doc, 2, 1, 0.5);
  AddSupport(doc, 1, 1);
  AddSupport(doc, 2, 3, /*rolled=*/true, /*direction=*/1);
  AddLoad(doc, 1, 1, 1, 3, q, -kPi / 2);
  return doc;
}

ModelDocument GridFrame(int bays, int storeys, double bayWidth, double storeyHeight, double q,
                        const Section& column, const Section& girder) {
  ModelDocument doc = EmptyModel();
  for (int storey = 0; storey <= storeys; ++storey)
    for (int c = 0; c <= bays; ++c)
      AddNode(doc, GridNode(bays, c, storey), c * bayWidth, storey * storeyHeight);
  int beam = 0, load = 0;
  for (int storey = 0; storey < storeys; ++storey) {
    for (int c = 0; c <= bays; ++c)
      AddBeam(doc, ++beam, GridNode(bays, c, storey), GridNode(bays, c, storey + 1), true, true,
              column);
    for (int c = 0; c < bays; ++c) {
      const int left = GridNode(bays, c, storey + 1), right = GridNode(bays, c + 1, storey + 1);
      AddBeam(doc, ++beam, left, right, true, true, girder);
      AddLoad(doc, ++load, beam, left, right, q, -kPi / 2);
    }
  }
  for (int c = 0; c <= bays; ++c)
    AddSupport(doc, c + 1, GridNode(bays, c, 0), false, 3, /*locked=*/true);
  return doc;
}

int NodeIndex(const ModelDocument& doc, int number) {
  int index = 0;
  for (const TNodeObject& node : ObjectsOf<TNodeObject>(doc)) {
    if (node.Number == number) return index;
    ++index;
  }
  return -1;
}

TCombination Combination(int number, CombinationKind kind, std::vector<CaseFactor> factors) {
  TCombination combination;
  combination.Number = static_cast<std::uint16_t>(number);
  combination.Name = "Combination " + std::to_string(number);
  combination.Kind = kind;
  combination.Factors = std::move(factors);
  return combination;
}

} // namespace strandel::testing
