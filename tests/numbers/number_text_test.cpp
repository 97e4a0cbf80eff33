// The runtime's number text: the text behind every shown and saved number.
#include <gtest/gtest.h>

#include "runtime/number_text.hpp"

namespace {

struct Case {
  float value;
  const char* text;
};

// clang-format off
const Case kNumberTexts[] = {
    {0.0f,         " 0"},
    {0.5f,         " .5"},
    {0.06f,        " .06"},
    {2.9995f,      " 2.9995"},
    {12.34567f,    " 12.3457"},
    {200.0f,       " 200"},
    {-1.5f,        "-1.5"},
    {1234567.0f,   " 1.23457E+06"},
    {0.0123456f,   " 1.23456E-02"},
    {0.000001f,    " .000001"},
    {123.4599f,    " 123.46"},
    {98765.43f,    " 98765.4"},
    {999999.6f,    " 1E+06"},       // carry out of the first digit
    {0.0000001f,   " 1E-07"},
    {0.016f,       " .016"},
    {0.07f,        " .07"},
    {12.345678f,   " 12.3457"},
    {0.0625f,      " .0625"},
    {1e-30f,       " 1E-30"},
    {3e38f,        " 3E+38"},
    {1e-40f,       " 9.99995E-41"},  // a subnormal keeps six digits
    {100000.0f,    " 100000"},
    {999999.0f,    " 999999"},
    {-0.25f,       "-.25"},
};
// clang-format on

TEST(NumberText, MatchesTheRuntimeText) {
  for (const Case& c : kNumberTexts) EXPECT_EQ(rt::number_text(c.value), c.text) << c.value;
}

TEST(NumberText, OnlyTheSeventhDigitDecidesTheSixth) {
  // 1.0000049 has the eight digits 10000049: the seventh (4) keeps the sixth.
  EXPECT_EQ(rt::number_text(1.0000049f), " 1");
  // 1.2345650 rounds up on its seventh digit 5 though the float lies below it.
  EXPECT_EQ(rt::number_text(1.234565f), " 1.23457");
}

}  // namespace
