#include "optimizer/position_snapshot.h"

#include <type_traits>
#include <variant>

namespace strandel {
namespace {

// Calls `visit` with every coordinate of the object that moving nodes can change,
// always in the same order for the same kind.
template <class Object, class Visit> void EachCoordinate(Object& object, Visit&& visit) {
  std::visit(
      [&](auto& o) {
        using T = std::decay_t<decltype(o)>;
        if constexpr (std::is_same_v<T, TNodeObject>) {
          visit(o.X), visit(o.Y), visit(o.PositionOnBeam);
        } else if constexpr (std::is_same_v<T, TBeamObject> || std::is_same_v<T, TLoadObject>) {
          visit(o.X1), visit(o.Y1), visit(o.X2), visit(o.Y2);
        } else {
          visit(o.X), visit(o.Y);
        }
      },
      object);
}

} // namespace

void PositionSnapshot::Capture(const ModelDocument& doc) {
  Clear();
  kinds_.reserve(doc.GraphObjects.size());
  for (const auto& object : doc.GraphObjects) {
    kinds_.push_back(static_cast<std::uint8_t>(KindOf(*object)));
    EachCoordinate(*object, [&](const double& value) { values_.push_back(value); });
  }
}

bool PositionSnapshot::Restore(ModelDocument& doc) const {
  if (kinds_.empty() || kinds_.size() != doc.GraphObjects.size()) return false;
  for (std::size_t i = 0; i < kinds_.size(); ++i)
    if (kinds_[i] != static_cast<std::uint8_t>(KindOf(*doc.GraphObjects[i]))) return false;
  std::size_t next = 0;
  for (auto& object : doc.GraphObjects)
    EachCoordinate(*object, [&](double& value) { value = values_[next++]; });
  return true;
}

void PositionSnapshot::Clear() {
  kinds_.clear();
  values_.clear();
}

} // namespace strandel
