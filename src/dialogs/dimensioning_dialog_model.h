#pragma once
// The rules of the dimensioning-rules dialog: the document's seven switches on
// a working copy that OK alone stores, and the "Second order effects" switch,
// which decides whether the ultimate combinations are solved to second order.

#include <array>
#include <string>

#include "model/document.h"

namespace strandel {

enum class DimensioningSwitch {
  FailHazRed,
  DimUncertRed,
  LatBuckRed,
  LocBuckRed,
  LoadDurRed,
  AirMoistRed,
  OwnWeight,
};
inline constexpr std::size_t kDimensioningSwitchCount = 7;

struct DimensioningDialogModel {
  std::string Caption;                                      // "Dimensioning rules"
  std::string GroupLabel;                                   // "Reduction factors"
  std::array<std::string, kDimensioningSwitchCount> Labels; // in the switches' order
  std::string SecondOrderLabel;                             // "Second order effects"
  std::array<bool, kDimensioningSwitchCount> On{};
  bool SecondOrderOn = false;

  bool IsOn(DimensioningSwitch which) const { return On[static_cast<std::size_t>(which)]; }
  void Set(DimensioningSwitch which, bool on) { On[static_cast<std::size_t>(which)] = on; }
  bool SecondOrder() const { return SecondOrderOn; }
  void SetSecondOrder(bool on) { SecondOrderOn = on; }

  // OK: stores the switches in the document. True when any of them changed.
  bool Apply(ModelDocument& doc) const;
};

DimensioningDialogModel OpenDimensioningDialog(const ModelDocument& doc);

} // namespace strandel
