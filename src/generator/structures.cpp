#include "generator/structures.h"

#include <cmath>

#include "common/geometry.h"
#include "model/object_text.h"

namespace strandel {
namespace {

constexpr std::uint32_t kTemplateGrey = 0xCCCCCC;

// A label a little left of the middle when the middle is a node of the beam.
double MiddleLabel(int sections) {
  return sections % 2 == 0 ? 0.5 - 1.0 / (2.0 * sections) : 0.5;
}

void Frame(ModelDocument& doc, const GeneratorParameters& p, const std::string& beam) {
  const int n = p.n, m = p.m;
  const double dx = p.W / n, dy = p.H / m, left = -p.W / 2;
  auto node = [&](int i, int j) { return i * (m + 1) + j + 1; };
  // The horizontal beam of level j comes after the (n + 1) * m columns, so the
  // interior column nodes of the level lie on beam (n + 1) * m + j + 1.
  for (int i = 0; i <= n; ++i) {
    for (int j = 0; j <= m; ++j) {
      const int host = (i > 0 && i < n) ? (n + 1) * m + j + 1 : -1;
      GenNode(doc, host, i * dx + left, j * dy, static_cast<double>(i) / n);
    }
  }
  for (int i = 0; i <= n; ++i) {
    for (int j = 0; j < m; ++j) {
      GenBeam(doc, beam, true, true, node(i, j), i * dx + left, j * dy, i * dx + left, (j + 1) * dy,
              node(i, j + 1), "Vertical Beams", kTemplateGrey, 0.5);
    }
  }
  for (int j = 0; j <= m; ++j) {
    const TBeamObject& floor =
        GenBeam(doc, beam, true, true, node(0, j), left, j * dy, -left, j * dy, node(n, j),
                "Horizontal Beams", kTemplateGrey, MiddleLabel(n));
    GenLoad(doc, floor.Number, node(0, j), node(n, j), left, j * dy, -left, j * dy, p.q);
  }
  for (int i = 0; i <= n; ++i)
    GenSupport(doc, node(i, 0), false, i * dx + left, 0);
}

void Tower(ModelDocument& doc, const GeneratorParameters& p, const std::string& beam) {
  const int m = p.m;
  const double dy = p.H / m, half = p.W / 2;
  for (int j = 0; j <= m; ++j) {
    for (int i = 0; i <= 1; ++i)
      GenNode(doc, -1, i * p.W - half, j * dy, 0);
  }
  const std::uint32_t columnGrey = DarkenedGrey(0.7), floorGrey = DarkenedGrey(0.8);
  for (int j = 0; j < m; ++j) {
    for (int i = 0; i <= 1; ++i) {
      GenBeam(doc, beam, j != 0, j != m - 1, 2 * j + i + 1, i * p.W - half, j * dy, i * p.W - half,
              (j + 1) * dy, 2 * j + i + 3, "Vertical Beams", columnGrey, 0.5);
    }
  }
  for (int j = 0; j <= m; ++j) {
    GenBeam(doc, beam, false, false, 2 * j + 1, -half, j * dy, half, j * dy, 2 * j + 2,
            "Horizontal Beams", floorGrey, 0.5);
  }
  for (int k = 1; k <= m; ++k) {
    GenBeam(doc, beam, false, false, 2 * k - 1, -half, (k - 1) * dy, half, k * dy, 2 * k + 2,
            "Diagonal Beams", kTemplateGrey, 0.25);
    GenBeam(doc, beam, false, false, 2 * k, half, (k - 1) * dy, -half, k * dy, 2 * k + 1,
            "Diagonal Beams", kTemplateGrey, 0.25);
  }
  GenSupport(doc, 1, false, -half, 0);
  GenSupport(doc, 2, false, half, 0);
}

void TrussGirder(ModelDocument& doc, const GeneratorParameters& p, const std::string& beam) {
  const int n = p.n;
  const double dx = p.W / n, left = -p.W / 2, h = p.H;
  for (int i = 0; i <= n; ++i) {
    for (int t = 0; t <= 1; ++t) {
      const int host = (i > 0 && i < n && t == 0) ? 1 : -1;
      GenNode(doc, host, i * dx + left, t * h, static_cast<double>(i) / n);
    }
  }
  // The top corners carry nothing: the end diagonals run from the supports.
  std::erase_if(doc.GraphObjects, [&](const std::unique_ptr<GraphObject>& object) {
    const auto* node = std::get_if<TNodeObject>(object.get());
    return node && (node->Number == 2 || node->Number == 2 * n + 2);
  });
  const std::uint32_t chordGrey = DarkenedGrey(0.7), arcGrey = DarkenedGrey(0.8),
                      verticalGrey = DarkenedGrey(0.9);
  GenBeam(doc, beam, false, false, 1, left, 0, -left, 0, 2 * n + 1, "", chordGrey, MiddleLabel(n));
  GenLoad(doc, 1, 1, 2 * n + 1, left, 0, -left, 0, p.q);
  GenBeam(doc, beam, false, true, 1, left, 0, dx + left, h, 4, "Arc-beams", arcGrey, 0.5);
  for (int b = 1; b <= n - 2; ++b) {
    GenBeam(doc, beam, true, true, 2 * b + 2, b * dx + left, h, (b + 1) * dx + left, h, 2 * b + 4,
            "Arc-beams", arcGrey, 0.5);
  }
  GenBeam(doc, beam, true, false, 2 * n, -left - dx, h, -left, 0, 2 * n + 1, "Arc-beams", arcGrey,
          0.5);
  for (int b = 1; b <= n - 1; ++b) {
    GenBeam(doc, beam, false, false, 2 * b + 1, b * dx + left, 0, b * dx + left, h, 2 * b + 2,
            "Vertical-beams", verticalGrey, 0.5);
  }
  for (int b = 1; b <= n - 2; ++b) {
    GenBeam(doc, beam, false, false, 2 * b + 1, b * dx + left, 0, (b + 1) * dx + left, h, 2 * b + 4,
            "Diagonal Beams", kTemplateGrey, 0.25);
    GenBeam(doc, beam, false, false, 2 * b + 2, b * dx + left, h, (b + 1) * dx + left, 0, 2 * b + 3,
            "Diagonal Beams", kTemplateGrey, 0.25);
  }
  GenSupport(doc, 1, false, left, 0);
  GenSupport(doc, 2 * n + 1, true, -left, 0);
}

void Arch(ModelDocument& doc, const GeneratorParameters& p, const std::string& beam) {
  const int n = p.n;
  const double radius = p.W * p.W / (8 * p.H) + p.H / 2;
  const double opening = 2 * std::atan2(p.W / 2, radius - p.H);
  const double step = opening / n;
  auto angle = [&](int i) { return kPi / 2 + opening / 2 - i * step; };
  auto point = [&](int i) {
    return Point2{radius * std::cos(angle(i)), radius * std::sin(angle(i)) - (radius - p.H)};
  };
  for (int i = 0; i <= n; ++i)
    GenNode(doc, -1, point(i).X, point(i).Y, 0);
  for (int i = 0; i < n; ++i) {
    const Point2 a = point(i), b = point(i + 1);
    const TBeamObject& segment = GenBeam(doc, beam, i != 0, i != n - 1, i + 1, a.X, a.Y, b.X, b.Y,
                                         i + 2, "Arc-Beams", kTemplateGrey, 0.5);
    // The load covers the part of the arch within 60 degrees of the crown.
    if (angle(i) < 5 * kPi / 6 && angle(i + 1) > kPi / 6) {
      GenLoad(doc, segment.Number, i + 1, i + 2, a.X, a.Y, b.X, b.Y, p.q);
    }
  }
  GenSupport(doc, 1, false, point(0).X, point(0).Y);
  GenSupport(doc, n + 1, false, point(n).X, point(n).Y);
}

// The hanging chain y(x) = cosh(k x) / k + c through (+-L, H) with y(0) = H2.
struct Chain {
  double K = 0;
  double C = 0;
  double At(double x) const { return std::cosh(K * x) / K + C; }
};

Chain ChainThrough(double halfSpan, double height, double lowPoint) {
  const double sag = height - lowPoint;
  double k = 2 * sag / (halfSpan * halfSpan);
  for (int step = 0; step < 10; ++step) {
    const double f = std::cosh(k * halfSpan) - sag * k - 1;
    const double slope = halfSpan * std::sinh(k * halfSpan) - sag;
    k -= f / slope;
  }
  return {k, lowPoint - 1 / k};
}

void SuspensionBridge(ModelDocument& doc, const GeneratorParameters& p, const std::string& beam) {
  const int n = p.n;
  const double half = p.W / 2, dx = p.W / n;
  const Chain chain = ChainThrough(half, p.H, p.H2);
  auto x = [&](int i) { return i * dx - half; };
  const int roadBeam = 2 * n + 4;
  GenNode(doc, -1, -half - dx, 0, 0);
  for (int i = 0; i <= n; ++i)
    GenNode(doc, -1, x(i), chain.At(x(i)), 0);
  GenNode(doc, -1, half + dx, 0, 0);
  for (int i = 0; i <= n; ++i) {
    const bool inner = i > 0 && i < n;
    GenNode(doc, inner ? roadBeam : -1, x(i), 0, inner ? static_cast<double>(i) / n : 0);
  }
  const std::uint32_t columnGrey = DarkenedGrey(0.8);
  GenBeam(doc, beam, false, false, 1, -half - dx, 0, -half, p.H, 2, "Hyperbolic-Chains",
          kTemplateGrey, 0.5);
  for (int i = 0; i < n; ++i) {
    GenBeam(doc, beam, false, false, i + 2, x(i), chain.At(x(i)), x(i + 1), chain.At(x(i + 1)),
            i + 3, "Hyperbolic-Chains", kTemplateGrey, 0.5);
  }
  GenBeam(doc, beam, false, false, n + 2, half, p.H, half + dx, 0, n + 3, "Hyperbolic-Chains",
          kTemplateGrey, 0.5);
  GenBeam(doc, beam, false, false, 2, -half, p.H, -half, 0, n + 4, "Columns", columnGrey, 0.5);
  for (int i = 1; i <= n - 1; ++i) {
    GenBeam(doc, beam, false, false, i + 2, x(i), chain.At(x(i)), x(i), 0, n + 4 + i,
            "Vertical-Chains", kTemplateGrey, 0.5);
  }
  GenBeam(doc, beam, false, false, n + 2, half, p.H, half, 0, 2 * n + 4, "Columns", columnGrey,
          0.5);
  const TBeamObject& road = GenBeam(doc, beam, false, false, n + 4, -half, 0, half, 0, 2 * n + 4,
                                    "Road-Beam", kTemplateGrey, MiddleLabel(n));
  GenLoad(doc, road.Number, n + 4, 2 * n + 4, -half, 0, half, 0, p.q);
  GenSupport(doc, 1, false, -half - dx, 0);
  GenSupport(doc, n + 4, false, -half, 0);
  GenSupport(doc, 2 * n + 4, false, half, 0);
  GenSupport(doc, n + 3, false, half + dx, 0);
}

} // namespace

std::uint32_t DarkenedGrey(double factor) {
  std::uint32_t colour = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const auto component = static_cast<std::uint32_t>(((kTemplateGrey >> shift) & 0xFF) * factor);
    colour |= component << shift;
  }
  return colour;
}

TNodeObject& GenNode(ModelDocument& doc, int hostBeam, double x, double y, double beamPos) {
  const long number = NextNumber(doc, ObjectKind::Node);
  TNodeObject& node = AppendObject<TNodeObject>(doc);
  node.Number = static_cast<std::uint16_t>(number);
  node.X = x;
  node.Y = y;
  node.HostBeam = hostBeam;
  node.PositionOnBeam = beamPos;
  node.Provisional = false;
  return node;
}

TBeamObject& GenBeam(ModelDocument& doc, const std::string& templateBeam, bool locked1,
                     bool locked2, int node1, double x1, double y1, double x2, double y2, int node2,
                     const std::string& group, std::uint32_t colour, double txtPos) {
  const long number = NextNumber(doc, ObjectKind::Beam);
  TBeamObject& beam = AppendBeamFromTemplate(doc, templateBeam);
  beam.Number = static_cast<std::uint16_t>(number);
  beam.Locked1 = locked1;
  beam.Locked2 = locked2;
  beam.Node1 = static_cast<std::uint16_t>(node1);
  beam.Node2 = static_cast<std::uint16_t>(node2);
  beam.X1 = x1;
  beam.Y1 = y1;
  beam.X2 = x2;
  beam.Y2 = y2;
  beam.BeamGroup = group;
  beam.BeamColor = colour;
  beam.TxtPos = txtPos;
  return beam;
}

TLoadObject& GenLoad(ModelDocument& doc, int hostBeam, int node1, int node2, double x1, double y1,
                     double x2, double y2, double value) {
  const long number = NextNumber(doc, ObjectKind::Load);
  TLoadObject& load = AppendObject<TLoadObject>(doc);
  load.Number = static_cast<std::uint16_t>(number);
  load.HostBeam = hostBeam;
  load.Node1 = node1;
  load.Node2 = node2;
  load.X1 = x1;
  load.Y1 = y1;
  load.X2 = x2;
  load.Y2 = y2;
  load.Value = value;
  return load;
}

TSupportObject& GenSupport(ModelDocument& doc, int node, bool rolled, double x, double y) {
  const long number = NextNumber(doc, ObjectKind::Support);
  TSupportObject& support = AppendObject<TSupportObject>(doc);
  support.Number = static_cast<std::uint16_t>(number);
  support.NodeNo = static_cast<std::uint16_t>(node);
  support.Rolled = rolled;
  support.Direction = 1;
  support.X = x;
  support.Y = y;
  return support;
}

void GenerateStructure(ModelDocument& doc, const GeneratorParameters& parameters,
                       const std::string& templateBeam, const DocumentSizes& sizes) {
  NewDocument(doc, sizes);
  switch (parameters.Kind) {
  case StructureKind::Frame:
    Frame(doc, parameters, templateBeam);
    break;
  case StructureKind::Tower:
    Tower(doc, parameters, templateBeam);
    break;
  case StructureKind::TrussGirder:
    TrussGirder(doc, parameters, templateBeam);
    break;
  case StructureKind::Arch:
    Arch(doc, parameters, templateBeam);
    break;
  case StructureKind::SuspensionBridge:
    SuspensionBridge(doc, parameters, templateBeam);
    break;
  }
  doc.Modified = true;
}

} // namespace strandel
