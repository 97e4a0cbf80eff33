// RC45 and CHR_TO_STR: every number the windows show passes through them.
#include <gtest/gtest.h>

#include <cmath>

#include "frame/number_display.hpp"

namespace {

using frame::CHR_TO_STR;
using frame::RC45;

struct TextCase {
  float value;
  const char* text;
};

// clang-format off
const TextCase kCutToThreeDecimals[] = {
    {0.0f,        "0.000"},
    {0.5f,        "0.500"},
    {0.06f,       "0.060"},
    {200.0f,      "200.000"},
    {2.9995f,     "2.999"},     // cut, not rounded
    {12.34567f,   "12.345"},
    {123.4599f,   "123.460"},   // its six-digit number text is 123.46
    {98765.43f,   "98765.400"},
    {0.0625f,     "0.062"},
    {0.000001f,   "0.000"},
    {0.3f,        "0.300"},
    {0.016f,      "0.016"},
    {0.07f,       "0.070"},
};

// Values whose number text needs an exponent are shown in fixed notation,
// cut from their exact value, and negative values keep their sign.
const TextCase kExponentAndSign[] = {
    {1234567.0f,  "1234567.000"},
    {0.0123456f,  "0.012"},
    {999999.6f,   "999999.625"},   // the float nearest 999999.6
    {0.0000001f,  "0.000"},
    {-1.5f,       "-1.500"},
    {-0.25f,      "-0.250"},
    {-0.1f,       "-0.100"},
    {-1234567.0f, "-1234567.000"},
    {1e10f,       "10000000000.000"},
};

const TextCase kRoundedThenShown[] = {
    {0.0625f,  "0.063"},
    {1.2345f,  "1.235"},
    {-2.0005f, "-2.001"},
    {2.0005f,  "2.001"},
    {1.0005f,  "1.000"},   // 1.0005 · 1000 stores just below the half
    {0.1235f,  "0.124"},
    {0.0005f,  "0.001"},
    {0.0004f,  "0.000"},
    {0.2345f,  "0.235"},
};
// clang-format on

TEST(ChrToStr, CutsTheNumberTextToThreeDecimals) {
  for (const TextCase& c : kCutToThreeDecimals) EXPECT_EQ(CHR_TO_STR(c.value), c.text) << c.value;
}

TEST(ChrToStr, ShowsExponentValuesInFixedNotationAndKeepsTheSign) {
  for (const TextCase& c : kExponentAndSign) EXPECT_EQ(CHR_TO_STR(c.value), c.text) << c.value;
}

TEST(Rc45, RoundsHalfAwayFromZeroOnTheStoredProduct) {
  for (const TextCase& c : kRoundedThenShown) EXPECT_EQ(CHR_TO_STR(RC45(c.value, 3)), c.text) << c.value;
}

// 10³ is exactly 1000, so x · 10³ is the exact product rounded once to a
// single. 6.3E+06 · 1000 lies halfway between two singles and goes to the
// even one, 6300000256; a power a hair below 1000 would round it down and
// show 6299999.500.
TEST(Rc45, PowerOfTenIsExact) {
  EXPECT_EQ(rt::pow(10, 3), 1000.0L);
  EXPECT_EQ(rt::pow(10, -3), 1 / 1000.0L);
  EXPECT_EQ(rt::pow(2, 0.5f), sqrtl(2));
  EXPECT_EQ(RC45(6.3e6f, 3).value(), 6300000.5f);
  EXPECT_EQ(CHR_TO_STR(RC45(6.3e6f, 3)), "6300000.500");
  EXPECT_EQ(CHR_TO_STR(RC45(1e6f, 3)), "1000000.000");
}

TEST(Rc45, ResultIsTheNearestSingleOfTheRoundedDecimal) {
  EXPECT_EQ(RC45(0.0625f, 3).value(), 0.063f);
  EXPECT_EQ(RC45(-2.0005f, 3).value(), -2.001f);
  EXPECT_EQ(RC45(111.1104f, 3).value(), 111.110f);
}

}  // namespace
