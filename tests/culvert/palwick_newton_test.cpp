// The Newton iterations of palwick take at most 31 steps: the range and step
// tests run before each step, so a 32nd step is never made, and a step that
// settles is not tested against the range.
#include <gtest/gtest.h>

#include "culvert/solvers/pipe_angle.hpp"
#include "culvert/solvers/pipe_math.hpp"
#include "runtime/number.hpp"

namespace {

using culvert::palwick::AngleSearch;
using culvert::palwick::critical_angle;
using culvert::palwick::critical_constant;
using culvert::palwick::uniform_angle;
using culvert::palwick::uniform_constant;
using frame::SolveStatus;
using rt::Single;

struct Tally {
  int solved = 0, out_of_range = 0, step_limit = 0;
};

void count(const AngleSearch& s, Tally& t) {
  ASSERT_LE(s.steps, 31);
  ASSERT_NE(s.status, SolveStatus::arithmetic_fault);
  if (s.status == SolveStatus::solved) {
    ++t.solved;
  } else if (s.steps == 31 && s.theta > 0 && s.theta <= 2 * culvert::detail::kPi) {
    ++t.step_limit;
  } else {
    ++t.out_of_range;
  }
}

TEST(PalwickNewton, NeverTakesAThirtySecondStep) {
  Tally uniform, critical;
  for (int q = 1; q <= 400; ++q) {
    for (int d = 1; d <= 30; ++d) {
      const Single Q = q * 0.01f, D = d * 0.1f, n = 0.016f, i = 1 / Single(200);
      count(uniform_angle(Q, uniform_constant(D, n, i)), uniform);
      count(critical_angle(critical_constant(Q, D)), critical);
    }
  }
  // All three ends occur for the uniform flow; the critical flow fails only
  // by leaving the range.
  EXPECT_GT(uniform.solved, 0);
  EXPECT_GT(uniform.out_of_range, 0);
  EXPECT_GT(uniform.step_limit, 0);
  EXPECT_GT(critical.solved, 0);
  EXPECT_GT(critical.out_of_range, 0);
}

}  // namespace
