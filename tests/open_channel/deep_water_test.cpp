// Deep water, one rule for all four solvers: every channel whose depth lies
// below 2048 m (where a step of 0.0001 can still raise a single depth) gets
// results within a millimetre of its exact depth, and every deeper one is
// reported as not found. Narrow channels hundreds of times as deep as wide
// are where the Newton iteration from 20 times the bed width fails and its
// bracketed rescue has to find the depth.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>

#include "frame/number_display.hpp"
#include "open_channel/solvers/section_solutions.hpp"

namespace {

using frame::SolveStatus;
using open_channel::DepthSearch;
using Ext = long double;

constexpr Ext kRule = 2048;

// The root of an increasing residual that is negative at 0, by bisection in
// long double: the exact depth to far better than a micrometre.
Ext root(const std::function<Ext(Ext)>& f) {
  Ext lo = 0, hi = 1;
  while (f(hi) <= 0) hi *= 2;
  for (int k = 0; k < 200 && hi - lo > 1e-12L * hi; ++k) {
    const Ext mid = (lo + hi) / 2;
    (f(mid) > 0 ? hi : lo) = mid;
  }
  return (lo + hi) / 2;
}

// Manning's discharge and the critical condition of the exact section, with
// the slope 1/I and the gravity 9.8 the programs use.
Ext manning_q(const open_channel::TrapezoidChannel& c, Ext H) {
  const Ext B = c.B, m = c.m, A = B * H + m * H * H, P = B + 2 * H * sqrtl(1 + m * m);
  return 1 / static_cast<Ext>(c.n) * sqrtl(1 / static_cast<Ext>(c.I)) * A * powl(A / P, 2.0L / 3);
}
Ext critical_residual(const open_channel::TrapezoidChannel& c, Ext H) {
  const Ext B = c.B, m = c.m, A = B * H + m * H * H, W = B + 2 * m * H;
  return A * A * A / W - static_cast<Ext>(c.Q) * c.Q / static_cast<Ext>(9.8f);
}

struct Tally {
  int found = 0, refused = 0;
};

// A solver's outcome and the depth it found, unrounded.
struct Found {
  SolveStatus status;
  rt::Single depth;
};

// Checks one solver's answer against the rule. The depth found is the first
// step of the capacity loop whose stored discharge reaches Q, so it lies at
// or a little above the exact depth: up to about 0.75 mm near 2048 m, where
// a relative error of 3E-7 in a discharge that grows about as fast as the
// depth moves the depth that much. Channels within a centimetre of 2048 m
// are left out: there the rounding of the stored values decides.
void check(Ext exact, SolveStatus status, float H, float H_shown, Tally& tally) {
  if (std::fabs(exact - kRule) < 0.01L) return;
  if (exact < kRule) {
    ASSERT_EQ(status, SolveStatus::solved) << "exact depth " << static_cast<double>(exact);
    EXPECT_LE(std::fabs(H - exact), 0.001L) << "exact depth " << static_cast<double>(exact) << ", found " << H;
    // Rounded to three decimals, up to half a millimetre more.
    EXPECT_LE(std::fabs(H_shown - exact), 0.0015L) << "exact depth " << static_cast<double>(exact);
    ++tally.found;
  } else {
    EXPECT_EQ(status, SolveStatus::no_convergence) << "exact depth " << static_cast<double>(exact);
    ++tally.refused;
  }
}

// Narrow channels and V-shaped ditches whose exact depth is spread over 50 m
// to 100 km (one in four beyond 2048 m); the discharge is that of the depth
// chosen, stored as a single.
template <class Solve>
void over_deep_channels(unsigned seed, bool trapezoid, bool critical, Solve solve) {
  std::mt19937 gen(seed);
  auto log_uniform = [&](double lo, double hi) {
    return std::exp(std::uniform_real_distribution<double>(std::log(lo), std::log(hi))(gen));
  };
  Tally tally;
  for (int k = 0; k < 160; ++k) {
    open_channel::TrapezoidChannel c;
    c.B = static_cast<float>(log_uniform(0.001, 0.5));
    c.m = trapezoid ? static_cast<float>(log_uniform(0.01, 2)) : 0.0f;
    c.n = static_cast<float>(log_uniform(0.01, 0.04));
    c.I = static_cast<float>(log_uniform(30, 5000));
    c.Fb_plus = 0.1f;
    c.Fb_star = 0.07f;
    const Ext target = k % 4 == 3 ? log_uniform(2100, 1e5) : log_uniform(50, 2040);
    if (critical) {
      const Ext B = c.B, m = c.m, A = target * (B + m * target), W = B + 2 * m * target;
      c.Q = static_cast<float>(sqrtl(A * A * A / W * static_cast<Ext>(9.8f)));
    } else {
      c.Q = static_cast<float>(manning_q(c, target));
    }
    const Ext exact = critical ? root([&](Ext H) { return critical_residual(c, H); })
                               : root([&](Ext H) { return manning_q(c, H) - static_cast<Ext>(c.Q); });
    SCOPED_TRACE(testing::Message() << "Q " << c.Q.value() << " B " << c.B.value() << " n " << c.n.value()
                                    << " m " << c.m.value() << " I " << c.I.value());
    const Found f = solve(c);
    check(exact, f.status, f.depth.value(), frame::RC45(f.depth, 3).value(), tally);
  }
  EXPECT_GT(tally.found, 100);
  EXPECT_GT(tally.refused, 30);
}

constexpr auto kProgramSearch = DepthSearch::plain_then_bracketed;

open_channel::RectangleChannel rectangle(const open_channel::TrapezoidChannel& t) {
  return {t.Q, t.B, t.n, t.I, t.Fb_plus, t.Fb_star};
}

TEST(DeepWater, TrapezoidUniformFlow) {
  over_deep_channels(41, true, false, [](const open_channel::TrapezoidChannel& c) {
    open_channel::TrapezoidUniformFlow flow;
    return Found{open_channel::solve_trapezoid_uniform(c, kProgramSearch, flow), flow.H};
  });
}

TEST(DeepWater, RectangleUniformFlow) {
  over_deep_channels(42, false, false, [](const open_channel::TrapezoidChannel& c) {
    open_channel::RectangleUniformFlow flow;
    return Found{open_channel::solve_rectangle_uniform(rectangle(c), kProgramSearch, flow), flow.H};
  });
}

TEST(DeepWater, TrapezoidCriticalFlow) {
  over_deep_channels(43, true, true, [](const open_channel::TrapezoidChannel& c) {
    open_channel::TrapezoidCriticalFlow flow;
    return Found{open_channel::solve_trapezoid_critical(c, kProgramSearch, flow), flow.Hc};
  });
}

TEST(DeepWater, RectangleCriticalFlow) {
  over_deep_channels(44, false, true, [](const open_channel::TrapezoidChannel& c) {
    open_channel::RectangleCriticalFlow flow;
    return Found{open_channel::solve_rectangle_critical(rectangle(c), flow), flow.Hc};
  });
}

// The channel of 138.3 m that used to end without a depth.
TEST(DeepWater, NarrowDrasinChannelOf138Metres) {
  const open_channel::RectangleChannel c{8.6129f, 0.234f, 0.032f, 788.0f, 0.01f, 0.12f};
  open_channel::RectangleUniformFlow flow;
  ASSERT_NE(open_channel::solve_rectangle_uniform(c, DepthSearch::plain_only, flow), SolveStatus::solved);
  ASSERT_EQ(open_channel::solve_rectangle_uniform(c, DepthSearch::plain_then_bracketed, flow), SolveStatus::solved);
  EXPECT_NEAR(flow.H.value(), 138.29323, 0.001);
  EXPECT_GE(flow.QD.value(), c.Q.value());
}

}  // namespace
