// OJ and OS of palwick: the results the window shows for the default inputs,
// the cases the pipe is too small for, a low flow in a large pipe, and the
// back-calculated discharge.
#include <gtest/gtest.h>

#include "culvert/solvers/pipe_angle.hpp"
#include "culvert/solvers/pipe_math.hpp"
#include "frame/number_display.hpp"
#include "pipe_call.hpp"
#include "runtime/number_text.hpp"

namespace culvert_test {
namespace {

using culvert::palwick::critical_angle;
using culvert::palwick::critical_constant;
using culvert::palwick::uniform_angle;
using culvert::palwick::uniform_constant;
using frame::CHR_TO_STR;
using frame::SolveStatus;

constexpr PipeInputs kDefaults{0.3f, 0.6f, 0.016f, 200};
constexpr float kPreset = 7.0f;

struct Shown {
  const char* name;
  const char* text;
};

// clang-format off
const Shown kUniformDefaults[] = {
    {"H", "0.425"}, {"W", "0.545"}, {"A", "0.214"}, {"P", "1.201"}, {"R", "0.178"}, {"V", "1.401"},
    {"QD", "0.300"}, {"Fr", "0.686"}, {"Fb", "0.175"}, {"free_pct", "32.004"},
};
const Shown kCriticalDefaults[] = {
    {"Hc", "0.357"}, {"Ac", "0.176"}, {"Vc", "1.709"}, {"QDc", "0.300"}, {"Wc", "0.589"}, {"Pc", "1.058"},
    {"Rc", "0.166"}, {"Fbc", "0.243"}, {"free_pct", "61.074"},
};
// clang-format on

TEST(PalwickUniform, DefaultInputs) {
  const PipeRun r = run_uniform(kDefaults);
  ASSERT_EQ(r.status, SolveStatus::solved);
  for (const Shown& s : kUniformDefaults) EXPECT_EQ(CHR_TO_STR(r[s.name]), s.text) << s.name;
  EXPECT_EQ(rt::number_text(r["theta"].value()), " 4.00185");
  EXPECT_EQ(r["ok"], -1);
  const rt::Single i = 1 / rt::Single(kDefaults.I);
  EXPECT_EQ(uniform_angle(kDefaults.Q, uniform_constant(kDefaults.D, kDefaults.n, i)).steps, 4);
}

TEST(PalwickCritical, DefaultInputs) {
  const PipeRun r = run_critical(kDefaults);
  ASSERT_EQ(r.status, SolveStatus::solved);
  for (const Shown& s : kCriticalDefaults) EXPECT_EQ(CHR_TO_STR(r[s.name]), s.text) << s.name;
  EXPECT_EQ(rt::number_text(r["thetac"].value()), " 3.52589");
  EXPECT_EQ(r["ok"], -1);
}

// A failed uniform solution writes ok = 0 and Fr = 0 and leaves every other
// output as the earlier calculation left it.
void expect_uniform_failed(const PipeRun& r) {
  EXPECT_EQ(r.status, SolveStatus::no_convergence);
  EXPECT_EQ(r["ok"], 0);
  EXPECT_EQ(r["Fr"], 0);
  for (const char* name : {"theta", "QD", "H", "V", "W", "A", "P", "R", "Fb", "free_pct"}) {
    EXPECT_EQ(r[name], kPreset) << name;
  }
}

void expect_critical_failed(const PipeRun& r) {
  EXPECT_EQ(r.status, SolveStatus::no_convergence);
  EXPECT_EQ(r["ok"], 0);
  for (const char* name : {"Ic", "thetac", "QDc", "Hc", "Vc", "Wc", "Ac", "Pc", "Rc", "Fbc", "free_pct"}) {
    EXPECT_EQ(r[name], kPreset) << name;
  }
}

// Q 1.0 in a 0.3 m pipe: the first step already leaves 0 < θ ≦ 2π, for the
// uniform and for the critical flow.
TEST(PalwickUndersized, FirstUniformStepLeavesTheRange) {
  const PipeInputs in{1.0f, 0.3f, 0.016f, 200};
  expect_uniform_failed(run_uniform(in, kPreset));
  const rt::Single i = 1 / rt::Single(in.I);
  EXPECT_EQ(uniform_angle(in.Q, uniform_constant(in.D, in.n, i)).steps, 1);
  expect_critical_failed(run_critical(in, kPreset));
}

// Q 2.0 in a 0.8 m pipe: the critical depth lies so near the crown that the
// first step from a half-full pipe overshoots 2π.
TEST(PalwickUndersized, CriticalFlowNearTheCrownFailsAfterOneStep) {
  const PipeInputs in{2.0f, 0.8f, 0.013f, 200};
  expect_critical_failed(run_critical(in, kPreset));
  EXPECT_EQ(critical_angle(critical_constant(in.Q, in.D)).steps, 1);
}

// A flat slope: uniform flow would need more than a full pipe, while the
// critical flow, which takes no slope, is the default one.
TEST(PalwickUndersized, FlatSlopeFailsOnlyTheUniformFlow) {
  const PipeInputs in{0.3f, 0.6f, 0.016f, 1000};
  expect_uniform_failed(run_uniform(in, kPreset));
  const PipeRun critical = run_critical(in, kPreset);
  ASSERT_EQ(critical.status, SolveStatus::solved);
  for (const Shown& s : kCriticalDefaults) EXPECT_EQ(CHR_TO_STR(critical[s.name]), s.text) << s.name;
}

// Between the full-pipe discharge and the largest partly full one the
// uniform iteration swings between two roots and gives up after 31 steps.
TEST(PalwickUndersized, UniformIterationGivesUpAfterThirtyOneSteps) {
  const PipeInputs in{0.408f, 0.6f, 0.016f, 200};
  expect_uniform_failed(run_uniform(in, kPreset));
  const rt::Single i = 1 / rt::Single(in.I);
  const auto search = uniform_angle(in.Q, uniform_constant(in.D, in.n, i));
  EXPECT_EQ(search.steps, 31);
  EXPECT_GT(search.theta, 0);
  EXPECT_LE(search.theta, 2 * culvert::detail::kPi);
}

// A small flow in a large pipe: the empty part is almost twenty times the
// flow area.
TEST(PalwickUniform, LowFlowInALargePipe) {
  const PipeRun r = run_uniform({0.02f, 1.0f, 0.013f, 500});
  ASSERT_EQ(r.status, SolveStatus::solved);
  EXPECT_EQ(CHR_TO_STR(r["H"]), "0.095");
  EXPECT_EQ(CHR_TO_STR(r["free_pct"]), "1978.800");
}

// Critical flows whose rounded values lie on ties of the thousandfold, with
// the texts the exact 10³ of RC45 gives: the free-area percentage stores as
// 3076.23511 (shown 3076.240), and Ic as 126.959.
TEST(PalwickCritical, ValuesOnRoundingTies) {
  const PipeRun shallow = run_critical({0.239f, 2.88f, 0.019f, 688});
  ASSERT_EQ(shallow.status, SolveStatus::solved);
  EXPECT_EQ(shallow["free_pct"], 3076.23511f);
  EXPECT_EQ(CHR_TO_STR(shallow["free_pct"]), "3076.240");
  EXPECT_EQ(CHR_TO_STR(shallow["Hc"]), "0.205");
  EXPECT_EQ(CHR_TO_STR(shallow["Ic"]), "137.009");

  const PipeRun deep = run_critical({29.081f, 2.60f, 0.013f, 7413});
  ASSERT_EQ(deep.status, SolveStatus::solved);
  EXPECT_EQ(CHR_TO_STR(deep["Ic"]), "126.959");
  EXPECT_EQ(CHR_TO_STR(deep["Hc"]), "2.360");
  EXPECT_EQ(CHR_TO_STR(deep["Fbc"]), "0.240");
}

// Once the iteration has settled, A · V gives back Q to three decimals.
TEST(PalwickBackCalculation, EqualsTheDesignDischarge) {
  int solved = 0;
  for (float Q : {0.005f, 0.05f, 0.3f, 0.75f, 2.0f, 6.5f}) {
    for (float D : {0.3f, 0.6f, 1.0f, 1.8f, 3.0f}) {
      for (float I : {50.0f, 200.0f, 1500.0f}) {
        const PipeInputs in{Q, D, 0.013f, I};
        const std::string design = CHR_TO_STR(frame::RC45(Q, 3));
        const PipeRun uniform = run_uniform(in);
        if (uniform.status == SolveStatus::solved) {
          ++solved;
          EXPECT_EQ(CHR_TO_STR(uniform["QD"]), design) << "Q " << Q << " D " << D << " I " << I;
        }
        const PipeRun critical = run_critical(in);
        if (critical.status == SolveStatus::solved) {
          ++solved;
          EXPECT_EQ(CHR_TO_STR(critical["QDc"]), design) << "Q " << Q << " D " << D;
        }
      }
    }
  }
  EXPECT_GT(solved, 100);
}

}  // namespace
}  // namespace culvert_test
