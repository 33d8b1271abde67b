#include "dialogs/load_dialog_model.h"

#include <cmath>

#include "common/text_entries.h"
#include "common/translation.h"

namespace strandel {
namespace {

struct KindTexts {
  int Caption;
  const char* Prefix;
  Quantity Unit;
};

std::optional<KindTexts> TextsOf(ObjectKind kind) {
  switch (kind) {
  case ObjectKind::Force:
    return KindTexts{tr::kForceCaption, " F", Quantity::Force};
  case ObjectKind::Load:
    return KindTexts{tr::kLoadCaption, " q", Quantity::DistLoad};
  case ObjectKind::Moment:
    return KindTexts{tr::kMomentCaption, " M", Quantity::Moment};
  default:
    return std::nullopt;
  }
}

// The three kinds keep the same fields under the same names.
template <class T> void Fill(const T& object, LoadDialogModel& dialog) {
  dialog.Number = object.Number;
  dialog.Case.Chosen = object.Case;
  dialog.Angle.Stored = object.Angle;
  dialog.Value.Stored = object.Value;
}

} // namespace

double NormalisedAngle(double angle) {
  const double turned = std::atan2(std::sin(angle), std::cos(angle));
  // atan2 gives -pi for a direction exactly opposite: the range is open there.
  return turned <= -kPi ? kPi : turned;
}

std::optional<LoadDialogModel> OpenLoadDialog(const ModelDocument& doc, int index,
                                              const UnitChoice& units) {
  const GraphObject* object = ObjectAt<GraphObject>(doc, index);
  if (!object) return std::nullopt;
  const std::optional<KindTexts> texts = TextsOf(KindOf(*object));
  if (!texts) return std::nullopt;
  LoadDialogModel dialog;
  dialog.Kind = KindOf(*object);
  dialog.Index = index;
  std::visit(
      [&](const auto& o) {
        using T = std::decay_t<decltype(o)>;
        if constexpr (std::is_same_v<T, TForceObject> || std::is_same_v<T, TLoadObject> ||
                      std::is_same_v<T, TMomentObject>)
          Fill(o, dialog);
      },
      *object);
  dialog.Caption = Translated(texts->Caption) + texts->Prefix + std::to_string(dialog.Number);
  dialog.Angle.Label = Translated(tr::kLoadLabelAngle);
  dialog.Angle.Unit = Translated(tr::kAngleUnitLabel);
  dialog.Angle.Show(dialog.Angle.Stored, UnitFactor(units, Quantity::Angle));
  dialog.Value.Label = Translated(tr::kLoadLabelValue);
  dialog.Value.Unit = UnitName(units, texts->Unit);
  dialog.Value.Show(dialog.Value.Stored, UnitFactor(units, texts->Unit));
  const TLoadObject* load = std::get_if<TLoadObject>(object);
  dialog.HasTextPos = load != nullptr;
  dialog.TextPos = PercentField(Translated(tr::kLoadLabelTextPos), load ? load->TxtPos : 0);
  dialog.TextPos.Enabled = dialog.HasTextPos;
  dialog.Case = OpenCaseField(doc, dialog.Case.Chosen);
  return dialog;
}

bool LoadDialogModel::EvaluateFields(ParameterTable& parameters) {
  // A force or moment has no label position: its field is disabled.
  return ApplyFields({&Angle, &Value, &TextPos}, parameters);
}

ApplyOutcome LoadDialogModel::Apply(ModelDocument& doc, ParameterTable& parameters) {
  GraphObject* object = ObjectAt<GraphObject>(doc, Index);
  if (!object || KindOf(*object) != Kind) return ApplyOutcome::ObjectGone;
  const long number =
      std::visit([](const auto& o) { return static_cast<long>(o.Number); }, *object);
  if (number != Number) return ApplyOutcome::ObjectGone;
  if (!EvaluateFields(parameters)) return ApplyOutcome::FieldRefused;
  std::visit(
      [&](auto& o) {
        using T = std::decay_t<decltype(o)>;
        if constexpr (std::is_same_v<T, TForceObject> || std::is_same_v<T, TLoadObject> ||
                      std::is_same_v<T, TMomentObject>) {
          o.Angle = NormalisedAngle(Angle.Stored);
          o.Value = Value.Stored;
          o.Case = Case.Chosen;
          if constexpr (std::is_same_v<T, TLoadObject>) o.TxtPos = TextPos.Stored;
        }
      },
      *object);
  return ApplyOutcome::Applied;
}

} // namespace strandel
