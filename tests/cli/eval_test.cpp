// strandel-cli eval, driven as a user's script drives it.

#include <gtest/gtest.h>

#include "common/number_text.h"
#include "common/text.h"
#include "support/process.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

testing::ProcessResult Cli(const std::vector<std::string>& args) {
  return testing::RunProgram(STRANDEL_CLI, args);
}

TEST(CliEval, JsonResultsInOrderWithParametersCarriedForward) {
  const auto result = Cli({"eval", "--json", "2+3*4", "L1=2.5", "L1*4", "1/0", "2*-3", "-pi/2",
                           "sqrt(2)/2", "0.1+0.2", "1e300*1e300/1e300"});
  EXPECT_EQ(result.ExitCode, 0) << result.Err;
  EXPECT_EQ(result.Err, "");
  // -pi/2 and sqrt(2)/2 to the last digit a double holds; 0.1+0.2 summed in
  // extended precision rounds to the double nearest 0.3.
  EXPECT_EQ(result.Out,
            "{\"results\": [{\"value\": 14.0}, {\"value\": 2.5}, {\"value\": 10.0}, "
            "{\"fault\": true}, {\"error\": \"The multiplication needs a right operand\"}, "
            "{\"value\": -1.5707963267948966}, {\"value\": 0.7071067811865476}, "
            "{\"value\": 0.3}, {\"value\": 1e+300}]}\n");
}

TEST(CliEval, ParametersLiveForOneRunOnly) {
  auto result = Cli({"eval", "--json", "span=6"});
  EXPECT_EQ(result.Out, "{\"results\": [{\"value\": 6.0}]}\n");
  result = Cli({"eval", "--json", "span/2"});
  EXPECT_EQ(result.Out, "{\"results\": [{\"error\": \"Operator/Value/Variable/Parameter on "
                        "position 1 was not recognized\"}]}\n");
}

TEST(CliEval, TableShowsTheValueAsStored) {
  const auto result =
      Cli({"eval", "1234.5", "Längd=3", "Längd^2", "-pi", "ln 0", "x=", "--", "--5"});
  EXPECT_EQ(result.ExitCode, 0) << result.Err;
  EXPECT_EQ(result.Out, "1234.5  =  1234.5\n"
                        "Längd=3 =  3\n"
                        "Längd^2 =  9\n"
                        "-pi     = -3.141592653589793\n"
                        "ln 0    : fault: logarithm of zero or a negative number\n"
                        "x=      : error: The expression includes undefined operators\n"
                        "--5     : error: The subtraction needs a right operand\n");
}

TEST(CliEval, UsageErrors) {
  testing::TempFolder folder;
  auto result = Cli({"eval"});
  EXPECT_EQ(result.ExitCode, 2);
  EXPECT_EQ(result.Err, "strandel-cli: eval needs at least one expression\n");
  result = Cli({"eval", "--bogus", "1"});
  EXPECT_EQ(result.ExitCode, 2);
  EXPECT_NE(result.Err.find("--bogus"), std::string::npos);
  result = Cli({"eval", "1", "--settings", folder.File("none.ini")});
  EXPECT_EQ(result.ExitCode, 2);
  EXPECT_NE(result.Err.find("none.ini"), std::string::npos);
  EXPECT_EQ(result.Out, "");
  result = Cli({"eval", "--help"});
  EXPECT_EQ(result.ExitCode, 0);
  EXPECT_NE(result.Out.find("usage: strandel-cli eval [--json]"), std::string::npos);
  EXPECT_NE(Cli({"--help"}).Out.find("eval "), std::string::npos);
}

} // namespace
} // namespace strandel
