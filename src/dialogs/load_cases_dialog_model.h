#pragma once
// The rules of the "Load cases" dialog: a working copy of the document's cases
// that OK alone stores, as one change, together with the loads, forces, moments
// and supports of the cases deleted meanwhile.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "dialogs/apply_outcome.h"
#include "expr/dialog_field.h"
#include "model/document.h"
#include "model/load_cases.h"

namespace strandel {

// How many objects of each kind belong to a load case.
struct CaseMembers {
  int Loads = 0, Forces = 0, Moments = 0, Supports = 0;
  int Total() const { return Loads + Forces + Moments + Supports; }
};
CaseMembers MembersOfCase(const ModelDocument& doc, long caseNumber);

// The objects of the cases listed leave the document.
void DeleteCaseMembers(ModelDocument& doc, const std::vector<std::uint16_t>& cases);

// One case as the dialog edits it: its values, and its three psi fields.
struct LoadCaseRow {
  TLoadCase Case;
  std::array<DialogField, 3> Psi; // psi0, psi1, psi2
};

struct LoadCasesDialogModel {
  std::string Caption; // "Load cases"
  std::vector<LoadCaseRow> Rows;
  // The combinations, kept in step with deleted cases.
  std::vector<TCombination> Combinations;
  // The cases deleted since the dialog opened; their objects go with them on OK.
  std::vector<std::uint16_t> Deleted;
  int Current = 0; // the row the fields below the list show

  LoadCaseRow& Row() { return Rows[static_cast<std::size_t>(Current)]; }
  const LoadCaseRow& Row() const { return Rows[static_cast<std::size_t>(Current)]; }
  // Chooses the row; ignored outside the list.
  void Select(int row);

  // A new case after the highest number, named "Load case N", of the category
  // of imposed loads; it becomes the current row. False when no number is left.
  bool Add();
  void Rename(const std::string& name);
  // Presets the duration and the psi values of the category; they stay editable.
  void SetCategory(ActionCategory category);
  void SetDuration(DurationClass duration);
  // Exactly one case carries the beams' own weight: choosing it for the current
  // case takes it from the other. Taking it from the case that carries it is
  // refused (false): the user gives it to another case instead.
  bool SetSelfWeight(bool on);
  // Whether the current case may go: a document keeps at least one case.
  bool CanDelete() const { return Rows.size() > 1; }
  // Deletes the current case (the user was asked about its objects first): its
  // factors leave the combinations, a combination left with none goes too, and
  // the own weight moves to the first permanent case left (or the first case).
  bool Delete();
  // The question Delete asks first: how many objects of `doc` belong to the
  // current case. Empty when none do (nothing to ask).
  std::string DeleteQuestion(const ModelDocument& doc) const;

  // Evaluates every psi field, each by the field rule and within 0..1; false
  // and the first refused row current when one refused its text.
  bool EvaluateFields(ParameterTable& parameters);
  // OK: stores the cases and combinations and deletes the objects of the
  // deleted cases. Nothing changes unless it comes to Applied.
  ApplyOutcome Apply(ModelDocument& doc, ParameterTable& parameters);
};

// The dialog of the document's cases; a document without cases starts from its
// default: one permanent case holding every load.
LoadCasesDialogModel OpenLoadCasesDialog(const ModelDocument& doc);

// The cases and combinations the dialogs start from: the document's own, or the
// default set when it has none.
DocumentSettings CaseSettingsOf(const ModelDocument& doc);

} // namespace strandel
