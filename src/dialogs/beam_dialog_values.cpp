// What the beam dialog shows: its layout by material and shape, and every
// value of the edited copy in the user's units.

#include <algorithm>
#include <cmath>

#include "common/number_text.h"
#include "common/text.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "dialogs/beam_dialog_choices.h"
#include "dialogs/beam_dialog_model.h"
#include "model/object_text.h"
#include "sections/beam_details.h"
#include "sections/beam_groups.h"
#include "sections/capacity.h"
#include "sections/profile.h"

namespace strandel {
namespace {

void Fill(BeamChoice& choice, std::vector<std::string> items, int stored) {
  choice.Items = std::move(items);
  choice.Selected =
      stored >= 0 && static_cast<std::size_t>(stored) < choice.Items.size() ? stored : -1;
}

// How much of the section's plain strength the capacity keeps, in whole
// percent; 0 where either side is undefined or there is no strength at all.
int Bar(double capacity, double plain) {
  const double percent = 100 * capacity / plain;
  if (!std::isfinite(percent)) return 0;
  return static_cast<int>(std::clamp(std::round(percent), 0.0, 100.0));
}

} // namespace

void BeamDialogModel::RefreshLayout() {
  const MaterialKind kind = MaterialKindOf(Copy);
  ClimateZone.Visible = LoadDuration.Visible = kind == MaterialKind::Wood;
  Hardenable.Visible = kind == MaterialKind::Aluminium;
  Fill(Manufacture, ManufactureItems(kind), Copy.Manufacture);
  Fill(DimControl, DimControlItems(), Copy.DimControl);
  Fill(SafetyClass, SafetyClassItems(), std::min<int>(Copy.SafetyClass, 2));
  Fill(ClimateZone, ClimateZoneItems(), std::min<int>(Copy.ClimateZone, 3));
  Fill(LoadDuration, LoadDurationItems(), std::min<int>(Copy.LoadDuration, 3));
  Fill(Hardenable, HardenableItems(), Copy.HardenAble ? 0 : 1);
  Fill(Braced, BracedItems(), Copy.Braced ? 1 : 0);
  DialogField* dimensions[] = {&H, &W, &TL, &TF};
  for (int i = 0; i < 4; ++i)
    dimensions[i]->Enabled = ProfileFieldApplies(Copy.ShapeNo, i);
  const std::string small = UnitName(Units, Quantity::Displacement);
  for (DialogField* field : dimensions)
    field->Unit = small;
  const std::string stress = UnitName(Units, Quantity::Stress);
  for (DialogField* field : {&Ftk, &Fck, &Fmk, &Ek})
    field->Unit = stress;
  Density.Unit = UnitName(Units, Quantity::Density);
  Capacities[0].Unit = Capacities[1].Unit = UnitName(Units, Quantity::Force);
  Capacities[2].Unit = UnitName(Units, Quantity::Moment);
}

void BeamDialogModel::ShowCaption(const ModelDocument& doc) {
  Caption = Translated(tr::kBeamCaption) + " B" + std::to_string(Copy.Number);
  std::vector<long> members = GroupMembers(doc, Copy.BeamGroup, Copy.Number);
  // Beams whose group is deleted on OK no longer share it.
  if (std::find(DeletedGroups.begin(), DeletedGroups.end(), Copy.BeamGroup) != DeletedGroups.end())
    members.clear();
  if (members.empty()) return;
  std::string list;
  for (long number : members)
    list += (list.empty() ? "B" : ",B") + std::to_string(number);
  Caption += "  (=" + list + ")";
}

void BeamDialogModel::ShowValues(const ModelDocument& doc) {
  SectionContext context;
  // The copy takes the dimensions its profile allows, which the fields then show
  // and OK stores.
  NormaliseProfile(Copy);
  const double rcd = Rcd(Copy, doc, &context);
  const double rtd = Rtd(Copy, doc, &context);
  const double md = Md(Copy, doc, &context);
  const double area = A(Copy, doc, &context);
  const double modulus = SectMod(Copy, doc, &context);
  const double capacities[] = {rcd, rtd, md};
  const Quantity units[] = {Quantity::Force, Quantity::Force, Quantity::Moment};
  for (int i = 0; i < 3; ++i) {
    const double value = capacities[i];
    Capacities[static_cast<std::size_t>(i)].Value =
        std::isnan(value) ? "undefined" : ShownText(Units, units[i], value);
  }
  Capacities[0].Bar = Bar(rcd, area * Copy.Fck);
  Capacities[1].Bar = Bar(rtd, area * Copy.Ftk);
  Capacities[2].Bar = Bar(md, modulus * Copy.Fmk);

  const double small = UnitFactor(Units, Quantity::Displacement);
  H.Show(Copy.H, small);
  W.Show(Copy.B, small);
  TL.Show(Copy.TL, small);
  TF.Show(Copy.TF, small);
  const double stress = UnitFactor(Units, Quantity::Stress);
  Ftk.Show(Copy.Ftk, stress);
  Fck.Show(Copy.Fck, stress);
  Fmk.Show(Copy.Fmk, stress);
  Ek.Show(Copy.Ek, stress);
  Density.Show(Copy.Dens, UnitFactor(Units, Quantity::Density));
  TextPos.Show(Copy.TxtPos, 100);
  ProfileName = Copy.ProfName;
  MaterialName = Copy.MtrlName;
  Description = Copy.MtrlDesc;
  Corner1Locked = Copy.Locked1;
  Corner2Locked = Copy.Locked2;
  Groups = BeamGroupNames(doc, Copy.BeamGroup);
  std::erase_if(Groups, [&](const std::string& group) {
    return group != Copy.BeamGroup &&
           std::find(DeletedGroups.begin(), DeletedGroups.end(), group) != DeletedGroups.end();
  });
  ShowCaption(doc);
  ShowDetail(doc);
}

void BeamDialogModel::ShowDetail(const ModelDocument& doc) {
  const std::vector<BeamDetail>& details = BeamDetails();
  if (SelectedDetail < 0 || static_cast<std::size_t>(SelectedDetail) >= details.size()) {
    DetailValue.clear();
    DetailUnit.clear();
    return;
  }
  const BeamDetail& detail = details[static_cast<std::size_t>(SelectedDetail)];
  SectionContext context;
  const DetailText text = ShownDetail(detail, detail.Value(Copy, doc, &context), Units);
  DetailValue = text.Value;
  DetailUnit = text.Unit;
}

} // namespace strandel
