// OJ of soberin: the flow capacity of a circular pipe.
#include "culvert/solvers/soberin_solver.hpp"

#include <limits>
#include <vector>

#include "culvert/solvers/capacity_search.hpp"
#include "culvert/solvers/pipe_math.hpp"

namespace culvert::soberin {

using detail::all_finite;
using rt::cos;
using detail::round3;
using rt::sin;
using frame::SolveStatus;

namespace {

constexpr float kStepRounding = 0x1p-24f;  // the largest relative rounding of a stored single

// The angles of the upward search and the part of their flow area that
// depends on the angle alone, (θs − sin θs) · 0.125, as every call works them
// out: θs starts at 5.0 and grows by 0.0001 at a time as a stored single, so
// the angles, and their sines, are the same on every call. Worked out once,
// up to the first angle past a full pipe.
struct ForwardAngle {
  Single theta;
  rt::Ext area_factor;
};

struct ForwardAngles {
  std::vector<ForwardAngle> angles;
  // The steps before this one surely raise the discharge (see sure_growth).
  std::size_t surely_growing = 1;
};

// The discharge A·V of a pipe is D^(8/3) · √i / n times a function of the
// angle alone, Q(θ) ∝ (θ − sin θ)^(1+e) / θ^e with e = 0.6666667, whose
// logarithm grows at the rate g(θ) = (1+e)(1 − cos θ)/(θ − sin θ) − e/θ.
// g falls from 0.067 at 5 rad to 0 at the peak of A·V near 5.278 rad, so a
// step from θ' to θ raises the exact discharge by a factor of at least
// exp(g(θ)·(θ − θ')). The stored discharge of a step is off the exact one by
// a factor within (1 ± 2^-24)^5 (the roundings of A, P, R, V and A·V, the
// power passing on 2/3 of R's), so two steps' stored discharges can be
// turned round only where the exact factor is below exp(10 · 2^-24). A step
// whose factor is at least exp(20 · 2^-24) surely raises the stored
// discharge, whatever the pipe; these are the first ones, up to about 5.23
// rad.
bool sure_growth(Single from, Single to) {
  const rt::Ext e = detail::kTwoThirds;
  const rt::Ext theta = to;
  const rt::Ext g = (1 + e) * (1 - cos(theta)) / (theta - sin(theta)) - e / theta;
  return g * (static_cast<rt::Ext>(to) - static_cast<rt::Ext>(from)) >= 20 * static_cast<rt::Ext>(kStepRounding);
}

const ForwardAngles& forward_angles() {
  static const ForwardAngles table = [] {
    ForwardAngles t;
    Single theta_s = 5.0f;
    bool growing = true;
    do {
      const Single before = theta_s;
      theta_s = theta_s + 0.0001f;
      growing = growing && (t.angles.empty() || sure_growth(before, theta_s));
      if (growing) t.surely_growing = t.angles.size() + 1;
      t.angles.push_back({theta_s, (theta_s - sin(theta_s)) * 0.125f});
    } while (!(theta_s > 2 * detail::kPi));
    return t;
  }();
  return table;
}

// The flow at the angle θs, in the order of the program's statements; the
// depth and the surface width, which the search does not compare, are worked
// out at the last angle only.
void flow_at(Single theta_s, rt::Ext area_factor, Single D, Single n, rt::Ext D_squared, rt::Ext slope_root,
             CapacityFlow& c) {
  c.theta = theta_s;
  c.A = area_factor * D_squared;
  c.P = 0.5f * theta_s * D;
  c.R = c.A / c.P;
  c.V = (1 / n) * rt::pow(c.R, detail::kTwoThirds) * slope_root;
  c.Qmax = c.A * c.V;
}

// True when the stored values lie well inside the normal range of singles,
// where each rounds by at most 2^-24 of itself. Between the first and the
// last angle passed over, A, P and A·V grow and R and V shrink, so values
// inside the range at both ends are inside it all the way.
bool well_inside(const CapacityFlow& c) {
  for (const Single v : {c.A, c.P, c.R, c.V, c.Qmax}) {
    const float x = v.value();
    if (!(x >= 2 * std::numeric_limits<float>::min() && x <= std::numeric_limits<float>::max() / 2)) return false;
  }
  return true;
}

}  // namespace

SolveStatus solve_capacity(Single D, Single n, Single I, CapacitySteps steps, CapacityFlow& c) {
  const Single pi = detail::kPi;
  const Single i = 1 / I;
  // i^0.5 and D² are the same in every step; worked out once at extended
  // precision, as the statements would, they leave the results as they are.
  const rt::Ext slope_root = rt::pow(i, 0.5f);
  const rt::Ext D_squared = rt::powi(D, 2);
  const ForwardAngles& table = forward_angles();
  const std::vector<ForwardAngle>& angles = table.angles;
  Single previous = 0;
  std::size_t k = 0;
  if (steps == CapacitySteps::pass_over_sure_growth && table.surely_growing > 1) {
    // Every step before `surely_growing` would find the discharge grown:
    // go on from the last of them, with its discharge as the one to beat.
    CapacityFlow first, last;
    const ForwardAngle& a = angles[0];
    const ForwardAngle& b = angles[table.surely_growing - 1];
    flow_at(a.theta, a.area_factor, D, n, D_squared, slope_root, first);
    flow_at(b.theta, b.area_factor, D, n, D_squared, slope_root, last);
    if (well_inside(first) && well_inside(last)) {
      previous = last.Qmax;
      k = table.surely_growing;
    }
  }
  for (;; ++k) {
    // A·V peaks near 5.278 rad for every pipe; an angle past a full pipe
    // means the comparison never saw the discharge stop growing.
    if (angles[k].theta > 2 * pi) return SolveStatus::no_convergence;
    flow_at(angles[k].theta, angles[k].area_factor, D, n, D_squared, slope_root, c);
    // An infinite or undefined discharge would end the search as a maximum.
    if (!rt::is_finite(c.Qmax)) return SolveStatus::arithmetic_fault;
    if (!(c.Qmax > previous)) break;
    previous = c.Qmax;
  }
  // The discharge stopped growing: step back once by 0.0001 to the last angle
  // at which it still grew, and end there.
  const Single theta_s = angles[k].theta - 0.0001f;
  c.H = D / 2 * (1 - cos(theta_s / 2));
  c.W = D / 2 * 2 * sin(pi - theta_s / 2);
  flow_at(theta_s, (theta_s - sin(theta_s)) * 0.125f, D, n, D_squared, slope_root, c);

  c.Fr = c.V / rt::pow(9.8f * c.H, 0.5f);
  c.Fb = D - c.H;
  c.depth_ratio_pct = c.H / D * 100;

  c.H = round3(c.H);
  c.W = round3(c.W);
  c.A = round3(c.A);
  c.P = round3(c.P);
  c.R = round3(c.R);
  c.V = round3(c.V);
  c.Qmax = round3(c.Qmax);
  c.Fr = round3(c.Fr);
  c.Fb = round3(c.Fb);
  c.depth_ratio_pct = round3(c.depth_ratio_pct);
  if (!all_finite({c.theta, c.Qmax, c.H, c.V, c.W, c.A, c.P, c.R, c.Fb, c.Fr, c.depth_ratio_pct})) {
    return SolveStatus::arithmetic_fault;
  }
  return SolveStatus::solved;
}

frame::SolveStatus OJ(Single& /*Q*/, Single& D, Single& n, Single& I, Single& theta, Single& Qmax, Single& H,
                      Single& V, Single& W, Single& A, Single& P, Single& R, Single& Fb, Single& Fr,
                      Single& depth_ratio_pct, Single& ok) {
  ok = -1;
  CapacityFlow c;
  const SolveStatus status = solve_capacity(D, n, I, CapacitySteps::pass_over_sure_growth, c);
  if (status != SolveStatus::solved) {
    ok = 0;
    return status;
  }
  theta = c.theta;
  Qmax = c.Qmax;
  H = c.H;
  V = c.V;
  W = c.W;
  A = c.A;
  P = c.P;
  R = c.R;
  Fb = c.Fb;
  Fr = c.Fr;
  depth_ratio_pct = c.depth_ratio_pct;
  return status;
}

}  // namespace culvert::soberin
