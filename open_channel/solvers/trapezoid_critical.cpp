// VS: critical flow in a trapezoidal channel, A³/W = Q²/9.8 with
// A = Hc·(B + m·Hc) and W = B + 2·m·Hc, solved for Hc by Newton's method.
// Every statement stores a single.
#include "open_channel/solvers/depth_search.hpp"
#include "open_channel/solvers/fp_fault_watch.hpp"
#include "open_channel/solvers/result_checks.hpp"
#include "open_channel/solvers/section_solutions.hpp"
#include "open_channel/solvers/velmora_solvers.hpp"

namespace open_channel {

namespace {

// One Newton pass on the critical-flow residual; g is its exact derivative.
struct TrapezoidCriticalPass {
  Single Q, B, m;

  using At = Single;  // the depth alone
  At at(Single Hc) const { return Hc; }

  Single residual(Single Hc) const {
    const Single f = rt::powi(Hc, 3) * rt::powi(B + m * Hc, 3) / (B + 2 * m * Hc) - rt::powi(Q, 2) / 9.8f;
    return f;
  }

  Single step(Single Hc, Single f) const {
    const Single t = 3 * m * rt::powi(Hc, 3) / (B + m * Hc) + 3 * rt::powi(Hc, 2);
    const Single u = 2 * m * rt::powi(Hc, 3) / (B + 2 * m * Hc);
    const Single g = rt::powi(B + m * Hc, 3) * (t - u) / (B + 2 * m * Hc);
    const Single delta = f / g;
    return delta;
  }
};

}  // namespace

frame::SolveStatus solve_trapezoid_critical(const TrapezoidChannel& c, DepthSearch search,
                                            TrapezoidCriticalFlow& r) {
  FpFaultWatch watch;
  const Single start = c.B * 20;
  const TrapezoidCriticalPass pass{c.Q, c.B, c.m};
  const SearchEnd found = find_depth(pass, start, search, r.Hc, watch);
  if (found != SearchEnd::converged) return status_of(found);

  // Faults met on a discarded Newton step do not count against the depth found.
  watch.reset();
  const Single freeboard_coefficient = 0.13f;
  const SearchEnd raised = raise_to_capacity(c.Q, r.Hc, [&] {
    r.Vc = c.Q / (r.Hc * (c.B + c.m * r.Hc));
    r.Wc = c.B + r.Hc * c.m * 2;
    r.Ac = (r.Wc + c.B) * r.Hc / 2;
    r.Sc = rt::sqrt(rt::powi(r.Hc, 2) + rt::powi(r.Hc * c.m, 2));
    r.Rc = r.Ac / (r.Sc * 2 + c.B);
    // The x of the slope 1/x at which Manning's formula gives Vc.
    r.Ic = 1 / rt::powi(r.Vc * c.n / rt::pow(r.Rc, 0.6666667f), 2);
    r.Fbc = freeboard_coefficient * r.Vc * rt::sqrt(r.Hc);
    r.Hhc = r.Ac / r.Wc;
    r.Frc = r.Vc / rt::sqrt(9.8f * r.Hhc);
    r.QDc = r.Ac * r.Vc;
    return r.QDc;
  });
  if (raised != SearchEnd::converged) return status_of(raised);

  r.dHc = (-r.Wc + rt::sqrt(rt::powi(r.Wc, 2) - 4 * c.m * (-0.2f) * r.Ac)) / (2 * c.m);

  const bool finite =
      all_finite({r.Hc, r.Wc, r.Ac, r.Vc, r.Sc, r.Rc, r.Ic, r.Fbc, r.QDc, r.dHc, r.Hhc, r.Frc});
  if (watch.faulted() || !finite) return frame::SolveStatus::arithmetic_fault;
  return frame::SolveStatus::solved;
}

frame::SolveStatus VS(const Single& Q, const Single& B, const Single& n, const Single& m, Single& QDc,
                      Single& Hc, Single& Hhc, Single& Vc, Single& Wc, Single& Ac, Single& Sc, Single& Ic,
                      Single& Rc, Single& Fbc, Single& Frc, Single& dHc) {
  // The rounding too leaves the caller's fault flags as they were.
  const FpFaultWatch watch;
  TrapezoidCriticalFlow r;
  const TrapezoidChannel channel{Q, B, n, m, 0, 0, 0};
  const frame::SolveStatus status = solve_trapezoid_critical(channel, DepthSearch::plain_then_bracketed, r);
  if (status != frame::SolveStatus::solved) return status;
  if (!round_three_decimals(
          {&r.Hc, &r.Wc, &r.Ac, &r.Vc, &r.Sc, &r.Rc, &r.Ic, &r.Fbc, &r.QDc, &r.dHc, &r.Hhc, &r.Frc})) {
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
  Hhc = r.Hhc;
  Frc = r.Frc;
  return frame::SolveStatus::solved;
}

}  // namespace open_channel
