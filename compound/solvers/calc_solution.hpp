// The compound-section calculation behind CALC, on plain structures: the
// inputs, everything CALC hands back, and how the 1 m stage of the search
// gets past depths that certainly carry less than Q. CALC of quorvel and
// mestra is this calculation followed by the copy into the caller's
// variables; tests use it to run the 1 m stage one metre at a time.
#pragma once

#include "frame/solve_status.hpp"
#include "runtime/number.hpp"

namespace compound {

using rt::Single;

struct CalcInputs {
  Single Q, I, B, h1, w, n1, n2, n3, n4, m, m1, m2, m3, Fb_plus, Fb_star;
};

struct CalcResults {
  Single h1;  // the wall height, rounded
  Single CQ, Q1, Q2, Q3, WA, W1, W2, W3, H, h2, h3, A, A1, A2, A3, P1, P2, P3, R1, R2, R3, N1, N2, N3, N,
      V, V1, V2, V3, SH, hv, Fr, Fb, state;
};

// The 1 m stage tries h2 = 0, 1, 2, … until the discharge reaches Q. Where
// the section's discharge can only grow with the depth (from h2 = h3 up),
// `skip_shortfalls` passes over whole metres whose discharge is sure to fall
// short of Q, by more than the rounding of the stored singles could ever
// make up, and goes on from the last of them; the search then ends where
// and as trying every metre would. `every_metre` tries every one.
enum class FirstStage { skip_shortfalls, every_metre };

// Fills `out` and returns `solved`, or returns a failure with `out` partly
// written. `passes`, when given, receives the number of passes the search
// made (the metres passed over are not passes), which kMaxSearchPasses
// bounds: how far a search that refuses went before it did.
frame::SolveStatus solve_compound(const CalcInputs& in, FirstStage first_stage, CalcResults& out,
                                  long* passes = nullptr);

}  // namespace compound
