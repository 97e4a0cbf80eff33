// VJ: uniform flow in a trapezoidal channel by Manning's formula
// Q = (1/n) · A · R^(2/3) · i^(1/2), solved for the depth H in the form
// (1/n) · i^(1/2) · A^(5/3) − Q · P^(2/3) = 0 with A = B·H + m·H² and
// P = B + 2·√(H² + m²·H²). Every statement stores a single.
#include "open_channel/solvers/depth_search.hpp"
#include "open_channel/solvers/fp_fault_watch.hpp"
#include "open_channel/solvers/result_checks.hpp"
#include "open_channel/solvers/section_solutions.hpp"
#include "open_channel/solvers/velmora_solvers.hpp"

namespace open_channel {

namespace {

// One Newton pass on the uniform-flow residual; g is its exact derivative.
// The residual and its derivative raise the same two bases, the area
// H·B + m·H² and the wetted perimeter, each to two powers; `at` works the
// four out once for a depth.
struct TrapezoidUniformPass {
  Single Q, B, n, m, i;

  struct At {
    Single H;
    rt::PowerPair area;       // ^(5/3), ^(2/3)
    rt::PowerPair perimeter;  // ^(2/3), ^(−1/3)
  };

  At at(Single H) const {
    return {H, rt::pow_pair(H * B + m * H * H, 1.6666666f, 0.6666667f),
            rt::pow_pair(B + 2 * rt::sqrt(H * H + m * m * H * H), 0.6666667f, -0.33333334f)};
  }

  Single residual(const At& a) const {
    const Single t = a.area.first * rt::sqrt(i) / n;
    const Single u = Q * a.perimeter.first;
    const Single f = t - u;
    return f;
  }

  Single step(const At& a, Single f) const {
    const Single H = a.H;
    const Single t = rt::sqrt(i) * a.area.second * (B + 2 * m * H) / n * 1.6666666f;
    Single u = a.perimeter.second / rt::sqrt(H * H + m * m * H * H);
    u = u * (1 + m * m) * Q * H * 1.3333334f;
    const Single g = t - u;
    const Single delta = f / g;
    return delta;
  }
};

}  // namespace

frame::SolveStatus solve_trapezoid_uniform(const TrapezoidChannel& c, DepthSearch search,
                                           TrapezoidUniformFlow& r) {
  FpFaultWatch watch;
  const Single start = c.B * 20;
  const Single i = 1 / c.I;
  const TrapezoidUniformPass pass{c.Q, c.B, c.n, c.m, i};
  const SearchEnd found = find_depth(pass, start, search, r.H, watch);
  if (found != SearchEnd::converged) return status_of(found);

  // Faults met on a discarded Newton step do not count against the depth found.
  watch.reset();
  const Single freeboard_coefficient = 0.13f;
  const SearchEnd raised = raise_to_capacity(c.Q, r.H, [&] {
    r.W = c.B + r.H * c.m * 2;
    r.A = (r.W + c.B) * r.H / 2;
    r.S = rt::sqrt(rt::powi(r.H, 2) + rt::powi(r.H * c.m, 2));
    r.R = r.A / (c.B + 2 * r.S);
    r.V = 1 / c.n * rt::sqrt(i) * rt::pow(r.R, 0.6666667f);
    r.hv = rt::powi(r.V, 2) / 2 / 9.8f;
    r.Fb = c.Fb_star * r.H + r.hv + c.Fb_plus;
    r.Fbs = freeboard_coefficient * r.V * rt::sqrt(r.H);
    r.Hh = r.A / r.W;
    r.Fr = r.V / rt::sqrt(9.8f * r.Hh);
    r.QD = r.A * r.V;
    return r.QD;
  });
  if (raised != SearchEnd::converged) return status_of(raised);

  // The positive root of m·x² + W·x − 0.2·A = 0: the band on top of the water
  // surface, widened by the side slopes, that adds 20 % of A.
  r.dH = (-r.W + rt::sqrt(rt::powi(r.W, 2) - 4 * c.m * (-0.2f) * r.A)) / (2 * c.m);

  const bool finite =
      all_finite({r.H, r.W, r.A, r.S, r.R, r.V, r.hv, r.Fb, r.Fbs, r.Hh, r.Fr, r.QD, r.dH});
  if (watch.faulted() || !finite) return frame::SolveStatus::arithmetic_fault;
  return frame::SolveStatus::solved;
}

frame::SolveStatus VJ(const Single& Q, const Single& B, const Single& n, const Single& m, const Single& I,
                      const Single& Fb_plus, const Single& Fb_star, Single& QD, Single& H, Single& hv,
                      Single& Hh, Single& V, Single& W, Single& A, Single& S, Single& R, Single& Fb,
                      Single& Fr, Single& Fbs, Single& dH) {
  // The rounding too leaves the caller's fault flags as they were.
  const FpFaultWatch watch;
  TrapezoidUniformFlow r;
  const frame::SolveStatus status =
      solve_trapezoid_uniform({Q, B, n, m, I, Fb_plus, Fb_star}, DepthSearch::plain_then_bracketed, r);
  if (status != frame::SolveStatus::solved) return status;
  if (!round_three_decimals({&r.H, &r.W, &r.A, &r.S, &r.R, &r.V, &r.hv, &r.Fb, &r.Fbs, &r.Hh, &r.Fr, &r.QD, &r.dH})) {
    return frame::SolveStatus::arithmetic_fault;
  }
  QD = r.QD;
  H = r.H;
  hv = r.hv;
  Hh = r.Hh;
  V = r.V;
  W = r.W;
  A = r.A;
  S = r.S;
  R = r.R;
  Fb = r.Fb;
  Fr = r.Fr;
  Fbs = r.Fbs;
  dH = r.dH;
  return frame::SolveStatus::solved;
}

}  // namespace open_channel
