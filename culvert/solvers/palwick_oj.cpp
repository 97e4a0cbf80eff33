// OJ of palwick: the uniform flow of a partly full circular pipe.
#include "culvert/solvers/palwick_solvers.hpp"

#include "culvert/solvers/pipe_angle.hpp"
#include "culvert/solvers/pipe_math.hpp"

namespace culvert::palwick {

using detail::all_finite;
using rt::cos;
using detail::round3;
using rt::sin;
using frame::SolveStatus;

frame::SolveStatus OJ(Single& Q, Single& D, Single& n, Single& I, Single& theta, Single& QD, Single& H,
                      Single& V, Single& W, Single& A, Single& P, Single& R, Single& Fb, Single& Fr,
                      Single& free_area_pct, Single& ok) {
  const Single pi = detail::kPi;
  Fr = 0;
  ok = -1;
  const Single i = 1 / I;
  const AngleSearch search = uniform_angle(Q, uniform_constant(D, n, i));
  if (search.status != SolveStatus::solved) {
    ok = 0;
    return search.status;
  }

  // The section at the angle found, each value from the unrounded ones
  // before it; the caller's variables are written only once all are finite.
  const Single t = search.theta;
  Single h = D / 2 * (1 - cos(t / 2));
  Single width = (D / 2 * 2) * sin(pi - t / 2);
  Single area = 0.125f * (t - sin(t)) * rt::powi(D, 2);
  Single perimeter = 0.5f * t * D;
  Single radius = area / perimeter;
  Single velocity = (1 / n) * rt::pow(radius, detail::kTwoThirds) * rt::pow(i, 0.5f);
  Single discharge = area * velocity;
  Single froude = velocity / rt::pow(9.8f * h, 0.5f);
  Single freeboard = D - h;
  Single free_pct = 0.125f * ((2 * pi - t) - sin(2 * pi - t)) * D * D / area * 100;

  h = round3(h);
  width = round3(width);
  area = round3(area);
  perimeter = round3(perimeter);
  radius = round3(radius);
  velocity = round3(velocity);
  discharge = round3(discharge);
  froude = round3(froude);
  freeboard = round3(freeboard);
  free_pct = round3(free_pct);

  if (!all_finite({h, width, area, perimeter, radius, velocity, discharge, froude, freeboard, free_pct})) {
    ok = 0;
    return SolveStatus::arithmetic_fault;
  }
  theta = t;
  H = h;
  W = width;
  A = area;
  P = perimeter;
  R = radius;
  V = velocity;
  QD = discharge;
  Fr = froude;
  Fb = freeboard;
  free_area_pct = free_pct;
  return SolveStatus::solved;
}

}  // namespace culvert::palwick
