// The compound-section solver. Every value is stored as a single after each
// statement, which is evaluated in long double, in the order of the program's
// statements: the search and the comparisons that end it act on those stored
// singles, so the order and the constants below are part of the result.
#include "compound/solvers/calc.hpp"

#include <initializer_list>

#include "frame/number_display.hpp"

namespace compound {
namespace {

using frame::SolveStatus;

constexpr float kTwoThirds = 0.6666667f;  // the nearest single to 2/3

Single round3(Single x) { return frame::RC45(x, 3); }

bool all_finite(std::initializer_list<Single> values) {
  for (Single v : values) {
    if (!rt::is_finite(v)) return false;
  }
  return true;
}

struct Inputs {
  Single Q, I, B, h1, w, n1, n2, n3, n4, m, m1, m2, m3, Fb_plus, Fb_star;
};

// Everything CALC hands back, gathered here first so that a failed call can
// leave the caller's variables untouched.
struct Results {
  Single h1;  // the wall height, rounded
  Single CQ, Q1, Q2, Q3, WA, W1, W2, W3, H, h2, h3, A, A1, A2, A3, P1, P2, P3, R1, R2, R3, N1, N2, N3, N,
      V, V1, V2, V3, SH, hv, Fr, Fb, state;
};

SolveStatus solve(const Inputs& in, Results& out) {
  const Single vertical_walls = (in.m == 0) ? 1 : 0;
  const Single slope_root = rt::sqrt(1 / in.I);
  Single search_count = -1;
  Single h3 = in.w * in.m1 / 100;
  const Single L5 = in.h1 * in.m;
  const Single L1 = rt::sqrt(rt::powi(L5, 2) + rt::powi(in.h1, 2));
  const Single L2 = rt::sqrt(rt::powi(in.w, 2) + rt::powi(h3, 2));

  // The roughness terms n^1.5 and the wetted perimeter and roughness of area 1
  // do not change during the search. Each is worked out once, at extended
  // precision as every statement that uses it would work it out, which keeps
  // the results and saves most of the general powers of a pass.
  const rt::Ext n1_term = rt::pow(in.n1, 1.5f);
  const rt::Ext n2_term = rt::pow(in.n2, 1.5f);
  const rt::Ext n3_term = rt::pow(in.n3, 1.5f);
  const rt::Ext n4_term = rt::pow(in.n4, 1.5f);
  const Single p1 = 2 * L1 + in.B;
  const Single N1 = rt::pow(((2 * L1 + in.B) * n1_term) / p1, kTwoThirds);

  Single search_step = 1;
  Single h2 = -1;
  Single W1, W2, W3, A1, A2, A3, N2, N3, N, CQ, state;
  Single p2, p3, r1, r2, r3, v1, v2, v3, q1, q2, q3;
  for (long pass = 0;; ++pass) {
    if (pass == kMaxSearchPasses) return SolveStatus::no_convergence;
    h2 = h2 + search_step;
    const Single L6 = h2 * in.m2;
    const Single L7 = h2 * in.m3;
    const Single L3 = rt::sqrt(rt::powi(h2, 2) + rt::powi(L6, 2));
    const Single L4 = rt::sqrt(rt::powi(h2, 2) + rt::powi(L7, 2));
    W1 = 2 * L5 + in.B;
    W2 = in.w + L6;
    W3 = in.w + L7;

    // Area 1: the main channel and the water column above it.
    A1 = (W1 + in.B) * in.h1 / 2 + W1 * (h2 + h3);
    r1 = A1 / p1;
    v1 = (1 / N1) * rt::pow(r1, kTwoThirds) * slope_root;
    q1 = A1 * v1;

    // Area 2: the left berm and the wetted left bank.
    A2 = (W2 + in.w) * h2 / 2 + in.w * h3 / 2;
    p2 = L2 + L3;
    N2 = rt::pow((L2 * n2_term + L3 * n3_term) / p2, kTwoThirds);
    r2 = A2 / p2;
    v2 = (1 / N2) * rt::pow(r2, kTwoThirds) * slope_root;
    q2 = A2 * v2;

    // Area 3: the right berm and the wetted right bank.
    A3 = (W3 + in.w) * h2 / 2 + in.w * h3 / 2;
    p3 = L2 + L4;
    N3 = rt::pow((L2 * n2_term + L4 * n4_term) / p3, kTwoThirds);
    r3 = A3 / p3;
    v3 = (1 / N3) * rt::pow(r3, kTwoThirds) * slope_root;
    q3 = A3 * v3;

    // The whole section; the berm floor term counts once for each side.
    N = rt::pow(((2 * L1 + in.B) * n1_term + L2 * n2_term + L3 * n3_term + L2 * n2_term + L4 * n4_term) /
                    (p1 + p2 + p3),
                kTwoThirds);

    q1 = round3(q1);
    q2 = round3(q2);
    q3 = round3(q3);
    CQ = q1 + q2 + q3;
    search_count = search_count + 1;

    // An infinite or undefined discharge would compare as "reached" and end
    // the search on a meaningless depth.
    if (!rt::is_finite(CQ)) return SolveStatus::arithmetic_fault;
    if (in.Q > CQ) continue;

    // CQ has reached Q: step back once and refine, or stop on the 0.001 grid.
    if (search_count == 0) {
      state = 2;
      break;
    }
    if (search_step == 1) {
      search_step = 0.1f;
      h2 = h2 - 1;
    } else if (search_step == 0.1f) {
      search_step = 0.01f;
      h2 = h2 - 0.1f;
    } else if (search_step == 0.01f) {
      search_step = 0.001f;
      h2 = h2 - 0.01f;
    } else {
      state = 0;
      break;
    }
  }

  W1 = round3(W1);
  W2 = round3(W2);
  W3 = round3(W3);
  const Single WA = W1 + W2 + W3;

  const Single h1 = round3(in.h1);
  h2 = round3(h2);
  h3 = round3(h3);
  const Single H = h1 + h2 + h3;

  A1 = round3(A1);
  A2 = round3(A2);
  A3 = round3(A3);
  const Single A = A1 + A2 + A3;

  Single V = CQ / A;
  Single SH = A / WA;
  Single hv = rt::powi(V, 2) / 2 / 9.8f;
  Single Fr = V / rt::sqrt(9.8f * SH);

  // The freeboard rule follows the unrounded Froude number.
  Single Fb;
  if (Fr < 1) {
    Fb = in.Fb_star * H + hv + in.Fb_plus;
  } else {
    const Single C = (vertical_walls == 1) ? 0.10f : 0.13f;
    Fb = C * V * rt::pow(H, 0.5f);
  }

  out.Q1 = q1;
  out.Q2 = q2;
  out.Q3 = q3;
  out.CQ = out.Q1 + out.Q2 + out.Q3;

  out.P1 = round3(p1);
  out.P2 = round3(p2);
  out.P3 = round3(p3);
  out.R1 = round3(r1);
  out.R2 = round3(r2);
  out.R3 = round3(r3);
  out.N1 = round3(N1);
  out.N2 = round3(N2);
  out.N3 = round3(N3);
  out.N = round3(N);
  out.V = round3(V);
  out.V1 = round3(v1);
  out.V2 = round3(v2);
  out.V3 = round3(v3);
  out.SH = round3(SH);
  out.hv = round3(hv);
  out.Fr = round3(Fr);
  out.Fb = round3(Fb);

  out.h1 = h1;
  out.WA = WA;
  out.W1 = W1;
  out.W2 = W2;
  out.W3 = W3;
  out.H = H;
  out.h2 = h2;
  out.h3 = h3;
  out.A = A;
  out.A1 = A1;
  out.A2 = A2;
  out.A3 = A3;
  out.state = state;

  // A section so small that a rounded area or width is 0 divides by zero
  // above; such a result is not a solution.
  if (!all_finite({out.CQ, out.WA, out.W1, out.W2, out.W3, out.H, out.h1, out.h2, out.h3, out.A, out.A1,
                   out.A2, out.A3, out.P1, out.P2, out.P3, out.R1, out.R2, out.R3, out.N1, out.N2, out.N3,
                   out.N, out.V, out.V1, out.V2, out.V3, out.SH, out.hv, out.Fr, out.Fb})) {
    return SolveStatus::arithmetic_fault;
  }
  return SolveStatus::solved;
}

}  // namespace

namespace quorvel {

frame::SolveStatus CALC(Single& Q, Single& I, Single& B, Single& h1, Single& w, Single& n1, Single& n2,
                        Single& n3, Single& n4, Single& m, Single& m1, Single& m2, Single& m3,
                        Single& Fb_plus, Single& Fb_star, Single& CQ, Single& Q1, Single& Q2, Single& Q3,
                        Single& WA, Single& W1, Single& W2, Single& W3, Single& H, Single& h2, Single& h3,
                        Single& A, Single& A1, Single& A2, Single& A3, Single& P1, Single& P2, Single& P3,
                        Single& R1, Single& R2, Single& R3, Single& N1, Single& N2, Single& N3, Single& N,
                        Single& V, Single& V1, Single& V2, Single& V3, Single& SH, Single& hv, Single& Fr,
                        Single& Fb, Single& state) {
  const Inputs in{Q, I, B, h1, w, n1, n2, n3, n4, m, m1, m2, m3, Fb_plus, Fb_star};
  Results r;
  const SolveStatus status = solve(in, r);
  if (status != SolveStatus::solved) return status;

  h1 = r.h1;
  CQ = r.CQ;
  Q1 = r.Q1;
  Q2 = r.Q2;
  Q3 = r.Q3;
  WA = r.WA;
  W1 = r.W1;
  W2 = r.W2;
  W3 = r.W3;
  H = r.H;
  h2 = r.h2;
  h3 = r.h3;
  A = r.A;
  A1 = r.A1;
  A2 = r.A2;
  A3 = r.A3;
  P1 = r.P1;
  P2 = r.P2;
  P3 = r.P3;
  R1 = r.R1;
  R2 = r.R2;
  R3 = r.R3;
  N1 = r.N1;
  N2 = r.N2;
  N3 = r.N3;
  N = r.N;
  V = r.V;
  V1 = r.V1;
  V2 = r.V2;
  V3 = r.V3;
  SH = r.SH;
  hv = r.hv;
  Fr = r.Fr;
  Fb = r.Fb;
  state = r.state;
  return status;
}

}  // namespace quorvel

namespace mestra {

frame::SolveStatus CALC(Single& Q, Single& I, Single& B, Single& h1, Single& w, Single& n1, Single& n2,
                        Single& n3, Single& n4, Single& m1, Single& m2, Single& m3, Single& Fb_plus,
                        Single& Fb_star, Single& CQ, Single& Q1, Single& Q2, Single& Q3, Single& WA,
                        Single& W1, Single& W2, Single& W3, Single& H, Single& h2, Single& h3, Single& A,
                        Single& A1, Single& A2, Single& A3, Single& P1, Single& P2, Single& P3, Single& R1,
                        Single& R2, Single& R3, Single& N1, Single& N2, Single& N3, Single& N, Single& V,
                        Single& V1, Single& V2, Single& V3, Single& SH, Single& hv, Single& Fr, Single& Fb,
                        Single& state) {
  // Vertical walls: L5 = 0, L1 = h1, W1 = B and C = 0.10, exactly as the
  // trapezoidal calculation gives them for m = 0.
  Single m = 0;
  return quorvel::CALC(Q, I, B, h1, w, n1, n2, n3, n4, m, m1, m2, m3, Fb_plus, Fb_star, CQ, Q1, Q2, Q3, WA,
                       W1, W2, W3, H, h2, h3, A, A1, A2, A3, P1, P2, P3, R1, R2, R3, N1, N2, N3, N, V, V1,
                       V2, V3, SH, hv, Fr, Fb, state);
}

}  // namespace mestra

}  // namespace compound
