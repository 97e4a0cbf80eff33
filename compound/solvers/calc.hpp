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
// The status says whether the outputs were written. A search that does not
// settle (the channel cannot carry Q within the depths a single can step
// through) or a step that yields an infinite or undefined value leaves every
// parameter, h1 included, as it was.
#pragma once

#include "frame/solve_status.hpp"
#include "runtime/number.hpp"

namespace compound {

using rt::Single;

// Passes of the stepped search before it gives up. Beyond h2 = 16,384 m a
// single can no longer hold a depth to 0.001 m, so every search whose result
// lies on the 0.001 grid needs fewer passes than this (at most about 16,400:
// one per metre, then up to ten at each finer step). A pass costs some
// microseconds, so a failing call still ends within a fraction of a second.
inline constexpr long kMaxSearchPasses = 20000;

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
