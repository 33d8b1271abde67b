// Named parameters: defined by "name=expression" in any field, used by every
// later field of the run.

#include "expr/parameters.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "expr/calc_expr.h"
#include "expr/expr_text.h"

namespace strandel {
namespace {

class ParameterTest : public ::testing::Test {
protected:
  // The compile message, or "" and the value.
  std::string Run(const std::string& text, long double* value = nullptr) {
    TCalcExpr expr(table);
    expr.Init(text, "", "", "");
    if (!expr.Compiled()) return expr.ErrorText();
    const long double result = expr.Evaluate(0, 0, 0);
    if (expr.Fault() != EvaluationFault::None) return "fault: " + FaultText(expr.Fault());
    if (value) *value = result;
    return "";
  }
  long double Value(const std::string& text) {
    long double value = 0;
    EXPECT_EQ(Run(text, &value), "") << text;
    return value;
  }
  ParameterTable table;
};

TEST_F(ParameterTest, ADefinitionIsUsedByLaterExpressions) {
  TCalcExpr definition(table);
  definition.Init(" x = 2*3", "", "", "");
  EXPECT_EQ(definition.DefinedParameter(), "x");
  EXPECT_EQ(table.ValueText(*table.Find(U"x")), ""); // entered, no value yet
  EXPECT_EQ(definition.Evaluate(0, 0, 0), 6);
  EXPECT_EQ(Value("x=2*3"), 6);
  EXPECT_EQ(Value("x+1"), 7);
  EXPECT_EQ(Value("x = 10"), 10); // redefined
  EXPECT_EQ(Value("x/4"), 2.5);
  EXPECT_EQ(Value("L1 = 2,5"), 2.5);
  EXPECT_EQ(Value("L1 max 0,3"), 2.5);
  EXPECT_EQ(Value("n=1"), 1);
  EXPECT_EQ(Value("n=n+1"), 2);
  EXPECT_EQ(Value("n=n+1"), 3);
  EXPECT_EQ(*table.Value("n"), 3);
  // A negative and an extended value are kept exactly.
  EXPECT_EQ(Value("m=-1/3"), -1.0L / 3);
  EXPECT_EQ(Value("m*3"), -1);
  EXPECT_EQ(Value("big=1e300*1e8"), 1e308L);
}

TEST_F(ParameterTest, PiIsThereFromTheStart) {
  EXPECT_EQ(Value("pi"), std::numbers::pi_v<long double>);
  EXPECT_NEAR(static_cast<double>(Value("2*pi")), 6.283185307179586, 1e-15);
  EXPECT_EQ(table.Count(), 1u);
  table.SetValue(U"pi", 3);
  table.Reset();
  EXPECT_EQ(Value("pi"), std::numbers::pi_v<long double>);
}

TEST_F(ParameterTest, TheLongestNameMatches) {
  Value("L=2");
  Value("L1=3");
  EXPECT_EQ(Value("L1*L"), 6);
  EXPECT_EQ(Value("L*L1"), 6);
  EXPECT_EQ(Run("L1L"), "The expression includes undefined operators");
  // An operator is tried before a parameter: "sinx" is sin followed by x.
  Value("x=0");
  Value("sinx=5");
  EXPECT_EQ(Value("sinx"), 0);
  // Names are case-sensitive.
  EXPECT_EQ(Run("l1"), "Operator/Value/Variable/Parameter on position 1 was not recognized");
}

TEST_F(ParameterTest, NamesFollowTheirRules) {
  struct Case {
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"=5", "A parameter name must bee entered"},
      {"  =5", "A parameter name must bee entered"},
      {"abcdefghijklmnopq=1", "A parameter name can consist of a maximum of 16 characters"},
      {"1a=2", "Parameter names are not allowed to start with numbers"},
      {"a_b=1", "Characters you can use in parameter names are :[a-ö,A-Ö,0-9]"},
      {"two words=1", "Characters you can use in parameter names are :[a-ö,A-Ö,0-9]"},
      {"é=1", "Characters you can use in parameter names are :[a-ö,A-Ö,0-9]"},
      {"y'=1", "Characters you can use in parameter names are :[a-ö,A-Ö,0-9]"},
      {"y=1", "These names are reserved fore variables: t,y,y'"},
      {"t=1", "These names are reserved fore variables: t,y,y'"},
      {"e=1", "The names e and E are reserved for power of ten notation"},
      {"E=1", "The names e and E are reserved for power of ten notation"},
      {"sin=1", "The name:sin is reserved for the function:sin"},
      {"sqrt=1", "The name:sqrt is reserved for the function:sqrt"},
      {"max=1", "The name:max is reserved for the function:max"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Run(c.text), c.message) << c.text;
  EXPECT_EQ(table.Count(), 1u); // none of them was entered
  // Sixteen characters, digits after the first, and the Nordic letters are fine.
  EXPECT_EQ(Value("abcdefghijklmnop=1"), 1);
  EXPECT_EQ(Value("Längd2=4"), 4);
  EXPECT_EQ(Value("Åsa=1"), 1);
  EXPECT_EQ(Value("Öl=2"), 2);
  EXPECT_EQ(Value("Åsa+Öl*Längd2"), 9);
  // Positions count characters, not bytes.
  EXPECT_EQ(Run("Öl+$"), "Operator/Value/Variable/Parameter on position 4 was not recognized");
}

TEST_F(ParameterTest, ADefinitionThatFailsLeavesNoValue) {
  Value("x=5");
  EXPECT_EQ(Run("x=1/0"), "fault: division by zero");
  EXPECT_EQ(Value("x"), 5); // the old value stays
  // A new name is entered when the definition compiles, its value only when it
  // evaluates; until then using it is refused rather than read as 0.
  EXPECT_EQ(Run("z=1/0"), "fault: division by zero");
  EXPECT_EQ(Run("z+1"), "The parameter z has no value");
  EXPECT_EQ(Run("w=w+1"), "The parameter w has no value");
  EXPECT_EQ(Run("v=2*"), "The multiplication needs a right operand");
  EXPECT_EQ(Run("v"), "The parameter v has no value");
  EXPECT_EQ(Value("z=4"), 4);
  EXPECT_EQ(Value("z+1"), 5);
}

TEST(ParameterTable, NewNamesGoBeforeTheFirstShorterName) {
  ParameterTable table;
  table.Define(U"abc");
  table.Define(U"ab"); // not before "pi", which is as long
  table.Define(U"x");
  table.Define(U"abcd");
  table.Define(U"zz");
  std::vector<std::string> names;
  for (std::size_t i = 0; i < table.Count(); ++i)
    names.push_back(EncodeUtf8(table.Name(i)));
  EXPECT_EQ(names, (std::vector<std::string>{"abcd", "abc", "pi", "ab", "zz", "x"}));
  EXPECT_EQ(table.Define(U"ab"), 3u); // an existing name keeps its place
  EXPECT_EQ(table.ValueText(3), "");
  EXPECT_FALSE(table.Value("ab").has_value());
  table.SetValue(U"ab", 2.5L);
  EXPECT_EQ(table.ValueText(3), "2.5");
  EXPECT_EQ(*table.Value("ab"), 2.5L);
}

TEST(ParameterTable, ValueTextsReadBackExactly) {
  const long double values[] = {
      0, -0.0L, 1, -2.5L, 1.0L / 3, 1e-4000L, 1e4000L, 0.1L, std::numbers::pi_v<long double>};
  for (long double value : values) {
    long double read = -1;
    ASSERT_TRUE(ReadValueText(WriteValueText(value), read)) << WriteValueText(value);
    EXPECT_EQ(read, value) << WriteValueText(value);
  }
  long double read = 0;
  EXPECT_TRUE(ReadValueText(" 3,5 ", read));
  EXPECT_EQ(read, 3.5L);
  for (const char* text : {"", " ", "-", "abc", "1e", "inf", "nan", "1 2", "--1"})
    EXPECT_FALSE(ReadValueText(text, read)) << text;
}

} // namespace
} // namespace strandel
