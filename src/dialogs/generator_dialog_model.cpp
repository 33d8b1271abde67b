#include "dialogs/generator_dialog_model.h"

namespace strandel {
namespace {

constexpr FieldKind kKinds[kGeneratorFieldCount] = {FieldKind::Positive, FieldKind::Positive,
                                                    FieldKind::Count,    FieldKind::Count,
                                                    FieldKind::Positive, FieldKind::Value};

// The value of an enabled field that took its text.
std::optional<double> Taken(const DialogField& field) {
  if (!field.Enabled || field.Refused()) return std::nullopt;
  return field.Stored;
}

} // namespace

GeneratorDialogModel::GeneratorDialogModel(const GeneratorParameters& values,
                                           const UnitChoice& units, ParameterTable& parameters)
    : Values(values), parameters_(&parameters), length_(UnitFactor(units, Quantity::Length)),
      load_(UnitFactor(units, Quantity::DistLoad)) {
  for (int i = 0; i < kGeneratorFieldCount; ++i)
    Fields[static_cast<std::size_t>(i)].Kind = kKinds[i];
  Field(GeneratorField::Height).Unit = Field(GeneratorField::Width).Unit =
      Field(GeneratorField::MiddleHeight).Unit = UnitName(units, Quantity::Length);
  Field(GeneratorField::DistributedLoad).Unit = UnitName(units, Quantity::DistLoad);
  ShowFields();
}

bool GeneratorDialogModel::Used(GeneratorField field) const {
  switch (field) {
  case GeneratorField::MiddleHeight:
    return UsesMiddleHeight(Values.Kind);
  case GeneratorField::LengthSections:
    return UsesLengthSections(Values.Kind);
  case GeneratorField::HeightSections:
    return UsesHeightSections(Values.Kind);
  case GeneratorField::DistributedLoad:
    return UsesLoad(Values.Kind);
  default:
    return true;
  }
}

void GeneratorDialogModel::ShowFields() {
  const std::array<std::pair<double, double>, kGeneratorFieldCount> shown = {{
      {Values.H, length_},
      {Values.W, length_},
      {double(Values.n), 1},
      {double(Values.m), 1},
      {Values.H2, length_},
      {Values.q, load_},
  }};
  for (std::size_t i = 0; i < Fields.size(); ++i) {
    DialogField& field = Fields[i];
    field.Enabled = Used(static_cast<GeneratorField>(i));
    field.Show(shown[i].first, shown[i].second);
    if (!field.Enabled) {
      field.Text.clear();
      field.Error.clear();
    }
  }
}

bool GeneratorDialogModel::ReadFields() {
  const bool accepted = ApplyFields(
      {&Fields[0], &Fields[1], &Fields[2], &Fields[3], &Fields[4], &Fields[5]}, *parameters_);
  ReadGeneratorValues(Values,
                      {Taken(Field(GeneratorField::Width)), Taken(Field(GeneratorField::Height)),
                       Taken(Field(GeneratorField::MiddleHeight)),
                       Taken(Field(GeneratorField::LengthSections)),
                       Taken(Field(GeneratorField::HeightSections)),
                       Taken(Field(GeneratorField::DistributedLoad))});
  ShowFields();
  return accepted;
}

void GeneratorDialogModel::ChooseKind(StructureKind kind) {
  ReadFields();
  ApplyKindPreset(Values, kind);
  ShowFields();
}

} // namespace strandel
