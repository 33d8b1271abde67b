#include "expr/dialog_field.h"

namespace strandel {

void DialogField::Show(double value, double factor) {
  const bool same = value == Stored && factor == Factor;
  Stored = value;
  Factor = factor;
  if (Refused() && same && Enabled) return;
  Error.clear();
  Text = StoredText();
}

bool DialogField::Apply(ParameterTable& parameters) {
  FieldEntry entry = ApplyNumericField(Text, Factor, Stored, Kind, parameters);
  Text = std::move(entry.Text);
  Stored = entry.Stored;
  Error = std::move(entry.Message);
  return entry.Accepted;
}

DialogField PercentField(std::string label, double fraction) {
  DialogField field;
  field.Label = std::move(label);
  field.Unit = "[%]";
  field.Kind = FieldKind::Percent;
  field.Show(fraction, 100);
  return field;
}

bool ApplyFields(std::initializer_list<DialogField*> fields, ParameterTable& parameters) {
  bool accepted = true;
  for (DialogField* field : fields) {
    if (field->Enabled && !field->Apply(parameters)) accepted = false;
  }
  return accepted;
}

} // namespace strandel
