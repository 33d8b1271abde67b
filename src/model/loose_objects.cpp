#include "model/loose_objects.h"

#include <unordered_set>

#include "common/text.h"
#include "common/text_entries.h"
#include "common/translation.h"

namespace strandel {
namespace {

// Naming more than this many would bury the message; the rest are counted.
constexpr std::size_t kNamedAtMost = 10;

template <class T> std::unordered_set<long> NumbersOf(const ModelDocument& doc) {
  std::unordered_set<long> numbers;
  for (const T& object : ObjectsOf<T>(doc))
    numbers.insert(object.Number);
  return numbers;
}

std::string Named(const LooseObject& object) {
  std::string text;
  switch (object.Kind) {
  case ObjectKind::Load:
    text = TranslatedOr(tr::kLooseLoad, "load %1 on beam %2");
    break;
  case ObjectKind::Force:
    text = TranslatedOr(tr::kLooseForce, "force %1 at node %2");
    break;
  default:
    text = TranslatedOr(tr::kLooseMoment, "moment %1 at node %2");
    break;
  }
  text = ReplaceAll(text, "%1", std::to_string(object.Number));
  return ReplaceAll(text, "%2", std::to_string(object.Host));
}

} // namespace

std::vector<LooseObject> LooseObjects(const ModelDocument& doc) {
  const std::unordered_set<long> nodes = NumbersOf<TNodeObject>(doc);
  const std::unordered_set<long> beams = NumbersOf<TBeamObject>(doc);
  std::vector<LooseObject> loose;
  for (const auto& object : doc.GraphObjects) {
    if (const auto* load = std::get_if<TLoadObject>(object.get())) {
      if (!beams.count(load->HostBeam))
        loose.push_back({ObjectKind::Load, load->Number, load->HostBeam, load->Value});
    } else if (const auto* force = std::get_if<TForceObject>(object.get())) {
      if (!nodes.count(force->NodeNo))
        loose.push_back({ObjectKind::Force, force->Number, force->NodeNo, force->Value});
    } else if (const auto* moment = std::get_if<TMomentObject>(object.get())) {
      if (!nodes.count(moment->NodeNo))
        loose.push_back({ObjectKind::Moment, moment->Number, moment->NodeNo, moment->Value});
    }
  }
  return loose;
}

std::string LooseObjectsText(const std::vector<LooseObject>& loose) {
  if (loose.empty()) return {};
  std::string text = TranslatedOr(tr::kMsgLooseObjects,
                                  "These objects refer to a beam or node that does not exist, and "
                                  "the analysis leaves them out:");
  for (std::size_t i = 0; i < loose.size() && i < kNamedAtMost; ++i)
    text += (i == 0 ? " " : ", ") + Named(loose[i]);
  if (loose.size() > kNamedAtMost) text += ", ... (" + std::to_string(loose.size()) + ")";
  return text + ".";
}

} // namespace strandel
