// The stepped search of CALC at depths of kilometres: it finishes wherever
// its own steps can (the 0.001 step still moves h2 below 32,768 m), refuses
// at once where a step no longer moves the depth while the discharge falls
// short, and passing over the metres that surely fall short changes nothing
// of what trying every metre finds.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

#include "calc_call.hpp"
#include "compound/solvers/calc_solution.hpp"

namespace compound_test {
namespace {

using compound::CalcInputs;
using compound::CalcResults;
using compound::FirstStage;
using frame::SolveStatus;

CalcInputs calc_inputs(const CompoundInputs& c) {
  return {c.Q, c.I, c.B, c.h1, c.w, c.n1, c.n2, c.n3, c.n4, c.m, c.m1, c.m2, c.m3, c.Fb_plus, c.Fb_star};
}

struct Outcome {
  SolveStatus status;
  CalcResults results;
  long passes;
};

Outcome solve(const CompoundInputs& c, FirstStage first_stage) {
  Outcome o{};
  o.status = compound::solve_compound(calc_inputs(c), first_stage, o.results, &o.passes);
  return o;
}

// Both ways of running the 1 m stage end alike: the same status and, for a
// result, the same singles.
void expect_same_search(const CompoundInputs& c) {
  const Outcome skipping = solve(c, FirstStage::skip_shortfalls);
  const Outcome every = solve(c, FirstStage::every_metre);
  ASSERT_EQ(skipping.status, every.status) << "Q " << c.Q;
  if (skipping.status == SolveStatus::solved) {
    EXPECT_EQ(std::memcmp(&skipping.results, &every.results, sizeof(CalcResults)), 0) << "Q " << c.Q;
  }
}

// quorvel's defaults with Q = 1E12: h2 near 29,732 m, where the 0.001 step
// still moves a single (by 0.002).
TEST(CalcDeepSearch, KilometresDeepFinishOnTheFinestStep) {
  CompoundInputs in = kDefaults;
  in.Q = 1e12f;
  const CompoundRun r = run_calc(Tool::quorvel, in);
  ASSERT_EQ(r.status, SolveStatus::solved);
  EXPECT_EQ(r["state"], 0);
  EXPECT_GT(r["h2"], 29000);
  EXPECT_LT(r["h2"], 32768);
  EXPECT_GE(r["CQ"], in.Q);
  expect_same_search(in);
}

// Beyond 32,768 m the 0.001 step leaves h2 as it is; beyond 2^24 m so does
// the 1 m step. The search says so at once instead of running on to its
// bound of passes.
TEST(CalcDeepSearch, DepthsTheStepsCannotReachAreRefusedAtOnce) {
  for (float Q : {2e12f, 1e20f, 1e30f}) {
    for (Tool tool : {Tool::quorvel, Tool::mestra}) {
      CompoundInputs in = kDefaults;
      in.Q = Q;
      EXPECT_EQ(run_calc(tool, in, 7.0f).status, SolveStatus::no_convergence) << "Q " << Q;
      if (tool == Tool::mestra) in.m = 0;  // mestra's vertical walls
      const Outcome o = solve(in, FirstStage::skip_shortfalls);
      EXPECT_EQ(o.status, SolveStatus::no_convergence) << "Q " << Q;
      EXPECT_LT(o.passes, 1000) << "Q " << Q;
    }
  }
}

// Random channels with discharges that put h2 anywhere from metres to 30 km,
// and berms whose floor rises up to 50 m: passing over metres ends on the
// depth that trying every metre finds, bit for bit, or on the same refusal.
TEST(CalcDeepSearch, PassingOverMetresFindsWhatEveryMetreFinds) {
  std::mt19937 gen(51);
  auto log_uniform = [&](double lo, double hi) {
    return static_cast<float>(std::exp(std::uniform_real_distribution<double>(std::log(lo), std::log(hi))(gen)));
  };
  for (int k = 0; k < 24; ++k) {
    const float n = log_uniform(0.01, 0.05);
    CompoundInputs in{log_uniform(1e2, 3e12), log_uniform(50, 5000), log_uniform(0.3, 5), log_uniform(0.3, 3),
                      log_uniform(0.3, 10),   n,  log_uniform(0.01, 0.05), log_uniform(0.01, 0.05),
                      log_uniform(0.01, 0.05), k % 3 == 0 ? 0.0f : log_uniform(0.1, 2), log_uniform(0.1, 500),
                      log_uniform(0.1, 3),    log_uniform(0.1, 3), 0.1f, 0.07f};
    SCOPED_TRACE(testing::Message() << "case " << k);
    expect_same_search(in);
  }
}

}  // namespace
}  // namespace compound_test
