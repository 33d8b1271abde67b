#include "dialogs/beam_dialog_model.h"

#include <algorithm>

#include "common/text.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "common/user_message.h"
#include "model/object_text.h"
#include "model/profile_limits.h"
#include "sections/beam_details.h"
#include "sections/beam_groups.h"
#include "sections/library_files.h"
#include "sections/profile.h"

namespace strandel {
namespace {

std::string SemicolonRefusedText() {
  return TranslatedOr(
      tr::kMsgBeamTextSemicolon,
      "The text may not contain \";\": it separates the fields of the stored beam.");
}
std::string TextTooLongText() {
  return TranslatedOr(tr::kMsgBeamTextTooLong,
                      "The text is too long: the stored beam line would not read back whole.");
}

// The length of the beam's stored line before the writer would have to cut its
// texts to keep it readable.
std::size_t FullLineLength(const TBeamObject& beam) {
  TBeamObject bare = beam;
  bare.ProfName.clear();
  bare.MtrlName.clear();
  bare.MtrlDesc.clear();
  bare.BeamGroup.clear();
  return CharacterCount(WriteText(bare)) + CharacterCount(beam.ProfName) +
         CharacterCount(beam.MtrlName) + CharacterCount(EncodeDescription(beam.MtrlDesc)) +
         CharacterCount(beam.BeamGroup);
}

// A typed text for one of the copy's text fields; refused (the field shows the
// old text again) when it cannot be stored as typed.
void TakeText(std::string& typed, std::string& field, TBeamObject& copy, bool multiLine,
              UserMessages& messages) {
  std::string text = typed;
  if (multiLine)
    text = ReplaceAll(ReplaceAll(ReplaceAll(text, "\r\n", "\n"), "\r", "\n"), "\n", "\r\n");
  if (text == field) return;
  if (text.find(';') != std::string::npos) {
    messages.Show(SemicolonRefusedText(), MessageKind::Warning);
    typed = field;
    return;
  }
  const std::string old = field;
  field = text;
  if (FullLineLength(copy) > kMaxStoredLineLength) {
    field = old;
    typed = old;
    messages.Show(TextTooLongText(), MessageKind::Warning);
  }
}

int ClampedChoice(int selected, int highest) {
  return selected > highest ? highest : selected;
}

} // namespace

bool ProfileFieldApplies(int shape, int field) {
  switch (field) {
  case 0:
    return true;
  case 1:
    return shape != kCircularMassive && shape != kCircularTube;
  case 2:
    return shape >= kRectangularTube;
  case 3:
    return shape >= kIProfile && shape <= kUProfile;
  default:
    return false;
  }
}

std::optional<BeamDialogModel> OpenBeamDialog(const ModelDocument& doc, int index,
                                              const UnitChoice& units, ParameterTable& parameters) {
  const TBeamObject* beam = ObjectAt<TBeamObject>(doc, index);
  if (!beam) return std::nullopt;
  BeamDialogModel dialog;
  dialog.parameters_ = &parameters;
  dialog.Index = index;
  dialog.Copy = *beam;
  dialog.Units = units;
  dialog.Manufacture.Label = Translated(tr::kBeamLabelManufacture);
  dialog.DimControl.Label = Translated(tr::kBeamLabelDimControl);
  dialog.Braced.Label = Translated(tr::kBeamLabelBraced);
  dialog.SafetyClass.Label = Translated(tr::kBeamLabelSafetyClass);
  dialog.ClimateZone.Label = Translated(tr::kBeamLabelClimateZone);
  dialog.LoadDuration.Label = Translated(tr::kBeamLabelLoadDuration);
  dialog.Hardenable.Label = Translated(tr::kBeamLabelHardenable);
  dialog.H.Label = "H";
  dialog.W.Label = "W";
  dialog.TL.Label = "TL";
  dialog.TF.Label = "TF";
  dialog.Ftk.Label = "Ftk";
  dialog.Fck.Label = "Fck";
  dialog.Fmk.Label = "Fmk";
  dialog.Ek.Label = "Ek";
  dialog.Density.Label = Translated(tr::kBeamLabelDensity);
  dialog.TextPos = PercentField(Translated(tr::kBeamLabelTextPos), beam->TxtPos);
  dialog.Capacities[0].Label = Translated(tr::kBeamCompressionCapacity);
  dialog.Capacities[1].Label = Translated(tr::kBeamTensileCapacity);
  dialog.Capacities[2].Label = Translated(tr::kBeamMomentCapacity);
  for (const BeamDetail& detail : BeamDetails())
    dialog.DetailNames.push_back(detail.Name);
  dialog.RefreshLayout();
  dialog.ShowValues(doc);
  return dialog;
}

bool BeamDialogModel::ApplyFields(UserMessages& messages) {
  const bool accepted = strandel::ApplyFields(
      {&H, &W, &TL, &TF, &Ftk, &Fck, &Fmk, &Ek, &Density, &TextPos}, *parameters_);
  Copy.H = H.Stored;
  Copy.B = W.Stored;
  Copy.TL = TL.Stored;
  Copy.TF = TF.Stored;
  Copy.Ftk = Ftk.Stored;
  Copy.Fck = Fck.Stored;
  Copy.Fmk = Fmk.Stored;
  Copy.Ek = Ek.Stored;
  Copy.Dens = Density.Stored;
  Copy.TxtPos = TextPos.Stored;
  TakeText(ProfileName, Copy.ProfName, Copy, false, messages);
  TakeText(MaterialName, Copy.MtrlName, Copy, false, messages);
  TakeText(Description, Copy.MtrlDesc, Copy, true, messages);
  if (Manufacture.Selected >= 0)
    Copy.Manufacture = static_cast<std::uint16_t>(Manufacture.Selected);
  if (DimControl.Selected >= 0)
    Copy.DimControl = static_cast<std::uint16_t>(ClampedChoice(DimControl.Selected, 1));
  if (SafetyClass.Selected >= 0)
    Copy.SafetyClass = static_cast<std::uint16_t>(ClampedChoice(SafetyClass.Selected, 2));
  if (ClimateZone.Selected >= 0)
    Copy.ClimateZone = static_cast<std::uint16_t>(ClampedChoice(ClimateZone.Selected, 3));
  if (LoadDuration.Selected >= 0)
    Copy.LoadDuration = static_cast<std::uint16_t>(ClampedChoice(LoadDuration.Selected, 3));
  if (Hardenable.Selected >= 0) Copy.HardenAble = Hardenable.Selected == 0;
  if (Braced.Selected >= 0) Copy.Braced = Braced.Selected == 1;
  Copy.Locked1 = Corner1Locked;
  Copy.Locked2 = Corner2Locked;
  return accepted;
}

void BeamDialogModel::Refresh(const ModelDocument& doc) {
  RefreshLayout();
  ShowValues(doc);
}

void BeamDialogModel::ChoiceChanged(const ModelDocument& doc, UserMessages& messages) {
  ApplyFields(messages);
  Refresh(doc);
}

void BeamDialogModel::BracedChanged(const ModelDocument& doc, UserMessages& messages) {
  if (Copy.ShapeNo == kLProfile && Braced.Selected == 0) {
    messages.Show(Translated(tr::kMsgLProfileMustBeBraced), MessageKind::Information);
    Braced.Selected = 1;
  }
  ApplyFields(messages);
  Refresh(doc);
}

void BeamDialogModel::ShapeChosen(int shape, const ModelDocument& doc, UserMessages& messages) {
  ApplyFields(messages);
  NewDefaultProfile(Copy, shape);
  Refresh(doc);
}

void BeamDialogModel::ProfileByIA(const std::string& iAnswer, const std::string& aAnswer,
                                  const ModelDocument& doc, UserMessages& messages) {
  ApplyFields(messages);
  strandel::ProfileByIA(Copy, iAnswer, aAnswer, Units);
  Refresh(doc);
}

void BeamDialogModel::LoadProfile(const std::string& path, const ModelDocument& doc,
                                  UserMessages& messages) {
  ApplyFields(messages);
  const ReadResult result = strandel::LoadProfile(path, Copy);
  if (!result.ok) messages.Show(result.message, MessageKind::Error);
  Refresh(doc);
}

void BeamDialogModel::LoadMaterial(const std::string& path, const ModelDocument& doc,
                                   UserMessages& messages) {
  ApplyFields(messages);
  const ReadResult result = strandel::LoadMaterial(path, Copy);
  if (!result.ok) messages.Show(result.message, MessageKind::Error);
  Refresh(doc);
}

bool BeamDialogModel::SaveProfile(const std::string& path, UserMessages& messages) {
  ApplyFields(messages);
  const WriteResult result = strandel::SaveProfile(path, Copy);
  if (!result.ok) messages.Show(result.message, MessageKind::Error);
  return result.ok;
}

bool BeamDialogModel::SaveMaterial(const std::string& path, UserMessages& messages) {
  ApplyFields(messages);
  const WriteResult result = strandel::SaveMaterial(path, Copy);
  if (!result.ok) messages.Show(result.message, MessageKind::Error);
  return result.ok;
}

void BeamDialogModel::AddGroup(const std::string& name, const ModelDocument& doc,
                               UserMessages& messages) {
  const std::string group(Trim(name));
  if (group.empty()) return;
  if (group.find(';') != std::string::npos) {
    messages.Show(SemicolonRefusedText(), MessageKind::Warning);
    return;
  }
  ApplyFields(messages);
  const std::string old = Copy.BeamGroup;
  Copy.BeamGroup = group;
  if (FullLineLength(Copy) > kMaxStoredLineLength) {
    Copy.BeamGroup = old;
    messages.Show(TextTooLongText(), MessageKind::Warning);
    return;
  }
  std::erase(DeletedGroups, group);
  Refresh(doc);
}

void BeamDialogModel::ChooseGroup(const std::string& name, const ModelDocument& doc,
                                  UserMessages& messages) {
  ApplyFields(messages);
  Copy.BeamGroup = name;
  // A beam joining a group takes the group's properties.
  if (const TBeamObject* member = FirstGroupMember(doc, name, Copy.Number);
      member && std::find(DeletedGroups.begin(), DeletedGroups.end(), name) == DeletedGroups.end())
    CopyBeamProperties(*member, Copy);
  Copy.BeamGroup = name;
  Refresh(doc);
}

void BeamDialogModel::DeleteGroup(const std::string& name, const ModelDocument& doc) {
  if (name.empty()) return;
  if (std::find(DeletedGroups.begin(), DeletedGroups.end(), name) == DeletedGroups.end())
    DeletedGroups.push_back(name);
  if (Copy.BeamGroup == name) Copy.BeamGroup.clear();
  Refresh(doc);
}

ApplyOutcome BeamDialogModel::Apply(ModelDocument& doc, AppSettings& settings,
                                    UserMessages& messages) {
  TBeamObject* beam = ObjectAt<TBeamObject>(doc, Index);
  if (!beam || beam->Number != Copy.Number) return ApplyOutcome::ObjectGone;
  if (!ApplyFields(messages)) return ApplyOutcome::FieldRefused;
  NormaliseProfile(Copy);
  for (const std::string& group : DeletedGroups)
    DeleteBeamGroup(doc, group);
  const bool selected = beam->Selected;
  *beam = Copy;
  beam->Selected = selected;
  if (!Copy.BeamGroup.empty()) {
    for (TBeamObject& other : ObjectsOf<TBeamObject>(doc))
      if (other.BeamGroup == Copy.BeamGroup && &other != beam) CopyBeamProperties(Copy, other);
  }
  TBeamObject templateBeam = Copy;
  templateBeam.Locked1 = templateBeam.Locked2 = false;
  templateBeam.Selected = false;
  settings.LastBeamStr = WriteText(templateBeam);
  return ApplyOutcome::Applied;
}

} // namespace strandel
