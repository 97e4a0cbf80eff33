// The pipe solvers over a grid of extreme inputs: every call ends, either
// with ok = −1 and finite results or with ok = 0 and the other outputs as
// they were (OJ of palwick also has Fr = 0). Non-finite intermediate values
// are failures, never results. A call that never ends is left to the
// suite's time limit in ctest.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "pipe_call.hpp"

namespace culvert_test {
namespace {

using frame::SolveStatus;

constexpr float kPreset = 7.0f;

struct Solver {
  const char* name;
  std::function<PipeRun(const PipeInputs&, float)> run;
};

const Solver kSolvers[] = {
    {"palwick OJ", run_uniform},
    {"palwick OS", run_critical},
    {"soberin OJ", run_capacity},
};

void expect_result_or_failure(const Solver& solver, const PipeInputs& in, int& faults) {
  const PipeRun r = solver.run(in, kPreset);
  const auto context = testing::Message() << solver.name << " Q " << in.Q << " D " << in.D << " n " << in.n
                                          << " I " << in.I;
  if (r.status == SolveStatus::solved) {
    EXPECT_EQ(r["ok"], -1) << context;
    for (std::size_t k = 0; k < r.out.size(); ++k) {
      EXPECT_TRUE(std::isfinite(r.out[k].value())) << (*r.names)[k] << ' ' << context;
    }
    return;
  }
  if (r.status == SolveStatus::arithmetic_fault) ++faults;
  EXPECT_EQ(r["ok"], 0) << context;
  for (std::size_t k = 0; k + 1 < r.out.size(); ++k) {
    const std::string name = (*r.names)[k];
    const float expected = (r.names == &kUniformNames && name == "Fr") ? 0.0f : kPreset;
    EXPECT_EQ(r.out[k].value(), expected) << name << ' ' << context;
  }
}

TEST(PipeExtremes, EndInAResultOrAFailure) {
  int faults = 0;
  for (const Solver& solver : kSolvers) {
    for (float Q : {1e-30f, 1e-10f, 1e-3f, 0.3f, 1e3f, 1e30f}) {
      for (float D : {1e-30f, 1e-6f, 0.6f, 1e3f, 1e30f}) {
        for (float n : {1e-30f, 0.013f, 1e3f}) {
          for (float I : {1e-30f, 1.0f, 200.0f, 1e30f}) expect_result_or_failure(solver, {Q, D, n, I}, faults);
        }
      }
    }
  }
  // Some of these inputs do overflow or divide by zero on the way.
  EXPECT_GT(faults, 0);
}

}  // namespace
}  // namespace culvert_test
