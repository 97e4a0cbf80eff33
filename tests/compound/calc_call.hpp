// Calls CALC of quorvel or mestra on one set of inputs and gathers every
// output, so that the tests can work with plain tables.
#pragma once

#include <array>
#include <stdexcept>
#include <string>
#include <utility>

#include "compound/solvers/calc.hpp"

namespace compound_test {

using rt::Single;

enum class Tool { quorvel, mestra };

struct CompoundInputs {
  float Q, I, B, h1, w, n1, n2, n3, n4, m, m1, m2, m3, Fb_plus, Fb_star;  // m is ignored by mestra
};

// The program's default inputs.
inline constexpr CompoundInputs kDefaults{3.45f, 200, 0.8f, 0.8f, 0.6f, 0.016f, 0.03f, 0.03f,
                                          0.03f, 0.3f, 5,  1,    1,    0.1f,   0.07f};

inline constexpr int kOutputCount = 35;

// The wall height as CALC leaves it, then parameters 16 to 49 in order.
inline constexpr std::array<const char*, kOutputCount> kOutputNames = {
    "h1", "CQ", "Q1", "Q2", "Q3", "WA", "W1", "W2", "W3", "H",  "h2", "h3", "A",  "A1", "A2", "A3", "P1", "P2",
    "P3", "R1", "R2", "R3", "N1", "N2", "N3", "N",  "V",  "V1", "V2", "V3", "SH", "hv", "Fr", "Fb", "state"};

struct CompoundRun {
  std::array<Single, kOutputCount> out;
  frame::SolveStatus status;

  Single operator[](const std::string& name) const {
    for (int k = 0; k < kOutputCount; ++k) {
      if (name == kOutputNames[k]) return out[k];
    }
    throw std::out_of_range(name);
  }
};

// Every output starts as `preset`, so that a test can see which ones a call
// wrote; the wall height starts as the input h1.
inline CompoundRun run_calc(Tool tool, const CompoundInputs& in, float preset = 0) {
  Single Q = in.Q, I = in.I, B = in.B, w = in.w, n1 = in.n1, n2 = in.n2, n3 = in.n3, n4 = in.n4, m = in.m,
         m1 = in.m1, m2 = in.m2, m3 = in.m3, Fbp = in.Fb_plus, Fbs = in.Fb_star;
  CompoundRun r;
  r.out.fill(Single(preset));
  Single* v = r.out.data();
  v[0] = in.h1;
  if (tool == Tool::quorvel) {
    r.status = compound::quorvel::CALC(Q, I, B, v[0], w, n1, n2, n3, n4, m, m1, m2, m3, Fbp, Fbs, v[1], v[2],
                                       v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12], v[13],
                                       v[14], v[15], v[16], v[17], v[18], v[19], v[20], v[21], v[22], v[23],
                                       v[24], v[25], v[26], v[27], v[28], v[29], v[30], v[31], v[32], v[33], v[34]);
  } else {
    r.status = compound::mestra::CALC(Q, I, B, v[0], w, n1, n2, n3, n4, m1, m2, m3, Fbp, Fbs, v[1], v[2], v[3],
                                      v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12], v[13], v[14],
                                      v[15], v[16], v[17], v[18], v[19], v[20], v[21], v[22], v[23], v[24],
                                      v[25], v[26], v[27], v[28], v[29], v[30], v[31], v[32], v[33], v[34]);
  }
  return r;
}

}  // namespace compound_test
