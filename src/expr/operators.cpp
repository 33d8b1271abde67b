#include "expr/operators.h"

#include <algorithm>
#include <array>
#include <vector>

namespace strandel {
namespace {

// In the order the program lists them; the codes give the order they apply in.
// clang-format off
constexpr std::array<ExprOperator, 25> kOperators = {{
    {U"sqrt", kOpSqrt, false, nullptr, "The square root needs a right operand"},
    {U"sqr",  129, false, nullptr, "The root needs a right operand"},
    {U"^",    133, true,  "The raise operator need a left operand", "The raise operator needs a right operand"},
    {U"exp",  130, false, nullptr, "The Exponent needs a right operand"},
    {U"ln",   131, false, nullptr, "Ln needs a right operand"},
    {U"log",  132, false, nullptr, "Log needs a right operand"},
    {U"asin", kOpArcSin, false, nullptr, "ArcSin needs a right operand"},
    {U"acos", kOpArcCos, false, nullptr, "ArcCos needs a right operand"},
    {U"atan", kOpArcTan, false, nullptr, "ArcTan needs a right operand"},
    {U"sinh", kOpSinh, false, nullptr, "Sinh needs a right operand"},
    {U"cosh", kOpCosh, false, nullptr, "Cosh needs a right operand"},
    {U"tanh", kOpTanh, false, nullptr, "Tanh needs a right operand"},
    {U"sin",  140, false, nullptr, "Sin needs a right operand"},
    {U"cos",  141, false, nullptr, "Cos needs a right operand"},
    {U"tan",  142, false, nullptr, "Tan needs a right operand"},
    {U"hev",  143, false, nullptr, "Heveside needs a right operand"},
    {U"abs",  144, false, nullptr, "Abs needs a right operand"},
    {U"mod",  145, true,  "Mod need a left operand", "Mod needs a right operand"},
    {U"div",  146, true,  "Div need a left operand", "Div needs a right operand"},
    {U"min",  147, true,  "Min need a left operand", "Min needs a right operand"},
    {U"max",  148, true,  "Max need a left operand", "Max needs a right operand"},
    {U"/",    149, true,  "The division need a left operand", "The division needs a right operand"},
    {U"*",    150, true,  "The multiplication need a left operand", "The multiplication needs a right operand"},
    {U"-",    151, true,  "The subtraction need a left operand", "The subtraction needs a right operand"},
    {U"+",    152, true,  "The addition need a left operand", "The addition needs a right operand"},
}};
// clang-format on

// The same operators, longest names first, so the first match is the longest.
const std::vector<const ExprOperator*>& ByLength() {
  static const std::vector<const ExprOperator*> sorted = [] {
    std::vector<const ExprOperator*> list;
    for (const ExprOperator& op : kOperators)
      list.push_back(&op);
    std::stable_sort(list.begin(), list.end(), [](const ExprOperator* a, const ExprOperator* b) {
      return a->Name.size() > b->Name.size();
    });
    return list;
  }();
  return sorted;
}

} // namespace

const ExprOperator* OperatorOfCode(int code) {
  for (const ExprOperator& op : kOperators) {
    if (op.Code == code) return &op;
  }
  return nullptr;
}

const ExprOperator* LongestOperatorAt(std::u32string_view text, std::size_t pos) {
  const std::u32string_view rest = text.substr(std::min(pos, text.size()));
  for (const ExprOperator* op : ByLength()) {
    if (rest.starts_with(op->Name)) return op;
  }
  return nullptr;
}

const ExprOperator* OperatorNamed(std::u32string_view name) {
  for (const ExprOperator& op : kOperators) {
    if (op.Name == name) return &op;
  }
  return nullptr;
}

} // namespace strandel
