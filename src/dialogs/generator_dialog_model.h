#pragma once
// The rules of the "Structure generator" dialog: its six fields in the user's
// units, which of them the chosen kind uses, and how what is typed reaches the
// parameters. The Qt dialog binds its controls to this.

#include <array>

#include "expr/dialog_field.h"
#include "generator/generator_parameters.h"
#include "units/units.h"

namespace strandel {

// The fields in dialog order (below the "Structure" list).
enum class GeneratorField : int {
  Height = 0,
  Width,
  LengthSections,
  HeightSections,
  MiddleHeight,
  DistributedLoad
};
inline constexpr int kGeneratorFieldCount = 6;

struct GeneratorDialogModel {
  // The fields evaluate with `parameters`, which must outlive the model.
  GeneratorDialogModel(const GeneratorParameters& values, const UnitChoice& units,
                       ParameterTable& parameters);

  GeneratorParameters Values;
  std::array<DialogField, kGeneratorFieldCount> Fields;

  DialogField& Field(GeneratorField field) { return Fields[static_cast<std::size_t>(field)]; }
  // Whether the chosen kind uses the field (the others are disabled and empty).
  bool Used(GeneratorField field) const;
  // Every field from the values: the used ones enabled and shown in their unit,
  // the others disabled and empty. A refused text stays while its value does.
  void ShowFields();
  // The enabled fields through the field rule (lengths greater than 0, counts of
  // at least 1, any load); what they accept goes into the values with the kind's
  // corrections, and every field shows again. A field whose text still shows
  // the value keeps it bit for bit. False when a field refused its text: it
  // keeps the text and the reason, and its parameter its value.
  bool ReadFields();
  // A kind chosen: what was typed is read first, then the kind's preset applies.
  void ChooseKind(StructureKind kind);

private:
  ParameterTable* parameters_;
  double length_ = 1; // display factors
  double load_ = 1;
};

} // namespace strandel
