#pragma once
// The 50 x 50 grid frame (2601 nodes, 5050 beams, 7650 unknowns) the load-case
// and second-order benchmarks solve: as one load set, and with its loads
// spread over 10 load cases and 20 combinations (15 ULS, 5 SLS-C).

#include <cmath>
#include <string>

#include "model/load_cases.h"
#include "support/frame_models.h"

namespace strandel::bench {

inline constexpr int kFields = 50;
inline constexpr int kCases = 10;
inline constexpr int kCombinations = 20;

inline ModelDocument Frame() {
  return testing::GridFrame(kFields, kFields, 4, 3, 10000, {0.3, 0.3, 2.1e11, 7850},
                            {0.2, 0.4, 2.1e11, 7850});
}

// The floor loads of storey s go to case 1 + s mod 10 (case 1 also carries the
// own weight), a sideways force at every storey's left column to case 10; the
// combinations take every case with factors that differ from one to the next.
inline ModelDocument CaseFrame() {
  ModelDocument doc = Frame();
  for (int c = 1; c <= kCases; ++c) {
    doc.Settings.LoadCases.push_back(MakeLoadCase(static_cast<std::uint16_t>(c),
                                                  "Case " + std::to_string(c),
                                                  c == 1        ? ActionCategory::Permanent
                                                  : c == kCases ? ActionCategory::Wind
                                                                : ActionCategory::ImposedB));
  }
  doc.Settings.LoadCases.front().SelfWeight = true;
  for (TLoadObject& load : ObjectsOf<TLoadObject>(doc)) {
    const TNodeObject* node = FindNode(doc, load.Node1);
    const int storey = static_cast<int>(std::lround(node->Y / 3));
    load.Case = static_cast<std::uint16_t>(1 + storey % (kCases - 1));
  }
  for (int storey = 1; storey <= kFields; ++storey)
    testing::AddForce(doc, storey, testing::GridNode(kFields, 0, storey), 5000, 0).Case = kCases;
  for (int k = 1; k <= kCombinations; ++k) {
    TCombination combination;
    combination.Number = static_cast<std::uint16_t>(k);
    combination.Kind = k <= 15 ? CombinationKind::Ultimate : CombinationKind::Characteristic;
    for (int c = 1; c <= kCases; ++c)
      combination.Factors.push_back({static_cast<std::uint16_t>(c), 1.0 + 0.05 * ((k + c) % 7)});
    doc.Settings.Combinations.push_back(combination);
  }
  return doc;
}

} // namespace strandel::bench
