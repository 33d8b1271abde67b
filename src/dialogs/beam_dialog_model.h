#pragma once
// The rules of the beam dialog (TfBeamProp). The dialog edits a copy of one
// beam: its profile, material, design choices, group, colour, label position
// and corner locks; the capacities and the details list follow every change at
// once. Only OK writes the copy back, to the beam and to every other beam of
// its group, and keeps it as the template for the next new beam.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/apply_outcome.h"
#include "expr/dialog_field.h"
#include "model/app_settings.h"
#include "model/document.h"
#include "units/units.h"

namespace strandel {

class UserMessages;

struct BeamChoice {
  std::string Label;
  std::vector<std::string> Items;
  int Selected = -1; // -1: the stored index has no item in this list
  bool Visible = true;
};

struct BeamCapacityView {
  std::string Label; // "Compression capacity"
  std::string Value; // FormatValue form, or "undefined"
  std::string Unit;
  int Bar = 0; // 0..100: how much of the section's plain strength is left
};

struct BeamDialogModel {
  int Index = -1;   // the beam's place in the model list
  TBeamObject Copy; // what the dialog edits
  UnitChoice Units;
  std::string Caption; // "Beam properties B3  (=B4,B5)"

  // "Profile" page.
  std::string ProfileName;
  DialogField H, W, TL, TF; // W is the beam's width B
  BeamChoice Manufacture, DimControl, Braced;
  // "Material" page.
  std::string MaterialName;
  BeamChoice SafetyClass, ClimateZone, LoadDuration, Hardenable;
  DialogField Ftk, Fck, Fmk, Ek, Density;
  std::string Description; // line breaks as typed
  // "Misc" page.
  std::vector<std::string> Groups; // the choice list; the copy's group selected
  DialogField TextPos;
  bool Corner1Locked = false, Corner2Locked = false;
  // "Achieved properties".
  std::array<BeamCapacityView, 3> Capacities; // compression, tension, moment
  std::vector<std::string> DetailNames;
  int SelectedDetail = 0;
  std::string DetailValue, DetailUnit;

  // Every field and choice into the copy. A numeric field follows the field
  // rule (an expression becomes its value; anything else stays as typed, with
  // its reason, and the copy keeps the value). A name or description with ";"
  // in it, or one that would make the stored beam line too long to read back,
  // is refused with a message and shows the old text again. False when a
  // numeric field refused its text. The fields evaluate with the parameter
  // table the dialog was opened with.
  bool ApplyFields(UserMessages& messages);
  // Which choices show, which fields are enabled, and the choice lists, by
  // material and shape.
  void RefreshLayout();
  // Every shown value from the copy, the capacities and the selected detail.
  void ShowValues(const ModelDocument& doc);
  void ShowDetail(const ModelDocument& doc);

  // A choice changed (manufacture, dimension control, safety class, climate
  // zone, load duration, hardenable): everything is read and shown again.
  void ChoiceChanged(const ModelDocument& doc, UserMessages& messages);
  // Braced changed. An L profile cannot stand unbraced: refused with text 263.
  void BracedChanged(const ModelDocument& doc, UserMessages& messages);
  void ShapeChosen(int shape, const ModelDocument& doc, UserMessages& messages);
  void ProfileByIA(const std::string& iAnswer, const std::string& aAnswer, const ModelDocument& doc,
                   UserMessages& messages);
  void LoadProfile(const std::string& path, const ModelDocument& doc, UserMessages& messages);
  void LoadMaterial(const std::string& path, const ModelDocument& doc, UserMessages& messages);
  // The copy's profile or material into a library file; false (with the
  // message) when it could not be written.
  bool SaveProfile(const std::string& path, UserMessages& messages);
  bool SaveMaterial(const std::string& path, UserMessages& messages);

  // Adds the group and puts the copy in it; an empty name or one with ";"
  // changes nothing (the latter with a message).
  void AddGroup(const std::string& name, const ModelDocument& doc, UserMessages& messages);
  // The copy joins the group and takes its first other member's properties.
  void ChooseGroup(const std::string& name, const ModelDocument& doc, UserMessages& messages);
  // The group goes from the copy at once and from every beam of the model on OK.
  void DeleteGroup(const std::string& name, const ModelDocument& doc);
  void SetColour(std::uint32_t colour) { Copy.BeamColor = colour; }
  void DefaultColour() { Copy.BeamColor = 0xCCCCCC; }

  // OK: writes the copy to the beam and its group, clears deleted groups and
  // stores the template for new beams (without corner locks). Nothing changes
  // unless it comes to Applied.
  ApplyOutcome Apply(ModelDocument& doc, AppSettings& settings, UserMessages& messages);

  std::vector<std::string> DeletedGroups;

private:
  friend std::optional<BeamDialogModel> OpenBeamDialog(const ModelDocument&, int, const UnitChoice&,
                                                       ParameterTable&);
  ParameterTable* parameters_ = nullptr; // set by OpenBeamDialog
  void ShowCaption(const ModelDocument& doc);
  void Refresh(const ModelDocument& doc);
};

// The dialog of the object at `index`; nothing unless it is a beam. Its fields
// evaluate with `parameters`, which must outlive the dialog.
std::optional<BeamDialogModel> OpenBeamDialog(const ModelDocument& doc, int index,
                                              const UnitChoice& units, ParameterTable& parameters);

// Whether field `field` (0 H, 1 W, 2 TL, 3 TF) applies to the shape: every
// shape has a height, solid circles and round tubes no separate width, only
// tubes and open profiles a wall, only I, H and U profiles a flange.
bool ProfileFieldApplies(int shape, int field);

} // namespace strandel
