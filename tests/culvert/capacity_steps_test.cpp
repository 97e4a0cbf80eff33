// The capacity search of soberin passes over its first steps, whose
// discharge surely grows: on every pipe it ends on the angle, and with the
// singles, that working out every step gives, or on the same failure; where
// the pipe's values come near the edges of the single range it works out
// every step.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

#include "culvert/solvers/capacity_search.hpp"

namespace culvert_test {
namespace {

using culvert::soberin::CapacityFlow;
using culvert::soberin::CapacitySteps;
using culvert::soberin::solve_capacity;
using frame::SolveStatus;

void expect_same_search(float D, float n, float I) {
  CapacityFlow passing{}, every{};
  const SolveStatus a = solve_capacity(D, n, I, CapacitySteps::pass_over_sure_growth, passing);
  const SolveStatus b = solve_capacity(D, n, I, CapacitySteps::every_step, every);
  ASSERT_EQ(a, b) << "D " << D << " n " << n << " I " << I;
  if (a == SolveStatus::solved) {
    EXPECT_EQ(std::memcmp(&passing, &every, sizeof(CapacityFlow)), 0) << "D " << D << " n " << n << " I " << I;
  }
}

TEST(CapacitySteps, PassingOverSureGrowthEndsLikeEveryStep) {
  std::mt19937 gen(61);
  auto log_uniform = [&](double lo, double hi) {
    return static_cast<float>(std::exp(std::uniform_real_distribution<double>(std::log(lo), std::log(hi))(gen)));
  };
  for (int k = 0; k < 150; ++k) expect_same_search(log_uniform(0.05, 20), log_uniform(0.008, 0.05), log_uniform(5, 1e5));
}

// Pipes whose areas, velocities or discharges reach the ends of the single
// range, where a stored single may round by more than 2^-24 of itself.
TEST(CapacitySteps, ValuesAtTheEdgesOfTheSingleRange) {
  for (float D : {1e-30f, 1e-19f, 3e-19f, 1e-6f, 0.6f, 1e3f, 1e13f, 1e18f, 1e30f}) {
    for (float n : {1e-30f, 1e-3f, 0.013f, 1e3f, 1e30f}) {
      for (float I : {1e-30f, 1.0f, 200.0f, 1e30f}) expect_same_search(D, n, I);
    }
  }
}

}  // namespace
}  // namespace culvert_test
