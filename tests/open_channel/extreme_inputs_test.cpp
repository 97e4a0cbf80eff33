// Extreme but legal inputs (every one passes the calculate command's checks):
// each solver call ends, in results or in a failure status (a call that
// never ends is left to the suite's time limit in ctest); results are never
// infinite or NaN, and a failed call leaves its outputs as they were.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "solver_runs.hpp"

namespace {

using frame::SolveStatus;
using open_channel_test::SolverRun;
using rt::Single;

// Smallest, default and largest value of each input.
const std::vector<float> kQ = {1e-6f, 0.06f, 10000.0f};
const std::vector<float> kB = {0.001f, 0.3f, 1000.0f};
const std::vector<float> kN = {0.001f, 0.016f, 1.0f};
const std::vector<float> kI = {1.0f, 200.0f, 1e6f};
const std::vector<float> kM = {0.001f, 0.3f, 100.0f};
const Single kPreset = -7.0f;

struct Outcomes {
  int solved = 0;
  int failed = 0;
};

template <class Call>
void check_call(Call call, Outcomes& outcomes) {
  const SolverRun run = call();
  if (run.status == SolveStatus::solved) {
    ++outcomes.solved;
    for (const auto& [symbol, value] : run.out) EXPECT_TRUE(std::isfinite(value.value())) << symbol;
  } else {
    ++outcomes.failed;
    for (const auto& [symbol, value] : run.out) EXPECT_EQ(value.value(), kPreset.value()) << symbol;
  }
}

TEST(ExtremeInputs, VJ) {
  Outcomes outcomes;
  for (float Q : kQ)
    for (float B : kB)
      for (float n : kN)
        for (float m : kM)
          for (float I : kI) {
            SCOPED_TRACE(testing::Message() << "Q " << Q << " B " << B << " n " << n << " m " << m << " I " << I);
            check_call([&] { return open_channel_test::run_VJ(Q, B, n, m, I, 0.1f, 0.07f, kPreset); }, outcomes);
          }
  EXPECT_GT(outcomes.solved, 0);
}

TEST(ExtremeInputs, VS) {
  Outcomes outcomes;
  for (float Q : kQ)
    for (float B : kB)
      for (float n : kN)
        for (float m : kM) {
          SCOPED_TRACE(testing::Message() << "Q " << Q << " B " << B << " n " << n << " m " << m);
          check_call([&] { return open_channel_test::run_VS(Q, B, n, m, kPreset); }, outcomes);
        }
  EXPECT_GT(outcomes.solved, 0);
}

TEST(ExtremeInputs, UJ) {
  Outcomes outcomes;
  for (float Q : kQ)
    for (float B : kB)
      for (float n : kN)
        for (float I : kI) {
          SCOPED_TRACE(testing::Message() << "Q " << Q << " B " << B << " n " << n << " I " << I);
          check_call([&] { return open_channel_test::run_UJ(Q, B, n, I, 0.1f, 0.07f, kPreset); }, outcomes);
        }
  EXPECT_GT(outcomes.solved, 0);
}

TEST(ExtremeInputs, US) {
  Outcomes outcomes;
  for (float Q : kQ)
    for (float B : kB)
      for (float n : kN) {
        SCOPED_TRACE(testing::Message() << "Q " << Q << " B " << B << " n " << n);
        check_call([&] { return open_channel_test::run_US(Q, B, n, kPreset); }, outcomes);
      }
  EXPECT_GT(outcomes.solved, 0);
}

}  // namespace
