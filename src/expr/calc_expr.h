#pragma once
// The expression evaluator behind every numeric input field: "2*3.5",
// "sqrt(2)/2", "L1 max 0,3" or a parameter definition "L1=2.5". Compiling rewrites
// the text itself: each operand becomes a two-digit slot number and each operator
// one character whose code is its precedence; the innermost parenthesis group is
// then reduced operator by operator into a short list of operations over slots,
// which Evaluate runs in extended precision.

#include <array>
#include <string>
#include <string_view>

#include "expr/arithmetic.h"
#include "expr/parameters.h"

namespace strandel {

class TCalcExpr {
public:
  // Slots 0..2 hold the three variables; two-digit slot numbers leave 97 slots for
  // numbers, parameter values and intermediate results.
  static constexpr int kMaxSlot = 99;
  static constexpr int kMaxOperations = 100;

  explicit TCalcExpr(ParameterTable& parameters);

  // Compiles `text`; the three variable names stand for slots 0, 1 and 2, and an
  // empty name stands for no variable. A
  // parameter definition ("name=...") enters the name into the parameter table at
  // once; its value follows when Evaluate succeeds. ErrorText() tells the outcome.
  void Init(std::string_view text, std::string_view var1, std::string_view var2,
            std::string_view var3);

  // Runs the compiled operations with the three variable values. On an arithmetic
  // fault (or when Init failed) the result is not-a-number and Fault() says why;
  // otherwise the result fits a double and, for a definition, becomes the
  // parameter's value.
  long double Evaluate(long double value1, long double value2, long double value3);

  // Empty, or the first compile message in the program's wording.
  const std::string& ErrorText() const { return errorText_; }
  EvaluationFault Fault() const { return fault_; }
  bool Compiled() const { return compiled_; }
  // The parameter this expression defines (UTF-8), empty when it defines none.
  std::string DefinedParameter() const;
  int OperationCount() const { return opCount_; }

private:
  struct Operation {
    int Left = -1; // slot, -1 for functions
    int Right = 0;
    int Result = 0;
    int Code = 0;
  };

  bool Fail(std::string message);
  bool Normalise(std::u32string text);
  bool CheckParentheses();
  bool DefineParameter();
  bool Tokenise();
  bool Compile();
  bool ReduceOnce(bool& applied);
  bool NewSlot(int& slot);
  std::size_t VariableMatchAt(std::size_t pos, int& slot) const;

  ParameterTable& parameters_;
  std::u32string expression_;  // normalised, then rewritten while compiling
  std::size_t valueStart_ = 0; // where the expression after "=" begins
  std::u32string definedName_; // the parameter name before "=", if any
  std::array<std::u32string, 3> variables_;
  int slotCount_ = 2;
  int opCount_ = 0;
  int resultSlot_ = 0;
  std::array<long double, kMaxSlot + 1> slots_{};
  std::array<Operation, kMaxOperations> ops_{};
  std::string errorText_;
  bool compiled_ = false;
  EvaluationFault fault_ = EvaluationFault::None;
};

} // namespace strandel
