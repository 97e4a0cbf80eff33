// How the stepped search of CALC ends and what it leaves: the single-section
// end at the berm edges, a computed discharge equal to Q, the flat berm
// floor, the wall height rounded in the caller's variable, the freeboard
// rule of each wall shape, and the symmetry of the two berms.
#include <gtest/gtest.h>

#include <cmath>

#include "calc_call.hpp"
#include "frame/number_display.hpp"

namespace compound_test {
namespace {

using frame::CHR_TO_STR;
using frame::SolveStatus;

CompoundInputs with_q(CompoundInputs in, float Q) {
  in.Q = Q;
  return in;
}

TEST(CalcSearch, DischargeCarriedAtTheBermEdgesEndsAtOnce) {
  for (Tool tool : {Tool::quorvel, Tool::mestra}) {
    const CompoundRun r = run_calc(tool, with_q(kDefaults, 1.0f));
    ASSERT_EQ(r.status, SolveStatus::solved);
    EXPECT_EQ(r["state"], 2);
    EXPECT_EQ(r["h2"], 0);
    EXPECT_EQ(r["H"], Single(r["h1"] + r["h3"]));
  }
}

// CQ equal to Q counts as reached: asking for exactly the discharge that a
// search found ends on the same depth, and asking for the next single above
// it goes one 0.001 step deeper.
TEST(CalcSearch, ComputedDischargeEqualToQIsReached) {
  for (Tool tool : {Tool::quorvel, Tool::mestra}) {
    const CompoundRun first = run_calc(tool, kDefaults);
    ASSERT_EQ(first.status, SolveStatus::solved);
    const float cq = first["CQ"].value();

    const CompoundRun same = run_calc(tool, with_q(kDefaults, cq));
    EXPECT_EQ(same["h2"].value(), first["h2"].value());
    EXPECT_EQ(same["CQ"].value(), cq);
    EXPECT_EQ(same["state"], 0);

    const CompoundRun deeper = run_calc(tool, with_q(kDefaults, std::nextafter(cq, 100.0f)));
    EXPECT_EQ(CHR_TO_STR(deeper["h2"]), CHR_TO_STR(Single(first["h2"] + 0.001L)));
  }
  // The same holds at the very first depth, which gives state 2.
  const CompoundRun first = run_calc(Tool::quorvel, with_q(kDefaults, 1.0f));
  const CompoundRun same = run_calc(Tool::quorvel, with_q(kDefaults, first["CQ"].value()));
  EXPECT_EQ(same["state"], 2);
  EXPECT_EQ(same["h2"], 0);
}

// m1 = 0: the berm floor is level, so at the berm edges the berm areas hold
// no water: their areas, radii, velocities and discharges are 0.
TEST(CalcSearch, LevelBermFloorAtTheBermEdges) {
  CompoundInputs in = with_q(kDefaults, 1.0f);
  in.m1 = 0;
  const CompoundRun r = run_calc(Tool::quorvel, in);
  ASSERT_EQ(r.status, SolveStatus::solved);
  EXPECT_EQ(r["state"], 2);
  EXPECT_EQ(r["h3"], 0);
  EXPECT_EQ(CHR_TO_STR(r["P2"]), "0.600");  // the berm floor alone, L2 = w
  EXPECT_EQ(CHR_TO_STR(r["P3"]), "0.600");
  for (const char* name : {"A2", "A3", "R2", "R3", "V2", "V3", "Q2", "Q3"}) {
    EXPECT_EQ(r[name], 0) << name;
  }
}

struct WallHeightCase {
  float typed;
  const char* kept;
};

// clang-format off
const WallHeightCase kWallHeights[] = {
    {0.8004f,  "0.800"},
    {0.8006f,  "0.801"},
    {1.23456f, "1.235"},
    {0.8f,     "0.800"},
};
// clang-format on

TEST(CalcSearch, WallHeightIsRoundedInTheCallersVariable) {
  for (const WallHeightCase& c : kWallHeights) {
    CompoundInputs in = kDefaults;
    in.h1 = c.typed;
    const CompoundRun r = run_calc(Tool::quorvel, in);
    ASSERT_EQ(r.status, SolveStatus::solved);
    EXPECT_EQ(CHR_TO_STR(r["h1"]), c.kept);
    EXPECT_EQ(r["h1"].value(), frame::RC45(c.typed, 3).value());
    EXPECT_EQ(r["H"], Single(r["h1"] + r["h2"] + r["h3"]));
  }
}

// Walls at 1:0 are the rectangular channel: quorvel with m = 0 gives every
// output of mestra, on both sides of the freeboard rule.
TEST(CalcSearch, VerticalWallsOfQuorvelAreMestra) {
  for (float I : {200.0f, 20.0f}) {
    for (float Q : {1.0f, 3.45f, 10.0f}) {
      CompoundInputs in = with_q(kDefaults, Q);
      in.I = I;
      in.m = 0;
      const CompoundRun trapezoid = run_calc(Tool::quorvel, in);
      const CompoundRun rectangle = run_calc(Tool::mestra, in);
      for (int k = 0; k < kOutputCount; ++k) {
        EXPECT_EQ(trapezoid.out[k].value(), rectangle.out[k].value()) << kOutputNames[k] << " Q " << Q;
      }
    }
  }
}

// Fr ≥ 1 takes C · V · H^0.5 with C = 0.13 for sloped walls and 0.10 for
// vertical ones; Fr < 1 takes Fb* · H + hv + Fb+. The shown values are
// rounded, so the rule holds to within a few thousandths.
TEST(CalcSearch, FreeboardFollowsTheFlowState) {
  struct Case {
    Tool tool;
    float m, I, Q;
    double C;  // 0 for the subcritical rule
  };
  const Case cases[] = {{Tool::quorvel, 0.3f, 20, 10, 0.13}, {Tool::quorvel, 0, 20, 10, 0.10},
                        {Tool::mestra, 0.3f, 20, 10, 0.10},  {Tool::quorvel, 0.3f, 200, 3.45f, 0},
                        {Tool::mestra, 0, 200, 3.45f, 0}};
  for (const Case& c : cases) {
    CompoundInputs in = with_q(kDefaults, c.Q);
    in.m = c.m;
    in.I = c.I;
    const CompoundRun r = run_calc(c.tool, in);
    ASSERT_EQ(r.status, SolveStatus::solved);
    const double H = r["H"], V = r["V"], Fb = r["Fb"];
    if (c.C > 0) {
      EXPECT_GE(r["Fr"], 1);
      EXPECT_NEAR(Fb, c.C * V * std::sqrt(H), 0.002);
    } else {
      EXPECT_LT(r["Fr"], 1);
      EXPECT_NEAR(Fb, in.Fb_star * H + double(r["hv"]) + in.Fb_plus, 0.002);
    }
  }
}

// Exchanging the two banks (slope and roughness) exchanges every value of
// areas 2 and 3 and leaves the rest as it was.
TEST(CalcSearch, MirroredBanksExchangeTheBermAreas) {
  const CompoundInputs cases[] = {
      {8, 500, 1.2f, 1.0f, 1.5f, 0.015f, 0.03f, 0.04f, 0.025f, 0.5f, 2, 0.5f, 2, 0.1f, 0.07f},
      {3.45f, 200, 0.8f, 0.8f, 0.6f, 0.016f, 0.03f, 0.035f, 0.03f, 0.3f, 5, 0, 3, 0.1f, 0.07f},
      {40, 1000, 2, 1.5f, 3, 0.02f, 0.035f, 0.04f, 0.03f, 1, 10, 1.5f, 0.8f, 0.2f, 0.05f},
  };
  const std::pair<const char*, const char*> swapped[] = {{"Q2", "Q3"}, {"W2", "W3"}, {"A2", "A3"},
                                                        {"P2", "P3"}, {"R2", "R3"}, {"N2", "N3"},
                                                        {"V2", "V3"}};
  for (const CompoundInputs& in : cases) {
    CompoundInputs mirrored = in;
    std::swap(mirrored.m2, mirrored.m3);
    std::swap(mirrored.n3, mirrored.n4);
    const CompoundRun a = run_calc(Tool::quorvel, in);
    const CompoundRun b = run_calc(Tool::quorvel, mirrored);
    ASSERT_EQ(a.status, SolveStatus::solved);
    ASSERT_EQ(b.status, SolveStatus::solved);
    for (const auto& [left, right] : swapped) {
      EXPECT_EQ(a[left].value(), b[right].value()) << left;
      EXPECT_EQ(a[right].value(), b[left].value()) << right;
    }
    for (const char* name : {"CQ", "Q1", "WA", "W1", "H", "h2", "A", "A1", "P1", "R1", "N1", "N", "V", "V1", "Fr",
                             "Fb", "state"}) {
      EXPECT_EQ(a[name].value(), b[name].value()) << name;
    }
  }
}

}  // namespace
}  // namespace compound_test
