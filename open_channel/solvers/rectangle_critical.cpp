// US: critical flow in a rectangular channel. The critical depth has the
// closed form (Q² / (9.8 · B²))^(1/3); the capacity loop then makes sure the
// stored values carry Q. Every statement stores a single.
#include "open_channel/solvers/depth_search.hpp"
#include "open_channel/solvers/drasin_solvers.hpp"
#include "open_channel/solvers/fp_fault_watch.hpp"
#include "open_channel/solvers/result_checks.hpp"
#include "open_channel/solvers/section_solutions.hpp"

namespace open_channel {

frame::SolveStatus solve_rectangle_critical(const RectangleChannel& c, RectangleCriticalFlow& r) {
  FpFaultWatch watch;
  r.Hc = rt::pow(rt::powi(c.Q, 2) / (9.8f * rt::powi(c.B, 2)), 0.33333334f);
  r.Wc = c.B;
  const Single freeboard_coefficient = 0.1f;
  const SearchEnd raised = raise_to_capacity(c.Q, r.Hc, [&] {
    r.Ac = c.B * r.Hc;
    r.Vc = c.Q / r.Ac;
    r.Sc = r.Hc;
    r.Rc = r.Ac / (2 * r.Sc + c.B);
    // The x of the slope 1/x at which Manning's formula gives Vc.
    r.Ic = 1 / rt::powi(r.Vc * c.n / rt::pow(r.Rc, 0.6666667f), 2);
    r.Fbc = freeboard_coefficient * r.Vc * rt::sqrt(r.Hc);
    r.QDc = r.Ac * r.Vc;
    return r.QDc;
  });
  if (raised != SearchEnd::converged) return status_of(raised);

  r.dHc = r.Ac * 0.2f / c.B;

  const bool finite = all_finite({r.Hc, r.Wc, r.Ac, r.Vc, r.Sc, r.Rc, r.Ic, r.Fbc, r.QDc, r.dHc});
  if (watch.faulted() || !finite) return frame::SolveStatus::arithmetic_fault;
  return frame::SolveStatus::solved;
}

frame::SolveStatus US(const Single& Q, const Single& B, const Single& n, Single& QDc, Single& Hc, Single& Vc,
                      Single& Wc, Single& Ac, Single& Sc, Single& Ic, Single& Rc, Single& Fbc, Single& dHc) {
  // The rounding too leaves the caller's fault flags as they were.
  const FpFaultWatch watch;
  RectangleCriticalFlow r;
  const RectangleChannel channel{Q, B, n, 0, 0, 0};
  const frame::SolveStatus status = solve_rectangle_critical(channel, r);
  if (status != frame::SolveStatus::solved) return status;
  if (!round_three_decimals({&r.Hc, &r.Wc, &r.Ac, &r.Vc, &r.Sc, &r.Rc, &r.Ic, &r.Fbc, &r.QDc, &r.dHc})) {
    return frame::SolveStatus::arithmetic_fault;
  }
  Hc = r.Hc;
  Wc = r.Wc;
  Ac = r.Ac;
  Vc = r.Vc;
  Sc = r.Sc;
  Rc = r.Rc;
  Ic = r.Ic;
  Fbc = r.Fbc;
  QDc = r.QDc;
  dHc = r.dHc;
  return frame::SolveStatus::solved;
}

}  // namespace open_channel
