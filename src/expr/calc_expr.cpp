#include "expr/calc_expr.h"

#include <cfloat>
#include <cmath>
#include <limits>

#include "expr/expr_text.h"
#include "expr/operators.h"

namespace strandel {
namespace {

// Angles of the trigonometric functions are radians.
constexpr long double kAngleFactor = 1.0L;

const char* const kTooManySlots = "The expression is too long: one expression can hold at most 97 "
                                  "numbers, parameter values and intermediate results";
const char* const kTooManyOperations =
    "The expression is too long: one expression can hold at most 100 operations";

bool IsOperatorCode(char32_t c) {
  return c >= static_cast<char32_t>(kFirstOperatorCode) &&
         c <= static_cast<char32_t>(kLastOperatorCode);
}

std::u32string SlotText(int slot) {
  return {static_cast<char32_t>(U'0' + slot / 10), static_cast<char32_t>(U'0' + slot % 10)};
}

// The slot written at text[at], text[at + 1], or -1 when those are not two digits.
int SlotAt(std::u32string_view text, std::size_t at) {
  if (at + 1 >= text.size() || !IsExprDigit(text[at]) || !IsExprDigit(text[at + 1])) return -1;
  return static_cast<int>(text[at] - U'0') * 10 + static_cast<int>(text[at + 1] - U'0');
}

std::u32string Trimmed(std::u32string_view text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && IsExprBlank(text[begin]))
    ++begin;
  while (end > begin && IsExprBlank(text[end - 1]))
    --end;
  return std::u32string(text.substr(begin, end - begin));
}

std::u32string WithoutBlanks(std::u32string_view text) {
  std::u32string out;
  out.reserve(text.size());
  for (char32_t c : text) {
    if (!IsExprBlank(c)) out.push_back(c);
  }
  return out;
}

// Replaces "(" + two digits + ")" by the two digits, again and again until none
// is left, in one pass: a pair that closes around a slot just written collapses
// at once, so "((((07))))" takes one pass rather than one per level.
bool CollapseParenthesisedSlots(std::u32string& text, std::size_t from) {
  std::u32string out(text, 0, from);
  out.reserve(text.size());
  bool removed = false;
  for (std::size_t i = from; i < text.size(); ++i) {
    const std::size_t n = out.size();
    if (text[i] == U')' && n >= from + 3 && out[n - 3] == U'(' && IsExprDigit(out[n - 2]) &&
        IsExprDigit(out[n - 1])) {
      out.erase(n - 3, 1);
      removed = true;
    } else {
      out.push_back(text[i]);
    }
  }
  text = std::move(out);
  return removed;
}

} // namespace

TCalcExpr::TCalcExpr(ParameterTable& parameters) : parameters_(parameters) {}

std::string TCalcExpr::DefinedParameter() const {
  return EncodeUtf8(definedName_);
}

bool TCalcExpr::Fail(std::string message) {
  if (errorText_.empty()) errorText_ = std::move(message);
  return false;
}

void TCalcExpr::Init(std::string_view text, std::string_view var1, std::string_view var2,
                     std::string_view var3) {
  expression_.clear();
  valueStart_ = 0;
  definedName_.clear();
  variables_ = {DecodeUtf8(var1), DecodeUtf8(var2), DecodeUtf8(var3)};
  slotCount_ = 2;
  opCount_ = 0;
  resultSlot_ = 0;
  slots_.fill(0);
  errorText_.clear();
  compiled_ = false;
  fault_ = EvaluationFault::None;
  compiled_ = Normalise(DecodeUtf8(text)) && CheckParentheses() && DefineParameter() &&
              Tokenise() && Compile();
}

bool TCalcExpr::Normalise(std::u32string text) {
  const std::size_t equals = text.find(U'=');
  if (equals == std::u32string::npos) {
    expression_ = WithoutBlanks(text);
  } else {
    expression_ = Trimmed(std::u32string_view(text).substr(0, equals)) +
                  WithoutBlanks(std::u32string_view(text).substr(equals));
  }
  if (expression_.empty()) return Fail("An expression must bee entered");
  // A minus sign is unary only at the very start, right after "=" and right after
  // "("; there it subtracts from an inserted 0.
  if (expression_[0] == U'-') expression_.insert(0, 1, U'0');
  if (expression_.find(U"=-") != std::u32string::npos)
    expression_.insert(expression_.find(U'=') + 1, 1, U'0');
  std::u32string out;
  out.reserve(expression_.size() + expression_.size() / 2);
  for (std::size_t i = 0; i < expression_.size(); ++i) {
    out.push_back(expression_[i]);
    if (expression_[i] == U'(' && i + 1 < expression_.size() && expression_[i + 1] == U'-')
      out.push_back(U'0');
  }
  expression_ = std::move(out);
  const std::size_t firstEquals = expression_.find(U'=');
  valueStart_ = firstEquals == std::u32string::npos ? 0 : firstEquals + 1;
  return true;
}

bool TCalcExpr::CheckParentheses() {
  std::size_t opens = 0, closes = 0;
  for (char32_t c : expression_) {
    opens += c == U'(';
    closes += c == U')';
  }
  if (opens == 0 && closes == 0) return true;
  if (opens != closes) return Fail("Invalid use of parentesis");
  // k runs over the 1-based positions 2 .. length-1; "before k" is 1 .. k-1 and
  // "after k" is k+1 .. length.
  const std::size_t length = expression_.size();
  std::size_t opensBefore = 0, closesBefore = 0;
  for (std::size_t k = 1; k <= length; ++k) {
    if (k >= 2 && k + 1 <= length) {
      if (closesBefore > opensBefore) return Fail("Invalid use of parentesis)");
      const std::size_t opensAfter = opens - opensBefore - (expression_[k - 1] == U'(');
      const std::size_t closesAfter = closes - closesBefore - (expression_[k - 1] == U')');
      if (opensAfter > closesAfter) return Fail("Invalid use of parentesis");
    }
    opensBefore += expression_[k - 1] == U'(';
    closesBefore += expression_[k - 1] == U')';
  }
  // The positions checked above leave out the two ends, which only ")(" gets
  // past; the compiler needs every "(" closed after it.
  if (expression_ == U")(") return Fail("Invalid use of parentesis)");
  return true;
}

bool TCalcExpr::DefineParameter() {
  if (valueStart_ == 0) return true;
  const std::u32string name = expression_.substr(0, valueStart_ - 1);
  if (std::string message = ParameterNameError(name); !message.empty())
    return Fail(std::move(message));
  definedName_ = name;
  parameters_.Define(name);
  return true;
}

bool TCalcExpr::NewSlot(int& slot) {
  if (slotCount_ >= kMaxSlot) return Fail(kTooManySlots);
  slot = ++slotCount_;
  return true;
}

// The length of the longest variable name matching at `pos` (0 when none), and
// its slot; the first of equal names wins.
std::size_t TCalcExpr::VariableMatchAt(std::size_t pos, int& slot) const {
  std::size_t best = 0;
  const std::u32string_view rest = std::u32string_view(expression_).substr(pos);
  for (int i = 0; i < 3; ++i) {
    const std::u32string& name = variables_[static_cast<std::size_t>(i)];
    if (name.size() > best && rest.starts_with(name)) {
      best = name.size();
      slot = i;
    }
  }
  return best;
}

bool TCalcExpr::Tokenise() {
  std::u32string out = expression_.substr(0, valueStart_);
  out.reserve(expression_.size());
  std::size_t pos = valueStart_;
  while (pos < expression_.size()) {
    const char32_t c = expression_[pos];
    if (c == U'(' || c == U')') {
      out.push_back(c);
      ++pos;
      continue;
    }
    if (const std::size_t length = NumberLiteralLength(expression_, pos)) {
      int slot = 0;
      if (!NewSlot(slot)) return false;
      slots_[static_cast<std::size_t>(slot)] =
          LiteralValue(std::u32string_view(expression_).substr(pos, length));
      out += SlotText(slot);
      pos += length;
      continue;
    }
    const ExprOperator* op = LongestOperatorAt(expression_, pos);
    const std::optional<std::size_t> parameter = parameters_.LongestMatchAt(expression_, pos);
    const std::size_t opLength = op ? op->Name.size() : 0;
    const std::size_t parameterLength = parameter ? parameters_.Name(*parameter).size() : 0;
    int variableSlot = 0;
    const std::size_t variableLength = VariableMatchAt(pos, variableSlot);
    if (variableLength > opLength && variableLength > parameterLength) {
      out += SlotText(variableSlot);
      pos += variableLength;
    } else if (op) {
      out.push_back(static_cast<char32_t>(op->Code));
      pos += opLength;
    } else if (parameter) {
      long double value = 0;
      if (!ReadValueText(parameters_.ValueText(*parameter), value))
        return Fail("The parameter " + EncodeUtf8(parameters_.Name(*parameter)) + " has no value");
      int slot = 0;
      if (!NewSlot(slot)) return false;
      slots_[static_cast<std::size_t>(slot)] = value;
      out += SlotText(slot);
      pos += parameterLength;
    } else {
      return Fail("Operator/Value/Variable/Parameter on position " + std::to_string(pos + 1) +
                  " was not recognized");
    }
  }
  expression_ = std::move(out);
  return true;
}

// Applies the first operator of the innermost group, if there is one.
bool TCalcExpr::ReduceOnce(bool& applied) {
  applied = false;
  std::size_t begin = valueStart_, end = expression_.size();
  const std::size_t open = expression_.rfind(U'(');
  if (open != std::u32string::npos && open >= valueStart_) {
    const std::size_t close = expression_.find(U')', open);
    if (close == std::u32string::npos) return Fail("Invalid use of parentesis");
    begin = open + 1;
    end = close;
  }
  std::size_t at = end;
  for (std::size_t i = begin; i < end; ++i) {
    if (IsOperatorCode(expression_[i]) && (at == end || expression_[i] < expression_[at])) at = i;
  }
  if (at == end) return true;
  const ExprOperator* op = OperatorOfCode(static_cast<int>(expression_[at]));
  const int left = at >= begin + 2 ? SlotAt(expression_, at - 2) : -1;
  const int right = at + 2 < end ? SlotAt(expression_, at + 1) : -1;
  if (op->Infix && left < 0) return Fail(op->MissingLeft);
  if (right < 0) return Fail(op->MissingRight);
  if (opCount_ >= kMaxOperations) return Fail(kTooManyOperations);
  int result = 0;
  if (!NewSlot(result)) return false;
  ops_[static_cast<std::size_t>(opCount_++)] = {op->Infix ? left : -1, right, result, op->Code};
  const std::size_t from = op->Infix ? at - 2 : at;
  expression_.replace(from, at + 3 - from, SlotText(result));
  applied = true;
  return true;
}

bool TCalcExpr::Compile() {
  for (;;) {
    bool applied = false;
    if (!ReduceOnce(applied)) return false;
    const bool collapsed = CollapseParenthesisedSlots(expression_, valueStart_);
    if (!applied && !collapsed) break;
  }
  const std::u32string_view value = std::u32string_view(expression_).substr(valueStart_);
  if (value.size() != 2 || SlotAt(value, 0) < 0)
    return Fail("The expression includes undefined operators");
  resultSlot_ = SlotAt(value, 0);
  return true;
}

long double TCalcExpr::Evaluate(long double value1, long double value2, long double value3) {
  constexpr long double kNotANumber = std::numeric_limits<long double>::quiet_NaN();
  fault_ = EvaluationFault::None;
  if (!compiled_) {
    fault_ = EvaluationFault::NotCompiled;
    return kNotANumber;
  }
  slots_[0] = value1;
  slots_[1] = value2;
  slots_[2] = value3;
  for (int i = 0; i < opCount_; ++i) {
    const Operation& op = ops_[static_cast<std::size_t>(i)];
    const long double right = slots_[static_cast<std::size_t>(op.Right)];
    const long double left = op.Left >= 0 ? slots_[static_cast<std::size_t>(op.Left)] : 0.0L;
    // A literal beyond the extended range or an infinite variable value.
    if (!std::isfinite(right) || !std::isfinite(left)) {
      fault_ = EvaluationFault::Overflow;
      return kNotANumber;
    }
    const OperationResult result = ApplyOperator(op.Code, left, right, kAngleFactor);
    if (result.Fault != EvaluationFault::None) {
      fault_ = result.Fault;
      return kNotANumber;
    }
    slots_[static_cast<std::size_t>(op.Result)] = result.Value;
  }
  const long double result = slots_[static_cast<std::size_t>(resultSlot_)];
  // Intermediate values may pass the double range; the value a field stores may not.
  if (!std::isfinite(result) || std::fabs(result) > static_cast<long double>(DBL_MAX)) {
    fault_ = EvaluationFault::Overflow;
    return kNotANumber;
  }
  if (!definedName_.empty()) parameters_.SetValue(definedName_, result);
  return result;
}

} // namespace strandel
