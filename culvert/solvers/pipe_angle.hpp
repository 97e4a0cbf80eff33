// The Newton iterations of palwick's partly full pipe solvers: both look for
// the central angle θ of the water section, starting from a half-full pipe
// (θ = π), and give up when θ leaves 0 < θ ≦ 2π or a 32nd step would be
// needed.
#pragma once

#include "frame/solve_status.hpp"
#include "runtime/number.hpp"

namespace culvert::palwick {

// Steps allowed: the range test before each step fails once more than this
// many steps have been taken, so at most 31 are made.
inline constexpr int kMaxNewtonSteps = 30;

struct AngleSearch {
  rt::Single theta;   // the last angle reached
  int steps = 0;      // Newton steps taken
  frame::SolveStatus status = frame::SolveStatus::no_convergence;
};

// Uniform flow: the root of K · (1 − sin θ/θ)^(2/3) · (θ − sin θ) = Q, with
// K = i^(1/2) / 2^(5/3) · (D/2)^(8/3) / n from the slope i = 1/I.
rt::Single uniform_constant(rt::Single D, rt::Single n, rt::Single i);
AngleSearch uniform_angle(rt::Single Q, rt::Single K);

// Critical flow: the root of Kc · sin(θ/2)^(1/2) = (θ − sin θ)^(3/2), with
// Kc = Q · D^(1/2) · 8^(3/2) / 9.8^(1/2) / D³.
rt::Single critical_constant(rt::Single Q, rt::Single D);
AngleSearch critical_angle(rt::Single Kc);

}  // namespace culvert::palwick
