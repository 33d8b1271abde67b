#include "analysis/refined_frame.h"

#include <algorithm>
#include <cmath>

#include "analysis/element.h"

namespace strandel {

int PiecesFor(double length, double ei, double normal) {
  if (!(ei > 0) || !(std::fabs(normal) > 0)) return 1;
  const double pieces = std::ceil(length * std::sqrt(std::fabs(normal) / ei) / kPieceWave);
  if (!(pieces < kMostPieces)) return kMostPieces; // infinite and not a number too
  return std::max(static_cast<int>(pieces), 1);
}

RefinedFrame::RefinedFrame(const std::vector<TSegmentObject>& segments, const NodeTable& nodes,
                           const std::vector<char>& free, std::vector<int> pieces)
    : pieces_(std::move(pieces)) {
  nodeUnknowns_ = 3 * nodes.Count();
  unknowns_ = nodeUnknowns_;
  const std::size_t count = segments.size();
  firstInner_.resize(count);
  start_.resize(count);
  end_.resize(count);
  for (std::size_t s = 0; s < count; ++s) {
    // A stretch without bending stiffness stays whole: its inner points would
    // have nothing to hold them across it.
    if (!(segments[s].EModulus * segments[s].Inertia > 0)) pieces_[s] = 1;
    start_[s] = 3 * nodes.IndexOf(segments[s].Node1);
    end_[s] = 3 * nodes.IndexOf(segments[s].Node2);
    firstInner_[s] = unknowns_;
    unknowns_ += 3 * (pieces_[s] - 1);
  }
  freeIndex_.assign(unknowns_, -1);
  for (int d = 0; d < unknowns_; ++d)
    if (d >= nodeUnknowns_ || free[d]) freeIndex_[d] = freeCount_++;
}

std::array<int, 6> RefinedFrame::PieceUnknowns(std::size_t s, int p) const {
  const auto point = [&](int i) { // 0 the start node, pieces_[s] the end node
    if (i == 0) return start_[s];
    if (i == pieces_[s]) return end_[s];
    return firstInner_[s] + 3 * (i - 1);
  };
  const int a = point(p), b = point(p + 1);
  return {a, a + 1, a + 2, b, b + 1, b + 2};
}

double RefinedFrame::PieceNormal(const TSegmentObject& segment, double startNormal,
                                 std::size_t s, int p) const {
  return startNormal - segment.Px * segment.Length * (p + 0.5) / pieces_[s];
}

namespace {

// A piece: the stretch's own end flag at the stretch's ends, rigid inside.
struct Piece {
  bool Locked1, Locked2;
  double Length;
};

Piece PieceOf(const TSegmentObject& segment, int p, int pieces) {
  return {p == 0 ? segment.Locked1 : true, p == pieces - 1 ? segment.Locked2 : true,
          segment.Length / pieces};
}

Matrix6 PieceStiffness(const TSegmentObject& segment, const Piece& piece, double normal,
                       double elastic, double geometric) {
  Matrix6 k{};
  if (elastic != 0) {
    k = ElementStiffness(piece.Locked1, piece.Locked2, piece.Length,
                         segment.EModulus * segment.Area, segment.EModulus * segment.Inertia);
    for (double& value : k)
      value *= elastic;
  }
  if (geometric != 0 && normal != 0) {
    const Matrix6 g = GeometricStiffness(piece.Locked1, piece.Locked2, piece.Length, normal);
    for (int i = 0; i < 36; ++i)
      k[i] += geometric * g[i];
  }
  return k;
}

// The loads spread along the stretch as nodal loads of one piece, local axes.
Vector6 PieceLoads(const TSegmentObject& segment, const Piece& piece) {
  Vector6 eq{};
  AddEquivalentLoads(piece.Locked1, piece.Locked2, segment.Px * piece.Length,
                     segment.Py * piece.Length, piece.Length, eq);
  return eq;
}

Vector6 Turned(const Vector6& v, double angle, bool toLocal) {
  const double c = std::cos(angle), s = toLocal ? std::sin(angle) : -std::sin(angle);
  Vector6 out{};
  for (int block = 0; block < 6; block += 3) {
    out[block] = c * v[block] + s * v[block + 1];
    out[block + 1] = -s * v[block] + c * v[block + 1];
    out[block + 2] = v[block + 2];
  }
  return out;
}

} // namespace

RefinedEquations AssembleRefined(const RefinedFrame& frame,
                                 const std::vector<TSegmentObject>& segments,
                                 const std::vector<double>& normal, double elastic,
                                 double geometric, const NodeLoadSet* loads) {
  RefinedEquations equations;
  std::size_t pieces = 0;
  for (int n : frame.Pieces())
    pieces += n;
  equations.Lower.reserve(21 * pieces);
  if (loads) {
    equations.Rhs.assign(frame.FreeCount(), 0.0);
    for (int d = 0; d < frame.NodeUnknowns(); ++d)
      if (const int r = frame.FreeIndex(d); r >= 0) equations.Rhs[r] += loads->Loads[d];
  }
  const auto value = [&](int unknown) { // a held unknown's prescribed value
    return unknown < frame.NodeUnknowns() && loads->Held[unknown] ? loads->Prescribed[unknown]
                                                                  : 0.0;
  };
  for (std::size_t s = 0; s < segments.size(); ++s) {
    const TSegmentObject& segment = segments[s];
    const int count = frame.Pieces()[s];
    for (int p = 0; p < count; ++p) {
      const Piece piece = PieceOf(segment, p, count);
      const Matrix6 k = ToGlobal(
          PieceStiffness(segment, piece, frame.PieceNormal(segment, normal[s], s, p), elastic,
                         geometric),
          segment.Angle);
      const std::array<int, 6> unknowns = frame.PieceUnknowns(s, p);
      std::array<int, 6> rows;
      for (int i = 0; i < 6; ++i)
        rows[i] = frame.FreeIndex(unknowns[i]);
      for (int i = 0; i < 6; ++i) {
        if (rows[i] < 0) continue;
        for (int j = 0; j < 6; ++j) {
          const double kij = k[i * 6 + j];
          if (rows[j] >= 0) {
            if (rows[j] <= rows[i] && kij != 0) equations.Lower.push_back({rows[i], rows[j], kij});
          } else if (loads) {
            equations.Rhs[rows[i]] -= kij * value(unknowns[j]);
          }
        }
      }
      if (!loads) continue;
      const Vector6 eq = Turned(PieceLoads(segment, piece), segment.Angle, false);
      for (int i = 0; i < 6; ++i)
        if (rows[i] >= 0) equations.Rhs[rows[i]] += eq[i];
    }
  }
  return equations;
}

std::vector<double> SpreadSolution(const RefinedFrame& frame, const std::vector<double>& free,
                                   const NodeLoadSet* loads) {
  std::vector<double> u(frame.Unknowns(), 0.0);
  for (int d = 0; d < frame.Unknowns(); ++d) {
    if (const int r = frame.FreeIndex(d); r >= 0)
      u[d] = free[r];
    else if (loads && d < frame.NodeUnknowns() && loads->Held[d])
      u[d] = loads->Prescribed[d];
  }
  return u;
}

void RecoverRefined(const RefinedFrame& frame, const std::vector<double>& u,
                    const std::vector<double>& normal, double geometric,
                    std::vector<TSegmentObject>& segments) {
  for (std::size_t s = 0; s < segments.size(); ++s) {
    TSegmentObject& segment = segments[s];
    const int count = frame.Pieces()[s];
    // The end forces of piece p on its own, local axes.
    const auto pieceForces = [&](int p) {
      const Piece piece = PieceOf(segment, p, count);
      const std::array<int, 6> unknowns = frame.PieceUnknowns(s, p);
      Vector6 dispG;
      for (int i = 0; i < 6; ++i)
        dispG[i] = u[unknowns[i]];
      // A hinged end does not turn with its node.
      if (!piece.Locked1) dispG[2] = 0;
      if (!piece.Locked2) dispG[5] = 0;
      const Vector6 dispL = Turned(dispG, segment.Angle, true);
      const Matrix6 k =
          PieceStiffness(segment, piece, frame.PieceNormal(segment, normal[s], s, p), 1, geometric);
      const Vector6 eq = PieceLoads(segment, piece);
      Vector6 force{};
      for (int i = 0; i < 6; ++i) {
        double sum = 0;
        for (int j = 0; j < 6; ++j)
          sum += k[i * 6 + j] * dispL[j];
        force[i] = sum - eq[i];
      }
      return std::pair{dispG, force};
    };
    const auto [startDisp, startForce] = pieceForces(0);
    const auto [endDisp, endForce] = count == 1 ? std::pair{startDisp, startForce}
                                                : pieceForces(count - 1);
    for (int i = 0; i < 3; ++i) {
      segment.DispG[i] = startDisp[i];
      segment.DispG[i + 3] = endDisp[i + 3];
      segment.ForceL[i] = startForce[i];
      segment.ForceL[i + 3] = endForce[i + 3];
    }
    segment.DispL = Turned(segment.DispG, segment.Angle, true);
    segment.ForceG = Turned(segment.ForceL, segment.Angle, false);
  }
}

void SymmetricProduct(const std::vector<LowerEntry>& lower, const std::vector<double>& x,
                      std::vector<double>& y) {
  y.assign(x.size(), 0.0);
  for (const LowerEntry& e : lower) {
    y[e.Row] += e.Value * x[e.Column];
    if (e.Row != e.Column) y[e.Column] += e.Value * x[e.Row];
  }
}

} // namespace strandel
