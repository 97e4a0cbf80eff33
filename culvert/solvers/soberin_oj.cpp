// OJ of soberin: the flow capacity of a circular pipe.
#include "culvert/solvers/soberin_solver.hpp"

#include "culvert/solvers/pipe_math.hpp"

namespace culvert::soberin {

using detail::all_finite;
using detail::cos;
using detail::round3;
using detail::sin;
using frame::SolveStatus;

namespace {

struct Capacity {
  Single theta, Qmax, H, V, W, A, P, R, Fb, Fr, depth_ratio_pct;
};

SolveStatus search_capacity(Single D, Single n, Single I, Capacity& c) {
  const Single pi = detail::kPi;
  const Single i = 1 / I;
  // i^0.5 is the same in every step; worked out once at extended precision,
  // as the velocity statement would, it leaves the results as they are.
  const rt::Ext slope_root = rt::pow(i, 0.5f);
  // θs advances by repeated addition of 0.0001 to a stored single; the angle
  // is never recomputed from a step count.
  Single theta_s = 5.0f;
  Single previous = 0;
  bool stepping_back = false;
  for (;;) {
    theta_s = stepping_back ? theta_s - 0.0001f : theta_s + 0.0001f;
    // A·V peaks near 5.278 rad for every pipe; an angle past a full pipe
    // means the comparison never saw the discharge stop growing.
    if (theta_s > 2 * pi) return SolveStatus::no_convergence;
    c.theta = theta_s;
    c.H = D / 2 * (1 - cos(theta_s / 2));
    c.W = D / 2 * 2 * sin(pi - theta_s / 2);
    c.A = (theta_s - sin(theta_s)) * 0.125f * rt::powi(D, 2);
    c.P = 0.5f * theta_s * D;
    c.R = c.A / c.P;
    c.V = (1 / n) * rt::pow(c.R, detail::kTwoThirds) * slope_root;
    c.Qmax = c.A * c.V;
    if (stepping_back) break;
    // An infinite or undefined discharge would end the search as a maximum.
    if (!rt::is_finite(c.Qmax)) return SolveStatus::arithmetic_fault;
    if (c.Qmax > previous) {
      previous = c.Qmax;
    } else {
      // The discharge stopped growing: step back once to the last angle at
      // which it still grew, and end there.
      stepping_back = true;
    }
  }
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

}  // namespace

frame::SolveStatus OJ(Single& /*Q*/, Single& D, Single& n, Single& I, Single& theta, Single& Qmax, Single& H,
                      Single& V, Single& W, Single& A, Single& P, Single& R, Single& Fb, Single& Fr,
                      Single& depth_ratio_pct, Single& ok) {
  ok = -1;
  Capacity c;
  const SolveStatus status = search_capacity(D, n, I, c);
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
