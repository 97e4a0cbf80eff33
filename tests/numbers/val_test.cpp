// VAL: what the change events store from an edit's text.
#include <gtest/gtest.h>

#include <cmath>

#include "runtime/number_text.hpp"

namespace {

struct ValCase {
  const char* text;
  double value;
};

// clang-format off
const ValCase kReadings[] = {
    {"",          0.0},
    {"abc",       0.0},     // does not start like a number
    {"  1.5",     1.5},     // leading blanks skipped
    {"1 2",       1.0},     // a blank ends the number
    {"-0.25",     -0.25},
    {"+.5",       0.5},
    {".5",        0.5},
    {"-.5",       -0.5},
    {"5.",        5.0},
    {"-",         0.0},
    {".",         0.0},
    {"12abc",     12.0},
    {"1e3",       1000.0},
    {"1D2",       100.0},
    {"1e",        1.0},
    {"2.5E-3x",   0.0025},
    {"&H10",      16.0},
    {"&HFFFF",    -1.0},    // four hexadecimal digits: a 16-bit value
    {"&H10000",   65536.0},
    {"&O17",      15.0},
    {"&X1",       0.0},
    {"0.0625",    0.0625},
    // Typed with the input method on: full-width forms read as half-width.
    {"４．５",       4.5},
    {"－．５Ｅ＋２",    -50.0},
    {"　１ｅ３",      1000.0},  // the ideographic space is a blank
    {"１　５",       1.0},     // and ends the number
    {"＆Ｈ１Ｆ",      31.0},
    {"１２ａ",       12.0},
    {"ｘ１",        0.0},
    // What the input method commits for -0.5, .013 and 1e3: the minus sign
    // (U+2212) is a minus and the ideographic full stop a point.
    {"−０．５",      -0.5},
    {"。０１３",      0.013},
    {"−。５",       -0.5},
    {"４。５",       4.5},
    {"１え３",       1.0},
    {"‐１",        -1.0},    // a hyphen (U+2010) pasted as a minus
    {"—１",         0.0},    // an em dash is no sign
    {"ー１",         0.0},    // nor is the long vowel mark
    {"。",          0.0},
};
// clang-format on

TEST(Val, ReadsTheLeadingNumber) {
  for (const ValCase& c : kReadings) {
    const rt::ValResult r = rt::VAL(c.text);
    EXPECT_FALSE(r.out_of_range) << c.text;
    EXPECT_EQ(r.value, c.value) << c.text;
  }
}

TEST(Val, MarksNumbersBeyondTheSingleRangeWithTheirSign) {
  for (const char* text : {"1E39", "1e400", "-5E38", "&H123456789"}) {
    const rt::ValResult r = rt::VAL(text);
    EXPECT_TRUE(r.out_of_range) << text;
    EXPECT_TRUE(std::isinf(r.value)) << text;
  }
  EXPECT_LT(rt::VAL("-5E38").value, 0);
  EXPECT_FALSE(rt::VAL("3.4E38").out_of_range);
  EXPECT_FALSE(rt::VAL("1E-50").out_of_range);  // underflow reads as a tiny or zero value
}

TEST(Val, NumberLengthCoversTheWholeToken) {
  EXPECT_EQ(rt::val_number_length(" .06"), 4u);
  EXPECT_EQ(rt::val_number_length("200 "), 3u);
  EXPECT_EQ(rt::val_number_length("word"), 0u);
  EXPECT_EQ(rt::val_number_length("1.5E+06"), 7u);
  EXPECT_EQ(rt::val_number_length("１"), 0u) << "a file's number is half-width";
}

}  // namespace
