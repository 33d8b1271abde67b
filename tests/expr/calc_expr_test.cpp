// The expression evaluator of the input fields: precedence, unary minus, number
// forms, functions and the messages a user reads when a field is refused.

#include "expr/calc_expr.h"

#include <cmath>
#include <numbers>
#include <string>

#include <gtest/gtest.h>

namespace strandel {
namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr long double kE = std::numbers::e_v<long double>;

// Each test has its own parameter table, so no test sees another's parameters.
class CalcExprTest : public ::testing::Test {
protected:
  long double Value(const std::string& text) {
    TCalcExpr expr(table);
    expr.Init(text, "", "", "");
    EXPECT_EQ(expr.ErrorText(), "") << text;
    const long double value = expr.Evaluate(0, 0, 0);
    EXPECT_EQ(expr.Fault(), EvaluationFault::None) << text;
    return value;
  }
  std::string Error(const std::string& text) {
    TCalcExpr expr(table);
    expr.Init(text, "", "", "");
    EXPECT_FALSE(expr.Compiled()) << text;
    return expr.ErrorText();
  }
  EvaluationFault FaultOf(const std::string& text) {
    TCalcExpr expr(table);
    expr.Init(text, "", "", "");
    EXPECT_EQ(expr.ErrorText(), "") << text;
    const long double value = expr.Evaluate(0, 0, 0);
    if (expr.Fault() != EvaluationFault::None) {
      EXPECT_TRUE(std::isnan(value)) << text;
    }
    return expr.Fault();
  }
  ParameterTable table;
};

TEST_F(CalcExprTest, OperatorCodesAreThePrecedenceAndEqualOperatorsGoLeftFirst) {
  struct Case {
    const char* text;
    long double value;
  };
  const Case cases[] = {
      {"2+3*4", 14},       {"2-3+4", 3},           {"8/4/2", 1},
      {"2^3^2", 64}, // (2^3)^2, not 2^9
      {"2*3^2", 18},       {"(2+3)*4", 20},        {"10-2-3", 5},
      {"2*(3+(4-1))", 12}, {"sqrt 4^2", 4},  // sqrt before ^: (sqrt 4)^2
      {"sqrt(4^2)", 4},    {"-7 mod 3", -1}, // 0 - (7 mod 3)
      {"3 max 2*4", 12},                     // max before *: (3 max 2) * 4
      {"1+2 max 3", 4},    {"ln exp 2", 2},  // exp is applied before ln
      {"-2^2", -4},        {"2 ^ 10 div 1000", 1}, {"sqr 3 + sqr 4", 25},
  };
  for (const Case& c : cases)
    EXPECT_NEAR(static_cast<double>(Value(c.text)), static_cast<double>(c.value), 1e-15) << c.text;
  // sin before /: sin(pi)/2 is about zero, sin(pi/2) is one.
  EXPECT_NEAR(static_cast<double>(Value("sin pi/2")), 0, 1e-18);
  EXPECT_NEAR(static_cast<double>(Value("sin(pi/2)")), 1, 1e-18);
}

TEST_F(CalcExprTest, MinusIsUnaryOnlyAtTheStartAfterEqualsAndAfterParenthesis) {
  EXPECT_EQ(Value("-5+2"), -3);
  EXPECT_EQ(Value(" - 5 + 2 "), -3);
  EXPECT_EQ(Value("2*(-3)"), -6);
  EXPECT_EQ(Value("((-3))*(-(-2))"), -6);
  EXPECT_EQ(Value("a=-4"), -4);
  EXPECT_EQ(Error("2*-3"), "The multiplication needs a right operand");
  EXPECT_EQ(Error("2+-3"), "The subtraction need a left operand");
  EXPECT_EQ(Error("--5"), "The subtraction needs a right operand");
  EXPECT_EQ(Error("2^-1"), "The raise operator needs a right operand");
  EXPECT_EQ(Error("hev -2"), "Heveside needs a right operand");
}

TEST_F(CalcExprTest, NumbersTakeBothSeparatorsAndExponents) {
  struct Case {
    const char* text;
    long double value;
  };
  const Case cases[] = {
      {"1,5*2", 3},        {"1.5*2", 3},   {"2e3", 2000}, {"2E-3", 0.002L},
      {"2e+3", 2000},      {"1.5e2", 150}, {"1,5E1", 15}, {"007", 7},
      {"0,25+0.25", 0.5L}, {"1e-5000", 0}, // below the smallest extended number: zero
  };
  for (const Case& c : cases)
    EXPECT_NEAR(static_cast<double>(Value(c.text)), static_cast<double>(c.value), 1e-15) << c.text;
  // Blanks are taken out before anything is read, so digit groups join up.
  EXPECT_EQ(Value("1 000 000"), 1000000);
  EXPECT_EQ(Value("s q r t 9"), 3);
  // Slots hold extended numbers: 0.1 + 0.2 rounds to the double nearest 0.3.
  EXPECT_EQ(static_cast<double>(Value("0.1+0.2")), 0.3);
  const std::string notRecognized = "Operator/Value/Variable/Parameter on position ";
  EXPECT_EQ(Error(".5"), notRecognized + "1 was not recognized");
  EXPECT_EQ(Error("1."), notRecognized + "2 was not recognized");
  EXPECT_EQ(Error("2e"), notRecognized + "2 was not recognized");
  EXPECT_EQ(Error("1.5.3"), notRecognized + "4 was not recognized");
}

TEST_F(CalcExprTest, EveryFunctionAgainstItsTextbookValue) {
  const long double sinh1 = (kE - 1 / kE) / 2, cosh1 = (kE + 1 / kE) / 2;
  struct Case {
    const char* text;
    long double value;
  };
  const Case cases[] = {
      {"sqrt 2", 1.41421356237309504880L},
      {"sqr 1.5", 2.25},
      {"exp 1", kE},
      {"ln 1", 0},
      {"ln(exp 3)", 3},
      {"log 1000", 3},
      {"2^0.5", 1.41421356237309504880L},
      {"(-2)^3", -8},
      {"0^0", 1},
      {"asin 1", kPi / 2},
      {"acos 0", kPi / 2},
      {"acos(-1)", kPi},
      {"atan 1", kPi / 4},
      {"sinh 1", sinh1},
      {"cosh 1", cosh1},
      {"tanh 1", sinh1 / cosh1},
      {"sin(pi/6)", 0.5},
      {"cos(pi/3)", 0.5},
      {"tan(pi/4)", 1},
      {"hev 0", 0},
      {"hev 0.001", 1},
      {"hev(-3)", 0},
      {"abs(-3)", 3},
      {"abs 3", 3},
      {"7.5 mod 2", 1.5},
      {"(-7.5) mod 2", -1.5}, // the remainder keeps the sign of the dividend
      {"10 mod 3", 1},
      {"7 div 2", 3},
      {"(-7) div 2", -3}, // truncated, not floored
      {"2 min 5", 2},
      {"5 min 2", 2},
      {"2 max 5", 5},
      {"5 max 2", 5},
      {"9/4", 2.25},
      {"1.5*4", 6},
      {"1-2.5", -1.5},
      {"2+0.5", 2.5},
  };
  for (const Case& c : cases)
    EXPECT_NEAR(static_cast<double>(Value(c.text)), static_cast<double>(c.value), 1e-15) << c.text;
}

TEST_F(CalcExprTest, LongerNamesAreMatchedFirst) {
  // "sinh" is not "sin" followed by "h", "sqrt" is not "sqr" followed by "t".
  EXPECT_NEAR(static_cast<double>(Value("sinh 1")), 1.1752011936438014, 1e-15);
  EXPECT_EQ(Value("sqrt 16"), 4);
  EXPECT_EQ(Value("sqr 16"), 256);
  // Names are case-sensitive: "Sin" is no function.
  EXPECT_EQ(Error("Sin 1"), "Operator/Value/Variable/Parameter on position 1 was not recognized");
}

TEST_F(CalcExprTest, EveryMissingOperandHasItsMessage) {
  struct Case {
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"sqrt", "The square root needs a right operand"},
      {"sqr", "The root needs a right operand"},
      {"exp", "The Exponent needs a right operand"},
      {"exp ln 2", "The Exponent needs a right operand"}, // ln comes after exp
      {"ln", "Ln needs a right operand"},
      {"log", "Log needs a right operand"},
      {"^2", "The raise operator need a left operand"},
      {"2^", "The raise operator needs a right operand"},
      {"asin", "ArcSin needs a right operand"},
      {"acos", "ArcCos needs a right operand"},
      {"atan", "ArcTan needs a right operand"},
      {"sinh", "Sinh needs a right operand"},
      {"cosh", "Cosh needs a right operand"},
      {"tanh", "Tanh needs a right operand"},
      {"sin", "Sin needs a right operand"},
      {"cos", "Cos needs a right operand"},
      {"tan", "Tan needs a right operand"},
      {"hev", "Heveside needs a right operand"},
      {"abs+1", "Abs needs a right operand"},
      {"mod 2", "Mod need a left operand"},
      {"2 mod", "Mod needs a right operand"},
      {"div 2", "Div need a left operand"},
      {"2 div", "Div needs a right operand"},
      {"min 2", "Min need a left operand"},
      {"2 min", "Min needs a right operand"},
      {"max 2", "Max need a left operand"},
      {"2 max", "Max needs a right operand"},
      {"/2", "The division need a left operand"},
      {"2/", "The division needs a right operand"},
      {"*2", "The multiplication need a left operand"},
      {"2*", "The multiplication needs a right operand"},
      {"(+3)-1", "The addition need a left operand"},
      {"2-", "The subtraction needs a right operand"},
      {"+2", "The addition need a left operand"},
      {"2+", "The addition needs a right operand"},
      {"(2+)*3", "The addition needs a right operand"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Error(c.text), c.message) << c.text;
}

TEST_F(CalcExprTest, MalformedTextsAreRefusedWithTheirMessages) {
  struct Case {
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"", "An expression must bee entered"},
      {"   ", "An expression must bee entered"},
      {"(1+2", "Invalid use of parentesis"},
      {"1+2)", "Invalid use of parentesis"},
      {")1+2(", "Invalid use of parentesis)"},
      {"1)+(2", "Invalid use of parentesis"},
      {")(", "Invalid use of parentesis)"},
      {"2(3)", "The expression includes undefined operators"},
      {"(2)(3)", "The expression includes undefined operators"},
      {"()", "The expression includes undefined operators"},
      {"(())", "The expression includes undefined operators"},
      {"x=", "The expression includes undefined operators"},
      {"2$3", "Operator/Value/Variable/Parameter on position 2 was not recognized"},
      {"2_3", "Operator/Value/Variable/Parameter on position 2 was not recognized"},
      {"b=.5", "Operator/Value/Variable/Parameter on position 3 was not recognized"},
      {"b=2=3", "Operator/Value/Variable/Parameter on position 4 was not recognized"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Error(c.text), c.message) << c.text;
  // Parentheses that only wrap a value are fine.
  EXPECT_EQ(Value("((((7))))"), 7);
  EXPECT_EQ(Value("(2)+(3)"), 5);
  EXPECT_NEAR(static_cast<double>(Value("sqrt(2)/2")), 0.70710678118654752, 1e-16);
}

TEST_F(CalcExprTest, ArithmeticFaultsAreFoundNotTrapped) {
  using F = EvaluationFault;
  struct Case {
    const char* text;
    EvaluationFault fault;
  };
  const Case cases[] = {
      {"1/0", F::DivisionByZero},
      {"5 mod 0", F::DivisionByZero},
      {"5 div (1-1)", F::DivisionByZero},
      {"0^(-1)", F::DivisionByZero},
      {"ln 0", F::LogarithmOfNonPositive},
      {"ln(-1)", F::LogarithmOfNonPositive},
      {"log 0", F::LogarithmOfNonPositive},
      {"sqrt(-1)", F::RootOfNegative},
      {"asin 2", F::OutOfDomain},
      {"acos(-1.5)", F::OutOfDomain},
      {"(-8)^(1/3)", F::OutOfDomain},
      {"exp 12000", F::Overflow},
      {"sinh 12000", F::Overflow},
      {"cosh(-12000)", F::Overflow},
      {"1e4000*1e4000", F::Overflow},
      {"1e300*1e300", F::Overflow}, // fits an extended slot, not a field's double
      {"1e5000", F::Overflow},      // a literal beyond the extended range
      {"1e5000*0", F::Overflow},
      {"hev 1e5000", F::Overflow},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FaultOf(c.text), c.fault) << c.text;
  // Intermediate values may leave the double range as long as the result returns.
  EXPECT_NEAR(static_cast<double>(Value("1e300*1e300/1e300")), 1e300, 1e285);
  EXPECT_EQ(FaultOf("0.5^100000"), F::None); // underflow to zero is no fault
}

TEST_F(CalcExprTest, EvaluateBeforeOrAfterAFailedInitIsAFault) {
  TCalcExpr expr(table);
  EXPECT_TRUE(std::isnan(expr.Evaluate(0, 0, 0)));
  EXPECT_EQ(expr.Fault(), EvaluationFault::NotCompiled);
  expr.Init("2*", "", "", "");
  EXPECT_TRUE(std::isnan(expr.Evaluate(0, 0, 0)));
  EXPECT_EQ(expr.Fault(), EvaluationFault::NotCompiled);
  // Init starts afresh.
  expr.Init("2*3", "", "", "");
  EXPECT_EQ(expr.ErrorText(), "");
  EXPECT_EQ(expr.Evaluate(0, 0, 0), 6);
}

TEST_F(CalcExprTest, VariablesAreSlotsSetAtEachEvaluation) {
  TCalcExpr expr(table);
  expr.Init("y'*2+t^2", "t", "y", "y'");
  ASSERT_EQ(expr.ErrorText(), "");
  EXPECT_EQ(expr.Evaluate(1, 2, 3), 7);  // y' = 3, t = 1
  EXPECT_EQ(expr.Evaluate(3, 0, -1), 7); // y' = -1, t = 3
  // A variable longer than the operator at the same place wins; a shorter one loses.
  expr.Init("sint+1", "sint", "", "");
  EXPECT_EQ(expr.Evaluate(2, 0, 0), 3);
  expr.Init("sin0", "si", "", "");
  EXPECT_EQ(expr.Evaluate(5, 0, 0), 0);
  // Empty names never match: the fields have no variables.
  expr.Init("_", "", "", "");
  EXPECT_EQ(expr.ErrorText(), "Operator/Value/Variable/Parameter on position 1 was not recognized");
}

TEST_F(CalcExprTest, AtMostNinetySevenSlotsPerExpression) {
  // n numbers added up take n slots and n - 1 intermediate results.
  auto sumOfOnes = [](int n) {
    std::string text = "1";
    for (int i = 1; i < n; ++i)
      text += "+1";
    return text;
  };
  EXPECT_EQ(Value(sumOfOnes(49)), 49); // 49 + 48 = 97 slots
  const std::string tooLong = "The expression is too long: one expression can hold at most 97 "
                              "numbers, parameter values and intermediate results";
  EXPECT_EQ(Error(sumOfOnes(50)), tooLong);
  // Numbers alone run out of slots while the text is read: the 98th has none.
  std::string numbers;
  for (int i = 0; i < 98; ++i)
    numbers += "(1)";
  EXPECT_EQ(Error(numbers), tooLong);
  // Variables take no slots: 97 operations on one variable fit.
  std::string product = "x";
  for (int i = 0; i < 97; ++i)
    product += "*x";
  TCalcExpr expr(table);
  expr.Init(product, "x", "", "");
  ASSERT_EQ(expr.ErrorText(), "");
  EXPECT_EQ(expr.OperationCount(), 97);
  EXPECT_EQ(expr.Evaluate(1, 0, 0), 1);
  expr.Init(product + "*x", "x", "", "");
  EXPECT_EQ(expr.ErrorText(), tooLong);
}

TEST_F(CalcExprTest, HugeAndStrangeTextsGiveAnAnswerQuickly) {
  const std::string deep = std::string(200000, '(') + "1" + std::string(200000, ')');
  EXPECT_EQ(Value(deep), 1);
  EXPECT_EQ(FaultOf(std::string(100000, '9')), EvaluationFault::Overflow);
  EXPECT_EQ(Error(std::string(100000, '+')), "The addition need a left operand");
  EXPECT_EQ(Error(std::string(100000, '(') + std::string(99999, ')')), "Invalid use of parentesis");
  EXPECT_EQ(Error(std::string("2\0003", 3)),
            "Operator/Value/Variable/Parameter on position 2 was not recognized");
  // Malformed UTF-8 is one unrecognised character per bad byte.
  EXPECT_EQ(Error("1+\xC3"), "Operator/Value/Variable/Parameter on position 3 was not recognized");
  EXPECT_EQ(Error("\xFF\xFE"),
            "Operator/Value/Variable/Parameter on position 1 was not recognized");
}

} // namespace
} // namespace strandel
