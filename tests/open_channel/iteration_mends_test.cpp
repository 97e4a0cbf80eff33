// Channels on which the plain Newton iteration from 20 times the bed width
// runs to negative depths: narrow deep channels and V-shaped ditches. There
// the solvers find their depth by the bracketed iteration, carry Q and
// satisfy Manning's formula; a call that fails leaves its outputs alone.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

#include "frame/number_display.hpp"
#include "open_channel/solvers/section_solutions.hpp"
#include "solver_runs.hpp"

namespace {

using frame::SolveStatus;
using open_channel::DepthSearch;
using rt::Single;

// Manning's discharge at depth H, worked out in double from the section's
// own geometry (m = 0 for the rectangle).
double manning_discharge(const open_channel::TrapezoidChannel& c, double H) {
  const double B = c.B.value(), m = c.m.value();
  const double A = B * H + m * H * H;
  const double P = B + 2 * H * std::sqrt(1 + m * m);
  return 1 / c.n.value() * std::sqrt(1 / c.I.value()) * A * std::pow(A / P, 2.0 / 3.0);
}

// The depth found carries Q, and lies at most one raise of the capacity loop
// (0.0001) and the iteration's tolerance (0.00001) above the depth that
// carries Q. Both within a margin of 2 millionths of Q for the rounding of
// the singles: in a narrow deep channel the discharge hardly changes with
// the depth.
void expect_depth_carries_q(const open_channel::TrapezoidChannel& c, Single H, Single QD) {
  EXPECT_GE(QD.value(), c.Q.value());
  const double Q = c.Q.value();
  EXPECT_GE(manning_discharge(c, H.value()), Q * (1 - 2e-6));
  EXPECT_LT(manning_discharge(c, H.value() - 0.00012), Q * (1 + 2e-6));
}

struct Ditch {
  const char* name;
  float Q, B, n, m, I;
};

// clang-format off
const Ditch kTrapezoidsThePlainIterationFails[] = {
    {"V ditch, Q 1",           1.0f, 0.01f, 0.016f, 1.0f,  200.0f},
    {"V ditch, Q 0.3",         0.3f, 0.01f, 0.016f, 1.0f,  200.0f},
    {"narrow, steep walls",    2.0f, 0.2f,  0.016f, 0.02f, 1000.0f},
    {"narrow, sloping walls",  0.3f, 0.02f, 0.016f, 0.2f,  200.0f},
};
const Ditch kRectanglesThePlainIterationFails[] = {
    {"0.2 wide, 60 times as deep", 1.0f, 0.2f, 0.016f, 0.0f, 1000.0f},
    {"0.1 wide, 80 times as deep", 0.5f, 0.1f, 0.016f, 0.0f, 200.0f},
};
// clang-format on

TEST(IterationMends, TrapezoidsThePlainIterationFailsAreSolved) {
  for (const Ditch& d : kTrapezoidsThePlainIterationFails) {
    SCOPED_TRACE(d.name);
    const open_channel::TrapezoidChannel c{d.Q, d.B, d.n, d.m, d.I, 0.1f, 0.07f};
    open_channel::TrapezoidUniformFlow flow;
    EXPECT_NE(open_channel::solve_trapezoid_uniform(c, DepthSearch::plain_only, flow), SolveStatus::solved);
    ASSERT_EQ(open_channel::solve_trapezoid_uniform(c, DepthSearch::plain_then_bracketed, flow),
              SolveStatus::solved);
    expect_depth_carries_q(c, flow.H, flow.QD);
    EXPECT_GT(flow.H.value(), 20 * d.B);

    const auto run = open_channel_test::run_VJ(d.Q, d.B, d.n, d.m, d.I, 0.1f, 0.07f);
    ASSERT_EQ(run.status, SolveStatus::solved);
    EXPECT_EQ(run.out.at("H").value(), frame::RC45(flow.H, 3).value());
  }
}

TEST(IterationMends, RectanglesThePlainIterationFailsAreSolved) {
  for (const Ditch& d : kRectanglesThePlainIterationFails) {
    SCOPED_TRACE(d.name);
    const open_channel::RectangleChannel c{d.Q, d.B, d.n, d.I, 0.1f, 0.07f};
    const open_channel::TrapezoidChannel as_trapezoid{d.Q, d.B, d.n, 0.0f, d.I, 0.1f, 0.07f};
    open_channel::RectangleUniformFlow flow;
    EXPECT_NE(open_channel::solve_rectangle_uniform(c, DepthSearch::plain_only, flow), SolveStatus::solved);
    ASSERT_EQ(open_channel::solve_rectangle_uniform(c, DepthSearch::plain_then_bracketed, flow),
              SolveStatus::solved);
    expect_depth_carries_q(as_trapezoid, flow.H, flow.QD);
    EXPECT_GT(flow.H.value(), 40 * d.B);

    const auto run = open_channel_test::run_UJ(d.Q, d.B, d.n, d.I, 0.1f, 0.07f);
    ASSERT_EQ(run.status, SolveStatus::solved);
    EXPECT_EQ(run.out.at("H").value(), frame::RC45(flow.H, 3).value());
  }
}

// On this ditch the plain iteration steps from 20·B down to −0.375 m, where
// the trapezoid's formula still gives a positive area, and comes back to the
// root. It solves the ditch, so the result is its own, bit for bit, not that
// of the bracketed search (which reaches the root by another path and ends
// one capacity step lower).
TEST(IterationMends, APlainIterationThroughNegativeDepthsKeepsItsResult) {
  const open_channel::TrapezoidChannel c{0.403517425f, 0.0142547460f, 0.0360891670f, 1.19229913f, 414.551544f,
                                         0.1f, 0.07f};
  open_channel::TrapezoidUniformFlow plain, program, bracketed;
  ASSERT_EQ(open_channel::solve_trapezoid_uniform(c, DepthSearch::plain_only, plain), SolveStatus::solved);
  ASSERT_EQ(open_channel::solve_trapezoid_uniform(c, DepthSearch::plain_then_bracketed, program),
            SolveStatus::solved);
  ASSERT_EQ(open_channel::solve_trapezoid_uniform(c, DepthSearch::bracketed_only, bracketed), SolveStatus::solved);
  EXPECT_EQ(std::memcmp(&plain, &program, sizeof plain), 0);
  EXPECT_NE(plain.H.value(), bracketed.H.value());
  expect_depth_carries_q(c, program.H, program.QD);
}

// Many random ditches and narrow channels: wherever the plain iteration
// fails, the bracketed one finds a depth that carries Q by Manning's formula.
// Only depths from 2048 m up, which the capacity step cannot raise, end
// without a depth.
TEST(IterationMends, EveryFailedPlainIterationIsRecovered) {
  std::mt19937 gen(31);
  auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(gen); };
  int failed_by_plain = 0;
  int recovered = 0;
  for (int k = 0; k < 1000; ++k) {
    open_channel::TrapezoidChannel c;
    c.B = static_cast<float>(uniform(0.001, 0.3));
    c.Q = static_cast<float>(std::exp(uniform(std::log(0.01), std::log(3.0))));
    c.n = static_cast<float>(uniform(0.01, 0.04));
    c.m = static_cast<float>(k % 2 == 0 ? 0.0 : uniform(0.01, 2));
    c.I = static_cast<float>(uniform(30, 3000));
    c.Fb_plus = 0.1f;
    c.Fb_star = 0.07f;
    SCOPED_TRACE(testing::Message() << "Q " << c.Q.value() << " B " << c.B.value() << " n " << c.n.value()
                                    << " m " << c.m.value() << " I " << c.I.value());
    Single H, QD;
    SolveStatus by_plain, by_program;
    if (c.m.value() == 0) {
      const open_channel::RectangleChannel r{c.Q, c.B, c.n, c.I, c.Fb_plus, c.Fb_star};
      open_channel::RectangleUniformFlow flow;
      by_plain = open_channel::solve_rectangle_uniform(r, DepthSearch::plain_only, flow);
      by_program = open_channel::solve_rectangle_uniform(r, DepthSearch::plain_then_bracketed, flow);
      H = flow.H;
      QD = flow.QD;
    } else {
      open_channel::TrapezoidUniformFlow flow;
      by_plain = open_channel::solve_trapezoid_uniform(c, DepthSearch::plain_only, flow);
      by_program = open_channel::solve_trapezoid_uniform(c, DepthSearch::plain_then_bracketed, flow);
      H = flow.H;
      QD = flow.QD;
    }
    if (by_plain == SolveStatus::solved) continue;
    ++failed_by_plain;
    if (by_program == SolveStatus::solved) {
      ++recovered;
      expect_depth_carries_q(c, H, QD);
    } else {
      EXPECT_EQ(by_program, SolveStatus::no_convergence);
      EXPECT_LT(manning_discharge(c, 2047.99), c.Q.value()) << "a depth below 2048 m carries Q";
    }
  }
  EXPECT_GE(failed_by_plain, 200);
  EXPECT_GE(recovered, failed_by_plain * 97 / 100);
}

// A call that fails hands back nothing: the caller's variables keep what
// they held.
TEST(IterationMends, FailedCallsLeaveTheOutputsAlone) {
  const Single preset = 12.5f;
  struct Case {
    const char* name;
    open_channel_test::SolverRun run;
    SolveStatus expected;
  };
  const Case cases[] = {
      {"VJ, depth beyond single precision steps",
       open_channel_test::run_VJ(10000.0f, 0.3f, 1.0f, 0.001f, 1e6f, 0.1f, 0.07f, preset), SolveStatus::no_convergence},
      {"VS, Q squared overflows", open_channel_test::run_VS(3e38f, 0.3f, 0.016f, 0.3f, preset),
       SolveStatus::arithmetic_fault},
      {"UJ, freeboard term overflows its rounding",
       open_channel_test::run_UJ(0.06f, 0.3f, 0.016f, 200.0f, 3e38f, 0.07f, preset), SolveStatus::arithmetic_fault},
      {"US, critical slope overflows its rounding", open_channel_test::run_US(0.06f, 0.3f, 1e-19f, preset),
       SolveStatus::arithmetic_fault},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.run.status, c.expected);
    for (const auto& [symbol, value] : c.run.out) EXPECT_EQ(value.value(), preset.value()) << symbol;
  }
}

}  // namespace
