// OS of palwick: the critical flow of a partly full circular pipe.
#include "culvert/solvers/palwick_solvers.hpp"

#include "culvert/solvers/pipe_angle.hpp"
#include "culvert/solvers/pipe_math.hpp"

namespace culvert::palwick {

using detail::all_finite;
using rt::cos;
using detail::round3;
using rt::sin;
using frame::SolveStatus;

frame::SolveStatus OS(Single& Q, Single& D, Single& n, Single& Ic, Single& theta_c, Single& QDc, Single& Hc,
                      Single& Vc, Single& Wc, Single& Ac, Single& Pc, Single& Rc, Single& Fbc,
                      Single& free_area_pct, Single& ok) {
  const Single pi = detail::kPi;
  ok = -1;
  const AngleSearch search = critical_angle(critical_constant(Q, D));
  if (search.status != SolveStatus::solved) {
    ok = 0;
    return search.status;
  }

  // Worked out in locals and copied into the caller's variables at the end.
  const Single t = search.theta;
  Single h = D / 2 * (1 - cos(t / 2));
  Single area = 0.125f * (t - sin(t)) * rt::powi(D, 2);
  Single velocity = Q / area;
  Single discharge = area * velocity;
  Single width = (D / 2 * 2) * sin(pi - t / 2);
  Single perimeter = (D / 2) * t;
  Single radius = area / perimeter;
  Single freeboard = D - h;
  // The x of the slope 1/x whose Manning velocity is the critical velocity.
  Single slope_inv = 1 / rt::powi(velocity * n / rt::pow(radius, detail::kTwoThirds), 2);
  Single free_pct = 0.125f * ((2 * pi - t) - sin(2 * pi - t)) * D * D / area * 100;

  h = round3(h);
  area = round3(area);
  velocity = round3(velocity);
  discharge = round3(discharge);
  width = round3(width);
  perimeter = round3(perimeter);
  radius = round3(radius);
  freeboard = round3(freeboard);
  slope_inv = round3(slope_inv);
  free_pct = round3(free_pct);

  if (!all_finite({h, area, velocity, discharge, width, perimeter, radius, freeboard, slope_inv, free_pct})) {
    ok = 0;
    return SolveStatus::arithmetic_fault;
  }
  theta_c = t;
  Hc = h;
  Ac = area;
  Vc = velocity;
  QDc = discharge;
  Wc = width;
  Pc = perimeter;
  Rc = radius;
  Fbc = freeboard;
  Ic = slope_inv;
  free_area_pct = free_pct;
  return SolveStatus::solved;
}

}  // namespace culvert::palwick
