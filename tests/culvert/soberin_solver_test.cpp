// OJ of soberin: the flow capacity of a pipe for the default inputs and a
// steep slope, the angle and depth ratio shared by every pipe, and the design
// discharge that plays no part.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "frame/number_display.hpp"
#include "pipe_call.hpp"

namespace culvert_test {
namespace {

using frame::CHR_TO_STR;
using frame::RC45;
using frame::SolveStatus;

constexpr PipeInputs kDefaults{0.3f, 0.6f, 0.013f, 200};

struct Shown {
  const char* name;
  const char* text;
};

// clang-format off
const Shown kCapacityDefaults[] = {
    {"Qmax", "0.467"}, {"H", "0.562"}, {"V", "1.696"}, {"W", "0.291"}, {"A", "0.275"}, {"P", "1.582"},
    {"R", "0.174"}, {"Fr", "0.722"}, {"Fb", "0.038"},
};
// clang-format on

TEST(SoberinCapacity, DefaultInputs) {
  const PipeRun r = run_capacity(kDefaults);
  ASSERT_EQ(r.status, SolveStatus::solved);
  for (const Shown& s : kCapacityDefaults) EXPECT_EQ(CHR_TO_STR(r[s.name]), s.text) << s.name;
  EXPECT_EQ(CHR_TO_STR(RC45(r["theta"], 2)), "5.270");
  EXPECT_EQ(CHR_TO_STR(RC45(r["HD_pct"], 1)), "93.700");
  EXPECT_EQ(r["ok"], -1);
}

// A steep slope makes the flow at capacity supercritical.
TEST(SoberinCapacity, SteepSlope) {
  const PipeRun r = run_capacity({0.3f, 1.0f, 0.013f, 100});
  ASSERT_EQ(r.status, SolveStatus::solved);
  EXPECT_EQ(CHR_TO_STR(RC45(r["Fr"], 2)), "1.110");
  EXPECT_EQ(CHR_TO_STR(RC45(r["Qmax"], 2)), "2.580");
}

// The search ends a little short of the exact maximum of A · V (5.278 rad),
// at the same angle and depth ratio for every pipe, apart from single
// precision effects.
TEST(SoberinCapacity, SameAngleAndDepthRatioForEveryPipe) {
  for (float D : {0.2f, 0.6f, 1.35f, 3.0f}) {
    for (float n : {0.010f, 0.013f, 0.024f}) {
      for (float I : {20.0f, 200.0f, 5000.0f}) {
        const PipeRun r = run_capacity({0.3f, D, n, I});
        ASSERT_EQ(r.status, SolveStatus::solved);
        EXPECT_GT(r["theta"], 5.26);
        EXPECT_LT(r["theta"], 5.278);
        EXPECT_NEAR(double(r["HD_pct"]), 93.7, 0.1) << "D " << D << " n " << n << " I " << I;
      }
    }
  }
}

TEST(SoberinCapacity, DesignDischargeHasNoEffect) {
  const PipeRun reference = run_capacity(kDefaults);
  for (float Q : {0.0f, -5.0f, 1e-30f, 1e30f, std::numeric_limits<float>::quiet_NaN()}) {
    PipeInputs in = kDefaults;
    in.Q = Q;
    const PipeRun r = run_capacity(in);
    for (std::size_t k = 0; k < r.out.size(); ++k) {
      EXPECT_EQ(r.out[k].value(), reference.out[k].value()) << kCapacityNames[k] << " Q " << Q;
    }
  }
}

// Fb comes from the unrounded depth and is rounded on its own, so H + Fb,
// both rounded, can miss the rounded diameter by 0.001; never by more.
TEST(SoberinCapacity, DepthPlusFreeboardWithinOneThousandthOfTheDiameter) {
  int missed = 0;
  for (int d = 2000; d <= 3000; d += 7) {
    const float D = d * 0.0001f;
    const PipeRun r = run_capacity({0.3f, D, 0.013f, 200});
    const double miss = std::fabs(double(rt::Single(r["H"] + r["Fb"])) - double(RC45(D, 3)));
    EXPECT_LE(miss, 0.0011) << "D " << D;
    if (miss > 0.0005) ++missed;
  }
  EXPECT_GT(missed, 0);
  const PipeRun r = run_capacity({0.3f, 0.6004f, 0.013f, 200});
  EXPECT_EQ(CHR_TO_STR(r["H"]), "0.563");
  EXPECT_EQ(CHR_TO_STR(r["Fb"]), "0.038");
  EXPECT_EQ(CHR_TO_STR(RC45(0.6004f, 3)), "0.600");
}

}  // namespace
}  // namespace culvert_test
