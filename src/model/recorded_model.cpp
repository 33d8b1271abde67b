#include "model/recorded_model.h"

#include <type_traits>
#include <unordered_map>
#include <utility>

#include "common/assert.h"

namespace strandel {
namespace {

// Where one of the two lists of a change stands: the change leaves it by
// dropping `leaving` and arrives at the other by placing `arriving`.
struct ChangeSides {
  std::size_t FromCount, ToCount;
  const std::vector<PlacedObject>& Leaving;
  const std::vector<PlacedObject>& Arriving;
  bool Forward;
  std::size_t FromIndex(const AlteredObject& a) const {
    return Forward ? a.BeforeIndex : a.AfterIndex;
  }
  std::size_t ToIndex(const AlteredObject& a) const {
    return Forward ? a.AfterIndex : a.BeforeIndex;
  }
  const GraphObject& FromValue(const AlteredObject& a) const {
    return Forward ? a.Before : a.After;
  }
  const GraphObject& ToValue(const AlteredObject& a) const { return Forward ? a.After : a.Before; }
};

ChangeSides SidesOf(const ModelChange& change, ChangeDirection direction) {
  if (direction == ChangeDirection::Forward)
    return {change.BeforeCount, change.AfterCount, change.Removed, change.Inserted, true};
  return {change.AfterCount, change.BeforeCount, change.Inserted, change.Removed, false};
}

std::size_t TextBytes(const std::string& text) {
  // Short texts live inside the string itself.
  return text.capacity() > 15 ? text.capacity() + 1 : 0;
}

GraphObject Unselected(GraphObject object) {
  SelectedFlag(object) = false;
  return object;
}

} // namespace

bool SameModelObject(const GraphObject& a, const GraphObject& b) {
  if (a.index() != b.index()) return false;
  return std::visit(
      [&b](const auto& x) {
        using T = std::decay_t<decltype(x)>;
        const T& y = std::get<T>(b);
        bool sameResults = true;
        if constexpr (std::is_same_v<T, TSupportObject>) sameResults = x.Reactions == y.Reactions;
        if (x.Selected == y.Selected && sameResults) return x == y;
        T alike = y;
        alike.Selected = x.Selected;
        if constexpr (std::is_same_v<T, TSupportObject>) alike.Reactions = x.Reactions;
        return x == alike;
      },
      a);
}

std::size_t ObjectBytes(const GraphObject& object) {
  std::size_t bytes = sizeof(GraphObject);
  if (const auto* beam = std::get_if<TBeamObject>(&object)) {
    for (const std::string* text :
         {&beam->BeamGroup, &beam->MtrlName, &beam->MtrlType, &beam->MtrlDesc, &beam->ProfName})
      bytes += TextBytes(*text);
  }
  return bytes;
}

bool ModelChange::Empty() const {
  return Removed.empty() && Inserted.empty() && Altered.empty() && SettingsBefore == SettingsAfter;
}

std::size_t ModelChange::Bytes() const {
  std::size_t bytes = sizeof(ModelChange) + TextBytes(SettingsBefore.VariableStr) +
                      TextBytes(SettingsAfter.VariableStr);
  for (const auto* list : {&Removed, &Inserted})
    for (const PlacedObject& placed : *list)
      bytes += sizeof(std::size_t) + ObjectBytes(placed.Value);
  for (const AlteredObject& altered : Altered)
    bytes += 2 * sizeof(std::size_t) + ObjectBytes(altered.Before) + ObjectBytes(altered.After);
  return bytes;
}

void RecordedModel::Take(const ModelDocument& doc) {
  objects_.clear();
  objects_.reserve(doc.GraphObjects.size());
  for (const auto& object : doc.GraphObjects)
    objects_.push_back({object.get(), *object});
  settings_ = doc.Settings;
}

std::size_t RecordedModel::Bytes() const {
  std::size_t bytes = sizeof(RecordedModel) + TextBytes(settings_.VariableStr);
  for (const Entry& entry : objects_)
    bytes += sizeof(const GraphObject*) + ObjectBytes(entry.Value);
  return bytes;
}

ModelChange RecordedModel::Update(const ModelDocument& doc) {
  const auto& list = doc.GraphObjects;
  ModelChange change;
  change.BeforeCount = objects_.size();
  change.AfterCount = list.size();
  change.SettingsBefore = settings_;
  change.SettingsAfter = doc.Settings;
  settings_ = change.SettingsAfter;

  // Pair the recorded objects with the document's by identity, keeping both
  // orders, so an object that only changed is kept as one altered object. An
  // object the document holds at a recorded address but out of order (the
  // address of a deleted object taken again) counts as new.
  std::vector<std::size_t> removed, inserted;
  std::vector<std::pair<std::size_t, std::size_t>> matched; // (record, document)
  matched.reserve(list.size());
  std::unordered_map<const GraphObject*, std::size_t> recordedAt;
  std::size_t i = 0;
  for (std::size_t j = 0; j < list.size(); ++j) {
    const GraphObject* object = list[j].get();
    if (i < objects_.size() && objects_[i].Identity == object) {
      matched.emplace_back(i++, j);
      continue;
    }
    if (recordedAt.empty()) {
      recordedAt.reserve(objects_.size());
      for (std::size_t k = 0; k < objects_.size(); ++k)
        recordedAt.emplace(objects_[k].Identity, k);
    }
    const auto found = recordedAt.find(object);
    if (found != recordedAt.end() && found->second > i) {
      for (; i < found->second; ++i)
        removed.push_back(i);
      matched.emplace_back(i++, j);
    } else {
      inserted.push_back(j);
    }
  }
  for (; i < objects_.size(); ++i)
    removed.push_back(i);

  // Counted first: a move of everything alters every object, and a list grown
  // step by step would hold its copies twice for a moment.
  std::vector<std::size_t> altered;
  for (std::size_t k = 0; k < matched.size(); ++k)
    if (!SameModelObject(objects_[matched[k].first].Value, *list[matched[k].second]))
      altered.push_back(k);
  change.Altered.reserve(altered.size());
  for (std::size_t k : altered) {
    const auto [r, d] = matched[k];
    change.Altered.push_back({r, d, std::move(objects_[r].Value), *list[d]});
    objects_[r].Value = *list[d];
  }
  if (removed.empty() && inserted.empty()) return change;

  for (std::size_t r : removed)
    change.Removed.push_back({r, std::move(objects_[r].Value)});
  for (std::size_t d : inserted)
    change.Inserted.push_back({d, *list[d]});
  std::vector<Entry> updated(list.size());
  for (const auto& [r, d] : matched)
    updated[d] = std::move(objects_[r]);
  for (const PlacedObject& placed : change.Inserted)
    updated[placed.Index] = {list[placed.Index].get(), placed.Value};
  objects_ = std::move(updated);
  return change;
}

bool RecordedModel::Mirrors(const ModelDocument& doc) const {
  if (objects_.size() != doc.GraphObjects.size()) return false;
  for (std::size_t k = 0; k < objects_.size(); ++k)
    if (objects_[k].Identity != doc.GraphObjects[k].get()) return false;
  return true;
}

bool RecordedModel::Apply(ModelDocument& doc, const ModelChange& change,
                          ChangeDirection direction) {
  const ChangeSides sides = SidesOf(change, direction);
  auto& list = doc.GraphObjects;
  // Everything is checked before anything is touched: a change applied to a
  // model it does not start from would put objects in wrong places.
  if (!Mirrors(doc) || list.size() != sides.FromCount) return false;
  if (sides.FromCount - sides.Leaving.size() != sides.ToCount - sides.Arriving.size()) return false;
  for (std::size_t k = 0; k < sides.Leaving.size(); ++k) {
    const PlacedObject& leaving = sides.Leaving[k];
    if (leaving.Index >= sides.FromCount) return false;
    if (k > 0 && leaving.Index <= sides.Leaving[k - 1].Index) return false;
    if (!SameModelObject(*list[leaving.Index], leaving.Value)) return false;
  }
  for (std::size_t k = 0; k < sides.Arriving.size(); ++k) {
    const std::size_t index = sides.Arriving[k].Index;
    if (index >= sides.ToCount || (k > 0 && index <= sides.Arriving[k - 1].Index)) return false;
  }
  for (const AlteredObject& altered : change.Altered) {
    if (sides.FromIndex(altered) >= sides.FromCount || sides.ToIndex(altered) >= sides.ToCount)
      return false;
    if (!SameModelObject(*list[sides.FromIndex(altered)], sides.FromValue(altered))) return false;
  }

  std::vector<const GraphObject*> alteredObjects;
  for (const AlteredObject& altered : change.Altered)
    alteredObjects.push_back(list[sides.FromIndex(altered)].get());

  std::vector<std::unique_ptr<GraphObject>> newList(sides.ToCount);
  std::vector<Entry> newRecord(sides.ToCount);
  std::size_t from = 0, leaving = 0, arriving = 0;
  for (std::size_t to = 0; to < sides.ToCount; ++to) {
    if (arriving < sides.Arriving.size() && sides.Arriving[arriving].Index == to) {
      const GraphObject& value = sides.Arriving[arriving++].Value;
      newList[to] = std::make_unique<GraphObject>(Unselected(value));
      newRecord[to] = {newList[to].get(), value};
      continue;
    }
    while (leaving < sides.Leaving.size() && sides.Leaving[leaving].Index == from) {
      ++from;
      ++leaving;
    }
    newList[to] = std::move(list[from]);
    newRecord[to] = std::move(objects_[from]);
    ++from;
  }
  for (std::size_t k = 0; k < change.Altered.size(); ++k) {
    const AlteredObject& altered = change.Altered[k];
    const std::size_t to = sides.ToIndex(altered);
    STRANDEL_ASSERT(newList[to].get() == alteredObjects[k], "altered object out of place");
    GraphObject& object = *newList[to];
    const bool selected = IsSelected(object);
    object = sides.ToValue(altered);
    SelectedFlag(object) = selected;
    newRecord[to].Value = sides.ToValue(altered);
  }
  list = std::move(newList);
  objects_ = std::move(newRecord);
  // The history texts a save stamps lie outside the settings, so a save in
  // between is never taken back.
  doc.Settings = sides.Forward ? change.SettingsAfter : change.SettingsBefore;
  settings_ = doc.Settings;
  return true;
}

} // namespace strandel
