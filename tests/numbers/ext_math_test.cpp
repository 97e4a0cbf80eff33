// The power, sine and cosine at extended precision: within two ulps of the
// C library's powl, sinl and cosl (each itself within about an ulp) over the
// arguments the solvers take, exact where the value is, the same for a base
// raised to two powers at once, and the C library's rules for the arguments
// the tables are not made for. tools/check_ext_math.sh measures them against
// 113-bit values on millions of arguments.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

#include "runtime/number.hpp"

namespace {

using Ext = long double;

// The distance of a from b in units of the last place of b.
Ext ulps(Ext a, Ext b) {
  if (a == b) return 0;
  int e;
  frexpl(b, &e);
  return fabsl(a - b) / ldexpl(1.0L, e - 64);
}

bool same_bits(Ext a, Ext b) { return std::memcmp(&a, &b, 10) == 0 || (std::isnan(a) && std::isnan(b)); }

// The exponents of the solvers' statements.
const float kExponents[] = {0.6666667f, 1.6666666f, -0.33333334f, 0.33333334f, 2.6666667f, 1.5f, 0.5f, -0.5f};

TEST(ExtMath, PowerAgreesWithPowl) {
  std::mt19937_64 gen(71);
  std::uniform_real_distribution<double> exponent_of_two(-70, 70);
  for (const float y : kExponents) {
    for (int k = 0; k < 4000; ++k) {
      const Ext x = exp2l(exponent_of_two(gen)) * (1 + 0x1p-40L * static_cast<Ext>(gen() >> 40));
      EXPECT_LE(ulps(rt::pow(x, y), powl(x, y)), 2) << "x " << static_cast<double>(x) << " y " << y;
    }
  }
}

TEST(ExtMath, ExactPowersAreExact) {
  EXPECT_EQ(rt::pow(1, 0.6666667f), 1);
  EXPECT_EQ(rt::pow(1, -0.33333334f), 1);
  EXPECT_EQ(rt::pow(9, 0.5f), 3);
  EXPECT_EQ(rt::pow(4, 1.5f), 8);
  EXPECT_EQ(rt::pow(0.25L, -0.5f), 2);
  EXPECT_EQ(rt::pow(10, 3), 1000);
  EXPECT_EQ(rt::pow(2, -3), 0.125L);
}

TEST(ExtMath, TwoPowersOfOneBaseAreEachPower) {
  std::mt19937_64 gen(72);
  std::uniform_real_distribution<double> exponent_of_two(-40, 40);
  for (int k = 0; k < 20000; ++k) {
    const Ext x = exp2l(exponent_of_two(gen));
    const float y1 = kExponents[k % 8], y2 = kExponents[(k / 8) % 8];
    const rt::PowerPair p = rt::pow_pair(x, y1, y2);
    ASSERT_TRUE(same_bits(p.first, rt::pow(x, y1)) && same_bits(p.second, rt::pow(x, y2)))
        << "x " << static_cast<double>(x) << " y " << y1 << ", " << y2;
  }
}

TEST(ExtMath, ArgumentsBeyondTheTablesTakeTheLibrarysRules) {
  EXPECT_TRUE(std::isnan(rt::pow(-8, 0.33333334f)));
  EXPECT_EQ(rt::pow(0, 0.6666667f), 0);
  EXPECT_EQ(rt::pow(INFINITY, 0.6666667f), INFINITY);
  EXPECT_EQ(rt::pow(2, 0.1L), powl(2, 0.1L)) << "an exponent that is not a single";
  EXPECT_EQ(rt::pow(1e-4000L, 0.5f), sqrtl(1e-4000L));
  EXPECT_EQ(rt::pow(1e4000L, 2.6666667f), powl(1e4000L, 2.6666667f)) << "beyond the long double range";
  EXPECT_EQ(rt::sin(1e10L), sinl(1e10L));
  EXPECT_EQ(rt::cos(-40.0L), cosl(-40.0L));
  EXPECT_TRUE(std::isnan(rt::sin(NAN)));
}

// Angles over the range the pipe solvers take and beyond, and the singles
// nearest the multiples of π/2, where the sine or the cosine is small and
// must keep its relative precision.
TEST(ExtMath, SineAndCosineAgreeWithTheLibrary) {
  std::mt19937_64 gen(73);
  std::uniform_real_distribution<double> angle(-16, 16);
  for (int k = 0; k < 30000; ++k) {
    Ext x = angle(gen);
    if (k % 3 == 0) {
      float near = 1.5707964f * static_cast<float>(1 + (k / 3) % 8);
      std::uint32_t bits;
      std::memcpy(&bits, &near, 4);
      bits += static_cast<std::uint32_t>(k % 201) - 100;
      std::memcpy(&near, &bits, 4);
      x = near;
    }
    const rt::SineCosine v = rt::sin_cos(x);
    EXPECT_LE(ulps(v.sin, sinl(x)), 2) << "sin " << static_cast<double>(x);
    EXPECT_LE(ulps(v.cos, cosl(x)), 2) << "cos " << static_cast<double>(x);
    EXPECT_TRUE(same_bits(rt::sin(x), v.sin) && same_bits(rt::cos(x), v.cos));
  }
  EXPECT_EQ(rt::sin(0), 0);
  EXPECT_EQ(rt::cos(0), 1);
}

}  // namespace
