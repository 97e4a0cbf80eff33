// Number fields of the print statements: the exact texts that land in the
// columns of the sheets.
#include <gtest/gtest.h>

#include "runtime/printer/number_field.hpp"

namespace {

using rt::format_number_field;
using rt::NumberField;

struct FieldCase {
  const char* format;
  float value;
  const char* text;
};

NumberField field_of(const char* format) {
  const std::vector<rt::FormatPiece> pieces = rt::parse_format(format);
  EXPECT_EQ(pieces.size(), 1u) << format;
  return std::get<NumberField>(pieces.at(0));
}

// clang-format off
const FieldCase kWidthsAndLeadingZero[] = {
    {"#####.###", 0.06f,      "    0.060"},
    {"#####.###", 200.0f,     "  200.000"},
    {"#####.###", 0.5f,       "    0.500"},
    {"#####.###", 0.0f,       "    0.000"},
    {"#####.###", 12345.678f, "12345.678"},
    {"####.###",  1.2f,       "   1.200"},
    {"###.###",   0.686f,     "  0.686"},
    {"##.###",    0.016f,     " 0.016"},
    {"###.#####", 4.0018487f, "  4.00185"},
    {"#####.#",   9.8f,       "    9.8"},
    {".###",      0.5f,       ".500"},      // no place for the 0
    {"###",       7.0f,       "  7"},
};

// Rounding on the exact decimal digits of the single: a first dropped digit
// of 5 or more rounds the magnitude up.
const FieldCase kRounding[] = {
    {"##.###",  0.0625f,  " 0.063"},   // exactly a half: away from zero
    {"##.###", -0.0625f,  "-0.063"},
    {"#.###",   0.0005f,  "0.001"},    // the single lies just above the half
    {"#.###",   2.0005f,  "2.000"},    // ... and here just below it
    {"#.###",   1.0005f,  "1.000"},
    {"#.###",   0.1235f,  "0.123"},    // 0.12349999...
    {"###",     12.5f,    " 13"},
    {"###",    -12.5f,    "-13"},
    {"#####.###", -0.0001f, "    0.000"},  // a zero result drops its sign
};

const FieldCase kMinusSign[] = {
    {"#####.###", -1.5f,      "   -1.500"},
    {"#####.###", -0.25f,     "   -0.250"},
    {"#####.###", -1234.5f,   "-1234.500"},
    {"#.###",     -0.5f,      "-.500"},    // the sign takes the only place
};

// An integer part (with its sign) too long for the field: "%" and the
// number text, wider than the field.
const FieldCase kOverflow[] = {
    {"#####.###", 123456.7f,  "%123457"},
    {"#####.###", -12345.5f,  "%-12345.5"},
    {"####.###",  12345.6f,   "%12345.6"},
    {"##.###",    99.9996f,   "%99.9996"},  // rounding carries into a third place
    {"###.###",   1000.0f,    "%1000"},
};
// clang-format on

void check(const FieldCase* begin, const FieldCase* end) {
  for (const FieldCase* c = begin; c != end; ++c)
    EXPECT_EQ(format_number_field(c->value, field_of(c->format)), c->text) << c->format << " " << c->value;
}

TEST(NumberField, WidthsAndLeadingZero) { check(std::begin(kWidthsAndLeadingZero), std::end(kWidthsAndLeadingZero)); }
TEST(NumberField, RoundsHalvesAwayFromZero) { check(std::begin(kRounding), std::end(kRounding)); }
TEST(NumberField, MinusSignTakesAPlace) { check(std::begin(kMinusSign), std::end(kMinusSign)); }
TEST(NumberField, OverflowPrintsPercentAndTheNumber) { check(std::begin(kOverflow), std::end(kOverflow)); }

TEST(NumberField, ParsesTheRowFormat) {
  const std::vector<rt::FormatPiece> pieces = rt::parse_format("@@#####.###@");
  ASSERT_EQ(pieces.size(), 4u);
  EXPECT_TRUE(std::holds_alternative<rt::TextField>(pieces[0]));
  EXPECT_TRUE(std::holds_alternative<rt::TextField>(pieces[1]));
  EXPECT_EQ(std::get<NumberField>(pieces[2]), (NumberField{5, 3, true}));
  EXPECT_TRUE(std::holds_alternative<rt::TextField>(pieces[3]));
}

}  // namespace
