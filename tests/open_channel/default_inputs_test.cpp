// The worked examples of velmora and drasin with their default inputs, for Q
// and for 1.2·Q, as the windows show them: three-decimal texts.
#include <gtest/gtest.h>

#include "frame/number_display.hpp"
#include "solver_runs.hpp"

namespace {

using open_channel_test::SolverRun;
using rt::Single;

struct Shown {
  const char* symbol;
  const char* text;
};

void expect_shown(const SolverRun& run, std::initializer_list<Shown> rows) {
  ASSERT_EQ(run.status, frame::SolveStatus::solved);
  for (const Shown& row : rows) {
    EXPECT_EQ(frame::CHR_TO_STR(run.out.at(row.symbol)), row.text) << row.symbol;
  }
}

// The defaults of both programs; 1.2·Q is formed as the calculate command
// forms it, 1.2 held as a single.
const Single Q = 0.06f, I = 200.0f, B = 0.3f, n = 0.016f, m = 0.3f, Fb_plus = 0.1f, Fb_star = 0.07f;
const Single Q12 = 1.2f * Q;

TEST(VelmoraDefaults, UniformFlow) {
  // clang-format off
  expect_shown(open_channel_test::run_VJ(Q, B, n, m, I, Fb_plus, Fb_star), {
      {"H", "0.183"}, {"W", "0.410"}, {"A", "0.065"}, {"S", "0.191"}, {"R", "0.095"}, {"V", "0.922"},
      {"hv", "0.043"}, {"Fb", "0.156"}, {"Fbs", "0.051"}, {"Hh", "0.159"}, {"Fr", "0.739"},
      {"QD", "0.060"}, {"dH", "0.031"}});
  // clang-format on
}

TEST(VelmoraDefaults, UniformFlowAt12Q) {
  expect_shown(open_channel_test::run_VJ(Q12, B, n, m, I, Fb_plus, Fb_star),
               {{"H", "0.206"}, {"V", "0.966"}, {"W", "0.424"}, {"Fb", "0.162"}, {"QD", "0.072"}});
}

TEST(VelmoraDefaults, CriticalFlow) {
  // clang-format off
  expect_shown(open_channel_test::run_VS(Q, B, n, m), {
      {"Hc", "0.152"}, {"Wc", "0.391"}, {"Ac", "0.052"}, {"Vc", "1.146"}, {"Sc", "0.158"}, {"Rc", "0.085"},
      {"Ic", "111.110"}, {"Fbc", "0.058"}, {"QDc", "0.060"}, {"dHc", "0.026"}, {"Hhc", "0.134"},
      {"Frc", "1.000"}});
  // clang-format on
}

TEST(VelmoraDefaults, CriticalFlowAt12Q) {
  expect_shown(open_channel_test::run_VS(Q12, B, n, m), {{"Hc", "0.170"}, {"Vc", "1.206"}, {"Ic", "110.079"}});
}

TEST(DrasinDefaults, UniformFlow) {
  // clang-format off
  expect_shown(open_channel_test::run_UJ(Q, B, n, I, Fb_plus, Fb_star), {
      {"H", "0.225"}, {"W", "0.300"}, {"A", "0.068"}, {"S", "0.225"}, {"R", "0.090"}, {"V", "0.888"},
      {"hv", "0.040"}, {"Fb", "0.156"}, {"Fbs", "0.042"}, {"QD", "0.060"}, {"dH", "0.045"}});
  // clang-format on
}

TEST(DrasinDefaults, UniformFlowAt12Q) {
  expect_shown(open_channel_test::run_UJ(Q12, B, n, I, Fb_plus, Fb_star),
               {{"H", "0.261"}, {"V", "0.921"}, {"Fb", "0.162"}, {"Fbs", "0.047"}, {"QD", "0.072"}, {"dH", "0.052"}});
}

TEST(DrasinDefaults, CriticalFlow) {
  // clang-format off
  expect_shown(open_channel_test::run_US(Q, B, n), {
      {"Hc", "0.160"}, {"Wc", "0.300"}, {"Ac", "0.048"}, {"Vc", "1.251"}, {"Sc", "0.160"}, {"Rc", "0.077"},
      {"Ic", "82.372"}, {"Fbc", "0.050"}, {"QDc", "0.060"}, {"dHc", "0.032"}});
  // clang-format on
}

TEST(DrasinDefaults, CriticalFlowAt12Q) {
  expect_shown(open_channel_test::run_US(Q12, B, n), {{"Hc", "0.180"}, {"Vc", "1.330"}, {"Ic", "78.575"}});
}

// A depth whose thousandfold lies on a rounding tie: with the exact 10³ of
// RC45 it shows 44.261, and the values that follow it as the design's
// statements give them.
TEST(DrasinRounding, DepthOnATieRoundsUp) {
  // clang-format off
  expect_shown(open_channel_test::run_UJ(2214.0f, 5.231f, 0.039f, 24.0f, 0.71f, 0.26f), {
      {"H", "44.261"}, {"W", "5.231"}, {"A", "231.527"}, {"S", "44.261"}, {"R", "2.470"}, {"V", "9.563"},
      {"hv", "4.665"}, {"Fb", "16.883"}, {"Fbs", "6.362"}, {"Fr", "0.459"}, {"QD", "2214.000"}, {"dH", "8.852"}});
  // clang-format on
}

// Results are RC45 values: the single nearest the three-decimal number.
TEST(VelmoraDefaults, ResultsAreTheSinglesNearestTheirDecimals) {
  const SolverRun run = open_channel_test::run_VJ(Q, B, n, m, I, Fb_plus, Fb_star);
  EXPECT_EQ(run.out.at("H").value(), 0.183f);
  EXPECT_EQ(run.out.at("Fr").value(), 0.739f);
  EXPECT_EQ(run.out.at("dH").value(), 0.031f);
}

// In the rectangle W is B and S is H after rounding, and dH is 0.2·A/B of the
// unrounded A: 0.045 for the depth 0.225.
TEST(DrasinDefaults, RectangleIdentities) {
  for (const Single q : {Q, Q12}) {
    const SolverRun uniform = open_channel_test::run_UJ(q, B, n, I, Fb_plus, Fb_star);
    const SolverRun critical = open_channel_test::run_US(q, B, n);
    EXPECT_EQ(uniform.out.at("W").value(), 0.3f);
    EXPECT_EQ(critical.out.at("Wc").value(), 0.3f);
    EXPECT_EQ(uniform.out.at("S").value(), uniform.out.at("H").value());
    EXPECT_EQ(critical.out.at("Sc").value(), critical.out.at("Hc").value());
  }
}

// Fb is worked out from the unrounded depth and velocity head; the window's
// H + Fb is a sum of the rounded results.
TEST(VelmoraDefaults, FreeboardPlusDepthIsASumOfRoundedResults) {
  const SolverRun run = open_channel_test::run_VJ(Q, B, n, m, I, Fb_plus, Fb_star);
  const Single sum = run.out.at("H") + run.out.at("Fb");
  EXPECT_EQ(frame::CHR_TO_STR(sum), "0.339");
}

}  // namespace
