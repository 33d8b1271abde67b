#include "expr/dialog_field.h"

#include "common/number_text.h"

namespace strandel {

void DialogField::Show(double value, double factor) {
  Stored = value;
  Factor = factor;
  Text = FormatValue(value * factor);
}

bool DialogField::Apply(ParameterTable& parameters) {
  const FieldEntry entry = ApplyNumericField(Text, Factor, Stored, Kind, parameters);
  Text = entry.Text;
  Stored = entry.Stored;
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

} // namespace strandel
