#include "optimizer/dependents.h"

namespace strandel {
namespace {

enum class Mark { NotYet, Open, Done };

// A position along a beam and a coordinate cannot stand for one another.
bool SameMeasure(const TVarItem& a, const TVarItem& b) {
  return (a.Kind() == 'P') == (b.Kind() == 'P');
}

class Planner {
public:
  explicit Planner(const Selection& selection)
      : selection_(selection), visits_(selection.size(), Mark::NotYet) {}

  DependentPlan Run() {
    for (std::size_t i = 0; i < selection_.size() && plan_.Ok(); ++i)
      Visit(static_cast<int>(i));
    if (!plan_.Ok()) plan_.Links.clear();
    return std::move(plan_);
  }

private:
  int ColumnOf(const std::string& name) const {
    for (std::size_t j = 0; j < selection_.size(); ++j)
      if (selection_[j]->Name == name) return static_cast<int>(j);
    return -1;
  }

  // Links the sources of column i before column i itself.
  void Visit(int i) {
    if (visits_[i] == Mark::Done) return;
    const TVarItem& item = *selection_[i];
    if (item.IsFree()) {
      visits_[i] = Mark::Done;
      return;
    }
    if (visits_[i] == Mark::Open) {
      plan_.Problem =
          item.Name + " follows itself through a circle of Equal and Mirror constraints";
      return;
    }
    visits_[i] = Mark::Open;
    const int source = ColumnOf(item.AssocName);
    if (source < 0) {
      plan_.Problem = item.AssocName.empty() ? item.Name + " has no variable to follow"
                                             : item.Name + " follows " + item.AssocName +
                                                   ", which is not among the variables to optimize";
      return;
    }
    if (!SameMeasure(item, *selection_[source])) {
      plan_.Problem = item.Name + " cannot follow " + item.AssocName +
                      ": a position on a beam and a coordinate do not mix";
      return;
    }
    Visit(source);
    if (!plan_.Ok()) return;
    plan_.Links.push_back({i, source, item.ConstrainType == kConstrainMirror, item.Kind() == 'P'});
    visits_[i] = Mark::Done;
  }

  const Selection& selection_;
  std::vector<Mark> visits_;
  DependentPlan plan_;
};

} // namespace

DependentPlan PlanDependents(const Selection& selection) {
  return Planner(selection).Run();
}

void EnforceDependents(const DependentPlan& plan, TVector& point) {
  for (const DependentLink& link : plan.Links) {
    const double source = point[link.Source];
    if (!link.Mirror)
      point[link.Index] = source;
    else
      point[link.Index] = link.Position ? 1 - source : -source;
  }
}

} // namespace strandel
