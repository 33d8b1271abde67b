#include "dialogs/beam_dialog_choices.h"

#include "common/text_entries.h"
#include "common/translation.h"

namespace strandel {
namespace {

std::vector<std::string> Texts(std::initializer_list<int> entries) {
  std::vector<std::string> items;
  for (int entry : entries)
    items.push_back(Translated(entry));
  return items;
}

} // namespace

std::vector<std::string> ManufactureItems(MaterialKind kind) {
  switch (kind) {
  case MaterialKind::Wood:
    return Texts({tr::kManufactureSawnTimber, tr::kManufactureGlulam});
  case MaterialKind::Steel:
    return Texts({tr::kManufactureHotRolled, tr::kManufactureColdFormed, tr::kManufactureWelded});
  case MaterialKind::Aluminium:
    return Texts({tr::kManufactureExtruded, tr::kManufactureWelded});
  case MaterialKind::Other:
    break;
  }
  return {};
}

std::vector<std::string> DimControlItems() {
  return Texts({tr::kChoiceNormal, tr::kChoiceHigh});
}

std::vector<std::string> SafetyClassItems() {
  return {"1 - " + Translated(tr::kChoiceLow), "2 - " + Translated(tr::kChoiceNormal),
          "3 - " + Translated(tr::kChoiceHigh)};
}

std::vector<std::string> ClimateZoneItems() {
  return Texts({tr::kClimateZone0, tr::kClimateZone1, tr::kClimateZone2, tr::kClimateZone3});
}

std::vector<std::string> LoadDurationItems() {
  return Texts({tr::kLoadDurationPermanent, tr::kLoadDurationLong, tr::kLoadDurationMedium,
                tr::kLoadDurationShort});
}

std::vector<std::string> HardenableItems() {
  return Texts({tr::kChoiceYes, tr::kChoiceNo});
}

std::vector<std::string> BracedItems() {
  return Texts({tr::kChoiceNo, tr::kChoiceYes});
}

} // namespace strandel
