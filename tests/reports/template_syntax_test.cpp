// The template line syntax: how a line falls into literal text and parameters,
// the defaults of a parameter's fields, which widths are accepted, and how a
// value is set in its field.

#include <gtest/gtest.h>

#include "reports/template_syntax.h"

namespace strandel {
namespace {

TEST(PadField, SetsTheValueInItsField) {
  struct Case {
    const char* Value;
    const char* Alignment;
    int Width;
    const char* Expected;
  };
  const Case cases[] = {
      {"12", "R", 6, "    12"},     // beam 12 in {6;R;BeamNo}
      {"12", "L", 6, "12    "},     //
      {"Spruce", "L", 3, "Spr"},    // cut to the width from the right
      {"Spruce", "R", 3, "uce"},    // the right end kept
      {"Spruce", "L", 6, "Spruce"}, // exactly the width
      {"", "L", 4, "    "},         // nothing to write: the field stays
      {"12", "C", 5, "     "},      // no such alignment: blanks only
      {"12", "l", 5, "     "},      // alignments are capitals
      {"12", "R", 0, ""},           // width 0: no field at all
      {"12", "X", 0, ""},           //
      {"\xC2\xB0"
       "C",
       "R", 4,
       "  \xC2\xB0"
       "C"}, // widths count characters, not bytes
      {"\xC3\xA5\xC3\xA4\xC3\xB6", "L", 2, "\xC3\xA5\xC3\xA4"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PadField(c.Value, c.Alignment, c.Width), c.Expected)
        << "'" << c.Value << "' " << c.Alignment << c.Width;
}

TEST(TemplateLine, FallsIntoLiteralTextAndParameters) {
  struct Case {
    const char* Line;
    std::vector<TemplatePart> Expected;
  };
  const Case cases[] = {
      {"", {}},
      {"Plain text only", {{false, "Plain text only"}}},
      {"Beam {6;R;BeamNo}:", {{false, "Beam "}, {true, "6;R;BeamNo"}, {false, ":"}}},
      {"{;;A}{;;B}", {{true, ";;A"}, {true, ";;B"}}},
      {"a{}b", {{false, "a"}, {true, ""}, {false, "b"}}},
      // A parameter runs to the next closing brace; a brace inside it is its text.
      {"x{5;L;{Name}}", {{false, "x"}, {true, "5;L;{Name"}, {false, "}"}}},
      // Without a closing brace the parameter runs to the end of the line.
      {"Total {9;L;Mdl_NoOfBeams", {{false, "Total "}, {true, "9;L;Mdl_NoOfBeams"}}},
      // Line ends inside a parameter are dropped, outside it kept.
      {"a\r{5;\nL;Beam\r\nNo}", {{false, "a\r"}, {true, "5;L;BeamNo"}}},
  };
  for (const Case& c : cases) {
    const std::vector<TemplatePart> parts = SplitTemplateLine(c.Line);
    ASSERT_EQ(parts.size(), c.Expected.size()) << c.Line;
    for (std::size_t i = 0; i < parts.size(); ++i) {
      EXPECT_EQ(parts[i].IsParameter, c.Expected[i].IsParameter) << c.Line << " part " << i;
      EXPECT_EQ(parts[i].Text, c.Expected[i].Text) << c.Line << " part " << i;
    }
  }
}

TEST(TemplateLine, EmptyFieldsTakeTheirDefaults) {
  struct Case {
    const char* Content;
    const char* Width;
    const char* Alignment;
    const char* Name;
  };
  const Case cases[] = {
      {";;Beam_Length", "9", "L", "Beam_Length"},
      {"6;R;BeamNo", "6", "R", "BeamNo"},
      {" 12 ; R ;  Prof_Name  ", "12", "R", "Prof_Name"},
      {"  ;  ;BeamNo", "9", "L", "BeamNo"},
      {"5;L;", "5", "L", ""},
      {"BeamNo", "BeamNo", "L", ""}, // one field is the width, not the name
      {"", "9", "L", ""},
      {"2.5;R;BeamNo;extra", "2.5", "R", "BeamNo"},
  };
  for (const Case& c : cases) {
    const ParameterField field = ReadParameterField(c.Content);
    EXPECT_EQ(field.Width, c.Width) << c.Content;
    EXPECT_EQ(field.Alignment, c.Alignment) << c.Content;
    EXPECT_EQ(field.Name, c.Name) << c.Content;
  }
}

TEST(TemplateLine, WidthIsAWholeNumberWithinTheSheet) {
  EXPECT_EQ(FieldWidth("9"), 9);
  EXPECT_EQ(FieldWidth("0"), 0);
  EXPECT_EQ(FieldWidth(" 12 "), 12);
  EXPECT_EQ(FieldWidth("007"), 7);
  EXPECT_EQ(FieldWidth("1000"), kMaxFieldWidth);
  for (const char* bad : {"", " ", "2.5", "2,5", "-3", "+3", "1e2", "$10", "0x10", "abc", "12a",
                          "1001", "99999999999999999999"})
    EXPECT_FALSE(FieldWidth(bad).has_value()) << "'" << bad << "'";
}

} // namespace
} // namespace strandel
