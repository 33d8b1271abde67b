#include "model/document.h"

#include <algorithm>
#include <set>

#include "common/system_info.h"
#include "common/user_message.h"

namespace strandel {

bool& SelectedFlag(GraphObject& object) {
  return std::visit([](auto& o) -> bool& { return o.Selected; }, object);
}

bool IsSelected(const GraphObject& object) {
  return std::visit([](const auto& o) { return o.Selected; }, object);
}

long NumberOf(const GraphObject& object) {
  return std::visit([](const auto& o) { return static_cast<long>(o.Number); }, object);
}

long NextNumber(const ModelDocument& doc, ObjectKind kind) {
  constexpr long kHighestNumber = 65535;
  long highest = 0;
  for (const auto& object : doc.GraphObjects) {
    if (KindOf(*object) == kind) highest = std::max(highest, NumberOf(*object));
  }
  if (highest < kHighestNumber) return highest + 1;
  // Every number up to the top is taken by the highest one; reuse a gap instead of
  // a number that would not fit the stored 16 bits.
  std::set<long> used;
  for (const auto& object : doc.GraphObjects) {
    if (KindOf(*object) == kind) used.insert(NumberOf(*object));
  }
  for (long candidate = 1; candidate <= kHighestNumber; ++candidate) {
    if (!used.count(candidate)) return candidate;
  }
  return kHighestNumber + 1; // all 65535 numbers in use: the caller cannot add more
}

namespace {

template <class T, class Doc> auto* FindByNumber(Doc& doc, long number) {
  using Result = std::conditional_t<std::is_const_v<Doc>, const T, T>;
  for (auto& object : doc.GraphObjects) {
    if (auto* found = std::get_if<T>(object.get()); found && found->Number == number) {
      return static_cast<Result*>(found);
    }
  }
  return static_cast<Result*>(nullptr);
}

} // namespace

TNodeObject* FindNode(ModelDocument& doc, long number) {
  return FindByNumber<TNodeObject>(doc, number);
}
TBeamObject* FindBeam(ModelDocument& doc, long number) {
  return FindByNumber<TBeamObject>(doc, number);
}
TSupportObject* FindSupport(ModelDocument& doc, long number) {
  return FindByNumber<TSupportObject>(doc, number);
}
TLoadObject* FindLoad(ModelDocument& doc, long number) {
  return FindByNumber<TLoadObject>(doc, number);
}
TForceObject* FindForce(ModelDocument& doc, long number) {
  return FindByNumber<TForceObject>(doc, number);
}
TMomentObject* FindMoment(ModelDocument& doc, long number) {
  return FindByNumber<TMomentObject>(doc, number);
}
const TNodeObject* FindNode(const ModelDocument& doc, long number) {
  return FindByNumber<TNodeObject>(doc, number);
}
const TBeamObject* FindBeam(const ModelDocument& doc, long number) {
  return FindByNumber<TBeamObject>(doc, number);
}

int IndexOfObject(const ModelDocument& doc, const GraphObject* object) {
  for (std::size_t i = 0; i < doc.GraphObjects.size(); ++i) {
    if (doc.GraphObjects[i].get() == object) return static_cast<int>(i);
  }
  return -1;
}

void SelectAll(ModelDocument& doc, bool flag) {
  for (auto& object : doc.GraphObjects)
    SelectedFlag(*object) = flag;
}

void ClearModel(ModelDocument& doc) {
  doc.GraphObjects.clear();
  doc.Segments.clear();
}

void InvalidateResults(ModelDocument& doc) {
  doc.ResultsValid = false;
  doc.ShowDisplacements = false;
  doc.ShowUtilisation = false;
}

double ResultLoadFactor(const ModelDocument& doc, long loadCase) {
  if (doc.Settings.LoadCases.empty()) return 1;
  double factor = 0;
  for (const CaseFactor& part : doc.ResultFactors)
    if (part.Case == loadCase) factor += part.Factor;
  return factor;
}

double ResultOwnWeightFactor(const ModelDocument& doc) {
  if (!doc.Settings.OwnWeight) return 0;
  if (doc.Settings.LoadCases.empty()) return 1;
  double factor = 0;
  for (const TLoadCase& loadCase : doc.Settings.LoadCases)
    if (loadCase.SelfWeight) factor += ResultLoadFactor(doc, loadCase.Number);
  return factor;
}

void NewDocument(ModelDocument& doc, const DocumentSizes& sizes) {
  ClearModel(doc);
  doc.FileName = "Noname.qsd";
  doc.Settings = DocumentSettings{};
  doc.Settings.BeamHeight = sizes.BeamHeight;
  doc.Settings.TxtHeight = sizes.TxtHeight;
  doc.Settings.LoadHeight = sizes.LoadHeight;
  doc.DisplacementScale = 0;
  doc.Modified = false;
  doc.ResultsValid = false;
  doc.ShowDisplacements = false;
  doc.ShowUtilisation = false;
  doc.CreatedDate = TodayText();
  doc.CreatedByUser = CurrentUserName();
  doc.CreationVersion = kCreationVersion;
  doc.LastModDate = "?";
  doc.LastModByUser = "?";
}

void CopyBeam(const TBeamObject* source, TBeamObject& target, bool withIdentity,
              UserMessages& messages) {
  if (source == nullptr) {
    messages.Show("invalid copy", MessageKind::Error);
    return;
  }
  if (withIdentity) {
    target.Number = source->Number;
    target.Node1 = source->Node1;
    target.Node2 = source->Node2;
    target.Locked1 = source->Locked1;
    target.Locked2 = source->Locked2;
    target.BeamGroup = source->BeamGroup;
    target.X1 = source->X1;
    target.Y1 = source->Y1;
    target.X2 = source->X2;
    target.Y2 = source->Y2;
  }
  target.Braced = source->Braced;
  target.BeamColor = source->BeamColor;
  target.TxtPos = source->TxtPos;
  target.MtrlName = source->MtrlName;
  target.MtrlType = source->MtrlType;
  target.MtrlDesc = source->MtrlDesc;
  target.HardenAble = source->HardenAble;
  target.Ftk = source->Ftk;
  target.Fck = source->Fck;
  target.Fmk = source->Fmk;
  target.Ek = source->Ek;
  target.Dens = source->Dens;
  target.ShapeNo = source->ShapeNo;
  target.ProfName = source->ProfName;
  target.B = source->B;
  target.H = source->H;
  target.TL = source->TL;
  target.TF = source->TF;
  target.SafetyClass = source->SafetyClass;
  target.ClimateZone = source->ClimateZone;
  target.LoadDuration = source->LoadDuration;
  target.Manufacture = source->Manufacture;
  target.DimControl = source->DimControl;
}

namespace {

// Removes every object for which `remove` holds, keeping the order of the rest.
template <class Predicate> void RemoveObjects(ModelDocument& doc, Predicate remove) {
  std::erase_if(doc.GraphObjects,
                [&](const std::unique_ptr<GraphObject>& object) { return remove(*object); });
}

std::set<long> ReferencedNodes(const ModelDocument& doc) {
  std::set<long> nodes;
  for (const auto& object : doc.GraphObjects) {
    if (const auto* beam = std::get_if<TBeamObject>(object.get())) {
      nodes.insert(beam->Node1);
      nodes.insert(beam->Node2);
    } else if (const auto* support = std::get_if<TSupportObject>(object.get())) {
      nodes.insert(support->NodeNo);
    } else if (const auto* force = std::get_if<TForceObject>(object.get())) {
      nodes.insert(force->NodeNo);
    } else if (const auto* moment = std::get_if<TMomentObject>(object.get())) {
      nodes.insert(moment->NodeNo);
    } else if (const auto* load = std::get_if<TLoadObject>(object.get())) {
      nodes.insert(load->Node1);
      nodes.insert(load->Node2);
    }
  }
  return nodes;
}

} // namespace

void DeleteSelected(ModelDocument& doc) {
  RemoveObjects(doc, [](const GraphObject& object) {
    const ObjectKind kind = KindOf(object);
    return IsSelected(object) && (kind == ObjectKind::Moment || kind == ObjectKind::Force ||
                                  kind == ObjectKind::Load || kind == ObjectKind::Support);
  });

  // A beam that a node lies on stays: the node would lose its place.
  std::set<long> hostBeams;
  for (const TNodeObject& node : ObjectsOf<TNodeObject>(doc)) {
    if (node.HostBeam != -1) hostBeams.insert(node.HostBeam);
  }
  std::set<long> removedBeams;
  RemoveObjects(doc, [&](const GraphObject& object) {
    const auto* beam = std::get_if<TBeamObject>(&object);
    if (!beam || !beam->Selected || hostBeams.count(beam->Number)) return false;
    removedBeams.insert(beam->Number);
    return true;
  });
  // A load belongs to its beam; left behind it would be drawn but carried by nothing.
  if (!removedBeams.empty()) {
    for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc))
      removedBeams.erase(beam.Number);
    RemoveObjects(doc, [&](const GraphObject& object) {
      const auto* load = std::get_if<TLoadObject>(&object);
      return load && removedBeams.count(load->HostBeam);
    });
  }

  // Nodes are referred to only by other kinds, so the references are fixed now.
  const std::set<long> referenced = ReferencedNodes(doc);
  RemoveObjects(doc, [&](const GraphObject& object) {
    const auto* node = std::get_if<TNodeObject>(&object);
    return node && node->Selected && !referenced.count(node->Number);
  });
}

} // namespace strandel
