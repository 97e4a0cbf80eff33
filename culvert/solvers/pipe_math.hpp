// Shared pieces of the pipe solvers: the single-precision π they hold, the
// exponents they write as single constants, and the checks that keep a
// non-finite value from passing as a result. Sine and cosine are rt::sin and
// rt::cos at extended precision.
#pragma once

#include <cmath>
#include <initializer_list>

#include "frame/number_display.hpp"
#include "runtime/number.hpp"

namespace culvert::detail {

using rt::Ext;
using rt::Single;

constexpr float kPi = 3.1415927f;        // π as the solvers hold it
constexpr float kTwoThirds = 0.6666667f;  // 2/3
constexpr float kFiveThirds = 1.6666666f;
constexpr float kEightThirds = 2.6666667f;
constexpr float kMinusOneThird = -0.33333334f;

inline Single round3(Single x) { return frame::RC45(x, 3); }

inline bool all_finite(std::initializer_list<Single> values) {
  for (Single v : values) {
    if (!rt::is_finite(v)) return false;
  }
  return true;
}

}  // namespace culvert::detail
