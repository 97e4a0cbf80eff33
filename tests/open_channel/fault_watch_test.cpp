// The fault watch of the open-channel solvers: it sees an overflow, an
// invalid operation and a division by zero of the statements it is shown,
// forgets a fault that a discarded step raised, and hands the caller's three
// fault flags back as they were, whether the solver ended in results or in a
// fault.
#include <gtest/gtest.h>

#include <cfenv>
#include <cfloat>

#include "open_channel/solvers/fp_fault_watch.hpp"
#include "solver_runs.hpp"

namespace {

using frame::SolveStatus;
using open_channel::FpFaultWatch;
using rt::Single;

constexpr int kFaults = FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO;

TEST(FaultWatch, SeesEachFaultUntilReset) {
  std::feclearexcept(FE_ALL_EXCEPT);
  volatile float big = FLT_MAX, zero = 0, minus = -1;
  {
    FpFaultWatch watch;
    EXPECT_FALSE(watch.faulted());
    const Single overflow = big * 4.0L;  // stored as a single: beyond its range
    EXPECT_TRUE(watch.faulted(overflow));
    watch.reset();
    EXPECT_FALSE(watch.faulted());
    const Single invalid = rt::sqrt(minus);
    EXPECT_TRUE(watch.faulted(invalid));
    watch.reset();
    const Single divided = 1 / zero;
    EXPECT_TRUE(watch.faulted(divided));
  }
  EXPECT_EQ(std::fetestexcept(kFaults), 0) << "the caller had raised none";
}

TEST(FaultWatch, TheCallersFlagsComeBackAsTheyWere) {
  std::feclearexcept(FE_ALL_EXCEPT);
  std::feraiseexcept(FE_DIVBYZERO);
  const auto solved = open_channel_test::run_VJ(0.06f, 0.3f, 0.016f, 0.3f, 200.0f, 0.1f, 0.07f);
  EXPECT_EQ(solved.status, SolveStatus::solved) << "a fault raised before the call is not the solver's";
  EXPECT_EQ(std::fetestexcept(kFaults), FE_DIVBYZERO);

  std::feclearexcept(FE_ALL_EXCEPT);
  const auto faulted = open_channel_test::run_VS(3e38f, 0.3f, 0.016f, 0.3f);
  EXPECT_EQ(faulted.status, SolveStatus::arithmetic_fault);
  EXPECT_EQ(std::fetestexcept(kFaults), 0) << "the solver's own faults are not left behind";

  std::feraiseexcept(FE_INVALID);
  EXPECT_EQ(open_channel_test::run_US(0.06f, 0.3f, 1e-19f).status, SolveStatus::arithmetic_fault);
  EXPECT_EQ(std::fetestexcept(kFaults), FE_INVALID);
  std::feclearexcept(FE_ALL_EXCEPT);
}

}  // namespace
