// CALC on inputs where no depth answers: a discharge the channel cannot
// reach ends the search within its bound, a step that overflows or divides by
// zero is a fault, and either leaves every caller variable (the wall height
// included) as it was. Over a grid of extreme inputs every call ends, in a
// result with finite values or in a reported failure (a call that never ends
// is left to the suite's time limit in ctest).
#include <gtest/gtest.h>

#include <cmath>

#include "calc_call.hpp"

namespace compound_test {
namespace {

using frame::SolveStatus;

constexpr float kPreset = 7.0f;

struct FailureCase {
  const char* name;
  CompoundInputs in;
  SolveStatus status;
};

// clang-format off
const FailureCase kFailures[] = {
    // The slope is so flat that every discharge rounds to 0.
    {"FlatSlopeNeverCarriesQ", {3.45f, 1e38f, 0.8f, 0.8f, 0.6f, 0.016f, 0.03f, 0.03f, 0.03f, 0.3f, 5, 1, 1, 0.1f, 0.07f},
     SolveStatus::no_convergence},
    {"HugeDischarge",          {1e30f, 200, 0.8f, 0.8f, 0.6f, 0.016f, 0.03f, 0.03f, 0.03f, 0.3f, 5, 1, 1, 0.1f, 0.07f},
     SolveStatus::no_convergence},
    // A roughness this small makes the first discharge overflow.
    {"DischargeOverflows",     {3.45f, 200, 0.8f, 0.8f, 0.6f, 1e-30f, 1e-30f, 1e-30f, 1e-30f, 0.3f, 5, 1, 1, 0.1f, 0.07f},
     SolveStatus::arithmetic_fault},
    // A section whose rounded area is 0: V = CQ/A divides by zero.
    {"AreaRoundsToZero",       {0.1f, 200, 0.01f, 0.01f, 0.01f, 1e-6f, 1e-6f, 1e-6f, 1e-6f, 0.3f, 5, 1, 1, 0.1f, 0.07f},
     SolveStatus::arithmetic_fault},
};
// clang-format on

class CalcFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(CalcFailure, ReportsAndLeavesEveryVariable) {
  const FailureCase& c = GetParam();
  for (Tool tool : {Tool::quorvel, Tool::mestra}) {
    const CompoundRun r = run_calc(tool, c.in, kPreset);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.out[0].value(), c.in.h1) << "h1";
    for (int k = 1; k < kOutputCount; ++k) EXPECT_EQ(r.out[k].value(), kPreset) << kOutputNames[k];
  }
}

INSTANTIATE_TEST_SUITE_P(Compound, CalcFailure, testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

void expect_result_or_failure(Tool tool, const CompoundInputs& in) {
  const CompoundRun r = run_calc(tool, in, kPreset);
  const auto context = testing::Message() << "Q " << in.Q << " I " << in.I << " B " << in.B << " n " << in.n1
                                          << " m " << in.m << " m1 " << in.m1 << " m2 " << in.m2;
  if (r.status == SolveStatus::solved) {
    for (int k = 0; k < kOutputCount; ++k) {
      EXPECT_TRUE(std::isfinite(r.out[k].value())) << kOutputNames[k] << ' ' << context;
    }
  } else {
    for (int k = 1; k < kOutputCount; ++k) EXPECT_EQ(r.out[k].value(), kPreset) << context;
  }
}

TEST(CalcExtremes, SizesDischargesSlopesAndRoughness) {
  for (float Q : {1e-30f, 1e-3f, 3.45f, 1e30f}) {
    for (float I : {1e-30f, 1.0f, 200.0f, 1e30f}) {
      for (float size : {1e-6f, 1.0f, 1e4f}) {
        for (float n : {1e-30f, 0.03f, 1e3f}) {
          const CompoundInputs in{Q, I, size, size, size, n, n, n, n, 0.3f, 5, 1, 1, 0.1f, 0.07f};
          expect_result_or_failure(Tool::quorvel, in);
        }
      }
    }
  }
}

TEST(CalcExtremes, WallBermAndBankSlopes) {
  for (float m : {0.0f, 1e-6f, 1e6f}) {
    for (float m1 : {0.0f, 1e-6f, 1e6f}) {
      for (float m2 : {0.0f, 1e6f}) {
        for (float Q : {0.01f, 3.45f, 500.0f}) {
          const CompoundInputs in{Q, 200, 0.8f, 0.8f, 0.6f, 0.016f, 0.03f, 0.03f, 0.03f, m, m1, m2, m2, 0.1f, 0.07f};
          expect_result_or_failure(Tool::quorvel, in);
          expect_result_or_failure(Tool::mestra, in);
        }
      }
    }
  }
}

}  // namespace
}  // namespace compound_test
