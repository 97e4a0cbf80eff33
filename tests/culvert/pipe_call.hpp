// Calls the pipe solvers on one set of inputs and gathers every output, so
// that the tests can work with plain tables.
#pragma once

#include <array>
#include <stdexcept>
#include <string>

#include "culvert/solvers/palwick_solvers.hpp"
#include "culvert/solvers/soberin_solver.hpp"

namespace culvert_test {

using rt::Single;

// Twelve outputs each, in parameter order; the flag ok is the last.
using OutputNames = std::array<const char*, 12>;
inline constexpr OutputNames kUniformNames = {"theta", "QD", "H", "V", "W", "A",
                                              "P",     "R",  "Fb", "Fr", "free_pct", "ok"};
inline constexpr OutputNames kCriticalNames = {"Ic", "thetac", "QDc", "Hc", "Vc", "Wc",
                                               "Ac", "Pc",     "Rc",  "Fbc", "free_pct", "ok"};
inline constexpr OutputNames kCapacityNames = {"theta", "Qmax", "H", "V", "W", "A",
                                               "P",     "R",    "Fb", "Fr", "HD_pct", "ok"};

struct PipeRun {
  const OutputNames* names;
  std::array<Single, 12> out;
  frame::SolveStatus status;

  Single operator[](const std::string& name) const {
    for (std::size_t k = 0; k < out.size(); ++k) {
      if (name == (*names)[k]) return out[k];
    }
    throw std::out_of_range(name);
  }
};

struct PipeInputs {
  float Q, D, n, I;  // I is not passed to OS
};

// Every output starts as `preset`, so that a test can see which ones a call
// wrote.
inline PipeRun run_uniform(const PipeInputs& in, float preset = 0) {
  Single Q = in.Q, D = in.D, n = in.n, I = in.I;
  PipeRun r{&kUniformNames, {}, {}};
  r.out.fill(Single(preset));
  Single* v = r.out.data();
  r.status = culvert::palwick::OJ(Q, D, n, I, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10],
                                  v[11]);
  return r;
}

inline PipeRun run_critical(const PipeInputs& in, float preset = 0) {
  Single Q = in.Q, D = in.D, n = in.n;
  PipeRun r{&kCriticalNames, {}, {}};
  r.out.fill(Single(preset));
  Single* v = r.out.data();
  r.status = culvert::palwick::OS(Q, D, n, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11]);
  return r;
}

inline PipeRun run_capacity(const PipeInputs& in, float preset = 0) {
  Single Q = in.Q, D = in.D, n = in.n, I = in.I;
  PipeRun r{&kCapacityNames, {}, {}};
  r.out.fill(Single(preset));
  Single* v = r.out.data();
  r.status = culvert::soberin::OJ(Q, D, n, I, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10],
                                  v[11]);
  return r;
}

}  // namespace culvert_test
