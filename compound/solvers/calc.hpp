// CALC, the compound-section solver of quorvel and mestra (module Calc).
//
// Given a main channel with a berm and an outer bank on each side, it finds by
// a stepped search (1 m, 0.1 m, 0.01 m, 0.001 m) the depth h2 above the outer
// berm edges at which the three flow areas together carry the design
// discharge Q, and returns every value the window and the three-page sheet
// show. All parameters are passed by reference in the order the calculate
// command passes its globals; outputs come back rounded to three decimals.
// The wall height h1 is an input that CALC rounds in place.
//
// The status says whether the outputs were written. A search that cannot
// finish (its steps no longer change the depth while the discharge still
// falls short of Q: the 0.001 step from h2 = 32,768 m, the 1 m step at
// 2^24 m) or a step that yields an infinite or undefined value leaves every
// parameter, h1 included, as it was.
#pragma once

#include "frame/solve_status.hpp"
#include "runtime/number.hpp"

namespace compound {

using rt::Single;

// A bound on the passes of the stepped search that no search the singles can
// finish comes near. The search refuses at once a step too small to change
// the depth while the discharge falls short of Q (that pass would repeat for
// ever), so the 1 m stage ends by 2^24 m, where adding 1 leaves a single as
// it is; and from the berm floor's rise h3 up it passes over whole metres
// that surely fall short, so that even depths of thousands of kilometres take
// a few thousand passes. Only a berm floor rising by hundreds of kilometres
// makes it try every metre below h3, at about a microsecond each.
inline constexpr long kMaxSearchPasses = 1L << 25;

namespace quorvel {

// Trapezoidal main channel with walls at 1:m.
frame::SolveStatus CALC(Single& Q, Single& I, Single& B, Single& h1, Single& w, Single& n1, Single& n2,
                        Single& n3, Single& n4, Single& m, Single& m1, Single& m2, Single& m3,
                        Single& Fb_plus, Single& Fb_star, Single& CQ, Single& Q1, Single& Q2, Single& Q3,
                        Single& WA, Single& W1, Single& W2, Single& W3, Single& H, Single& h2, Single& h3,
                        Single& A, Single& A1, Single& A2, Single& A3, Single& P1, Single& P2, Single& P3,
                        Single& R1, Single& R2, Single& R3, Single& N1, Single& N2, Single& N3, Single& N,
                        Single& V, Single& V1, Single& V2, Single& V3, Single& SH, Single& hv, Single& Fr,
                        Single& Fb, Single& state);

}  // namespace quorvel

namespace mestra {

// Rectangular main channel: the same calculation with vertical walls (m = 0),
// so the supercritical freeboard always takes C = 0.10.
frame::SolveStatus CALC(Single& Q, Single& I, Single& B, Single& h1, Single& w, Single& n1, Single& n2,
                        Single& n3, Single& n4, Single& m1, Single& m2, Single& m3, Single& Fb_plus,
                        Single& Fb_star, Single& CQ, Single& Q1, Single& Q2, Single& Q3, Single& WA,
                        Single& W1, Single& W2, Single& W3, Single& H, Single& h2, Single& h3, Single& A,
                        Single& A1, Single& A2, Single& A3, Single& P1, Single& P2, Single& P3, Single& R1,
                        Single& R2, Single& R3, Single& N1, Single& N2, Single& N3, Single& N, Single& V,
                        Single& V1, Single& V2, Single& V3, Single& SH, Single& hv, Single& Fr, Single& Fb,
                        Single& state);

}  // namespace mestra

}  // namespace compound
