// The compound-section solver. Every value is stored as a single after each
// statement, which is evaluated in long double, in the order of the program's
// statements: the search and the comparisons that end it act on those stored
// singles, so the order and the constants below are part of the result.
#include "compound/solvers/calc.hpp"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "compound/solvers/calc_solution.hpp"
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

// The values of one pass of the search at the depth h2, in the order of the
// program's statements. The lengths, roughness terms and area 1's perimeter
// and roughness, which do not change during the search, come from
// `Channel`.
struct Pass {
  Single h2, L3, L4, W1, W2, W3, A1, A2, A3, N2, N3, p2, p3, r1, r2, r3, v1, v2, v3, q1, q2, q3, CQ;
};

struct Channel {
  const CalcInputs& in;
  Single slope_root, h3, L5, L1, L2;
  // The roughness terms n^1.5 and the wetted perimeter and roughness of area
  // 1 do not change during the search. Each is worked out once, at extended
  // precision as every statement that uses it would work it out, which keeps
  // the results and saves most of the general powers of a pass.
  rt::Ext n1_term, n2_term, n3_term, n4_term;
  Single p1, N1;

  explicit Channel(const CalcInputs& c) : in(c) {
    slope_root = rt::sqrt(1 / in.I);
    h3 = in.w * in.m1 / 100;
    L5 = in.h1 * in.m;
    L1 = rt::sqrt(rt::powi(L5, 2) + rt::powi(in.h1, 2));
    L2 = rt::sqrt(rt::powi(in.w, 2) + rt::powi(h3, 2));
    n1_term = rt::pow(in.n1, 1.5f);
    n2_term = rt::pow(in.n2, 1.5f);
    n3_term = rt::pow(in.n3, 1.5f);
    n4_term = rt::pow(in.n4, 1.5f);
    p1 = 2 * L1 + in.B;
    N1 = rt::pow(((2 * L1 + in.B) * n1_term) / p1, kTwoThirds);
  }

  Pass at(Single h2) const {
    Pass p;
    p.h2 = h2;
    const Single L6 = h2 * in.m2;
    const Single L7 = h2 * in.m3;
    const Single L3 = p.L3 = rt::sqrt(rt::powi(h2, 2) + rt::powi(L6, 2));
    const Single L4 = p.L4 = rt::sqrt(rt::powi(h2, 2) + rt::powi(L7, 2));
    p.W1 = 2 * L5 + in.B;
    p.W2 = in.w + L6;
    p.W3 = in.w + L7;

    // Area 1: the main channel and the water column above it.
    p.A1 = (p.W1 + in.B) * in.h1 / 2 + p.W1 * (h2 + h3);
    p.r1 = p.A1 / p1;
    p.v1 = (1 / N1) * rt::pow(p.r1, kTwoThirds) * slope_root;
    p.q1 = p.A1 * p.v1;

    // Area 2: the left berm and the wetted left bank.
    p.A2 = (p.W2 + in.w) * h2 / 2 + in.w * h3 / 2;
    p.p2 = L2 + L3;
    p.N2 = rt::pow((L2 * n2_term + L3 * n3_term) / p.p2, kTwoThirds);
    p.r2 = p.A2 / p.p2;
    p.v2 = (1 / p.N2) * rt::pow(p.r2, kTwoThirds) * slope_root;
    p.q2 = p.A2 * p.v2;

    // Area 3: the right berm and the wetted right bank.
    p.A3 = (p.W3 + in.w) * h2 / 2 + in.w * h3 / 2;
    p.p3 = L2 + L4;
    p.N3 = rt::pow((L2 * n2_term + L4 * n4_term) / p.p3, kTwoThirds);
    p.r3 = p.A3 / p.p3;
    p.v3 = (1 / p.N3) * rt::pow(p.r3, kTwoThirds) * slope_root;
    p.q3 = p.A3 * p.v3;

    p.q1 = round3(p.q1);
    p.q2 = round3(p.q2);
    p.q3 = round3(p.q3);
    p.CQ = p.q1 + p.q2 + p.q3;
    return p;
  }

  // The roughness of the whole section at the depth of pass p; the berm
  // floor term counts once for each side. Every pass works it out, but only
  // the last one's is handed back, so it is worked out for that one alone.
  Single whole_section_roughness(const Pass& p) const {
    return rt::pow(((2 * L1 + in.B) * n1_term + L2 * n2_term + p.L3 * n3_term + L2 * n2_term + p.L4 * n4_term) /
                       (p1 + p.p2 + p.p3),
                   kTwoThirds);
  }
};

// The 1 m stage reaches 2^24 m at the most: there adding 1 leaves a single
// as it is.
constexpr float kLastWholeMetre = 16777216.0f;

// True when every whole metre from h3 up to J carries less than Q, for
// certain, by the pass at J alone. Worked out exactly, each area's discharge
// grows with the depth from h2 = h3 up: area 1's with its area, and a berm
// area's discharge A^(1+e) · √i / (L2·n2^1.5 + L3·n3^1.5)^e (e = 2/3) because
// there its area grows at least 1/1.5 times as fast as the depth, relatively,
// and the roughness-weighted perimeter no faster than the depth. Each stored
// single of a pass is off its exact value by at most 2^-24 of it, so a pass's
// unrounded area discharges are within 1E-4 of their exact values (fewer
// than 25 roundings, with a hundredfold margin), their three-decimal
// roundings within 0.0005 more, and underflow adds less than 1E-6. So the CQ
// of any whole metre from h3 to J is at most CQ(J) · (1 + 4E-4) + 0.004;
// where that is below Q, none of them reaches Q.
bool surely_short(const Channel& channel, Single J, Single Q) {
  const Pass p = channel.at(J);
  if (!all_finite({p.q1, p.q2, p.q3, p.CQ})) return false;
  return static_cast<rt::Ext>(p.CQ) * (1 + 4e-4L) + 0.004L < static_cast<rt::Ext>(Q);
}

// From the whole metre j (≥ h3, short of Q), the last whole metre up to 2^24
// that is surely short of Q, found by doubling and then halving the
// distance; j itself when there is none further.
Single last_surely_short(const Channel& channel, Single j, Single Q) {
  rt::Ext good = j;
  rt::Ext gap = j;
  while (good + gap <= kLastWholeMetre && surely_short(channel, Single(good + gap), Q)) {
    good += gap;
    gap *= 2;
  }
  for (gap = rt::fix(gap / 2); gap >= 1; gap = rt::fix(gap / 2)) {
    if (good + gap <= kLastWholeMetre && surely_short(channel, Single(good + gap), Q)) good += gap;
  }
  return Single(good);
}

}  // namespace

SolveStatus solve_compound(const CalcInputs& in, FirstStage first_stage, CalcResults& out, long* passes) {
  const Single vertical_walls = (in.m == 0) ? 1 : 0;
  const Channel channel(in);
  Single h3 = channel.h3;

  Single search_count = -1;
  Single search_step = 1;
  Single h2 = -1;
  // The 1 m stage looks for metres to pass over from here, and again each
  // time the depth has doubled.
  Single next_skip = std::max(64.0f, std::ceil(h3.value()));
  Pass p;
  Single state;
  long made = 0;
  // Every way out of the search reports how many passes it made.
  struct PassReport {
    const long& made;
    long* to;
    ~PassReport() {
      if (to) *to = made;
    }
  } report{made, passes};
  for (;;) {
    if (made == kMaxSearchPasses) return SolveStatus::no_convergence;
    ++made;
    const Single next = h2 + search_step;
    const bool moved = next != h2;
    h2 = next;
    p = channel.at(h2);
    search_count = search_count + 1;

    // An infinite or undefined discharge would compare as "reached" and end
    // the search on a meaningless depth.
    if (!rt::is_finite(p.CQ)) return SolveStatus::arithmetic_fault;
    if (in.Q > p.CQ) {
      // A step too small to change the depth repeats this very pass for ever.
      if (!moved) return SolveStatus::no_convergence;
      if (first_stage == FirstStage::skip_shortfalls && search_step == 1 && h2 >= next_skip) {
        // Every pass in between would have ended here too: go on from the
        // last of them, as if each had been made.
        const Single skipped_to = last_surely_short(channel, h2, in.Q);
        search_count = search_count + (skipped_to - h2);
        h2 = skipped_to;
        next_skip = h2 * 2;
      }
      continue;
    }

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

  Single W1 = p.W1, W2 = p.W2, W3 = p.W3, A1 = p.A1, A2 = p.A2, A3 = p.A3;
  const Single N1 = channel.N1, N2 = p.N2, N3 = p.N3, N = channel.whole_section_roughness(p), CQ = p.CQ;
  const Single q1 = p.q1, q2 = p.q2, q3 = p.q3;
  const Single p1 = channel.p1, p2 = p.p2, p3 = p.p3, r1 = p.r1, r2 = p.r2, r3 = p.r3;
  const Single v1 = p.v1, v2 = p.v2, v3 = p.v3;

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

namespace quorvel {

frame::SolveStatus CALC(Single& Q, Single& I, Single& B, Single& h1, Single& w, Single& n1, Single& n2,
                        Single& n3, Single& n4, Single& m, Single& m1, Single& m2, Single& m3,
                        Single& Fb_plus, Single& Fb_star, Single& CQ, Single& Q1, Single& Q2, Single& Q3,
                        Single& WA, Single& W1, Single& W2, Single& W3, Single& H, Single& h2, Single& h3,
                        Single& A, Single& A1, Single& A2, Single& A3, Single& P1, Single& P2, Single& P3,
                        Single& R1, Single& R2, Single& R3, Single& N1, Single& N2, Single& N3, Single& N,
                        Single& V, Single& V1, Single& V2, Single& V3, Single& SH, Single& hv, Single& Fr,
                        Single& Fb, Single& state) {
  const CalcInputs in{Q, I, B, h1, w, n1, n2, n3, n4, m, m1, m2, m3, Fb_plus, Fb_star};
  CalcResults r;
  const SolveStatus status = solve_compound(in, FirstStage::skip_shortfalls, r);
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
