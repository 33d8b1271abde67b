#pragma once
// The rules of the "Combinations" dialog: a table with a row per combination
// and a column per load case holding the case's factor (empty: the case is not
// in the combination), and the generator that replaces the rows by the set the
// cases' categories and psi values give. OK alone stores the rows.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "dialogs/apply_outcome.h"
#include "expr/dialog_field.h"
#include "model/combination_generator.h"
#include "model/document.h"

namespace strandel {

struct CombinationRow {
  std::uint16_t Number = 1;
  std::string Name;
  CombinationKind Kind = CombinationKind::Ultimate;
  std::vector<DialogField> Factors; // one per case, in the order of the columns
};

// The generator's four factors, in the order of their fields.
enum class GeneratorFactor { GammaGSup, GammaGInf, GammaQ, Xi };
inline constexpr std::size_t kGeneratorFactorCount = 4;

struct CombinationsDialogModel {
  std::string Caption;          // "Combinations"
  std::vector<TLoadCase> Cases; // the columns; the dialog does not change them
  std::vector<CombinationRow> Rows;
  UltimateRule Rule = UltimateRule::Eq610;
  std::array<DialogField, kGeneratorFactorCount> Generator;
  // A document without cases gets its default cases with the combinations.
  bool StoresCases = false;

  DialogField& Factor(int row, int column) {
    return Rows[static_cast<std::size_t>(row)].Factors[static_cast<std::size_t>(column)];
  }
  DialogField& GeneratorValue(GeneratorFactor which) {
    return Generator[static_cast<std::size_t>(which)];
  }

  // A new ultimate combination after the highest number, every case at 1.0.
  // False when no number is left.
  bool Add();
  void Delete(int row);
  // The user typed `text` into a factor: an empty text takes the case out of
  // the combination, anything else goes through the field rule. False when it
  // was refused (the field keeps the text and the reason).
  bool SetFactorText(int row, int column, const std::string& text, ParameterTable& parameters);

  // Evaluates every factor (an empty field is a case left out of the
  // combination) and checks that each combination holds a case. False when a
  // field refused its text; `row` and `column` then name the first refused.
  bool EvaluateFields(ParameterTable& parameters, int* row = nullptr, int* column = nullptr);
  // Evaluates the generator's fields and replaces every row by the generated
  // combinations. False, and the rows kept, when a field refused its text.
  bool Generate(ParameterTable& parameters);

  // OK: stores the combinations (and the cases of a document that had none).
  ApplyOutcome Apply(ModelDocument& doc, ParameterTable& parameters);
};

CombinationsDialogModel OpenCombinationsDialog(const ModelDocument& doc);

} // namespace strandel
