// The number model of the programs: every stored quantity is a 4-byte single
// precision value, and the arithmetic of one statement runs at the
// processor's extended precision (long double, x87 on x86-64) before the
// result is rounded once to single precision as it is stored.
//
// `Single` makes that rule hard to break: reading a Single yields its exact
// value as a long double, so an expression built from Singles is evaluated in
// long double; assigning the result to a Single rounds it to the nearest
// float. Constants that the calculations hold as singles are written as float
// literals (9.8f), which widen exactly.
//
// Built with RT_TRACE_STORED_SINGLES defined, every value stored into a
// Single is counted into a checksum (stored_single_trace.cpp), so that two
// builds can be shown to store the very same singles, step for step.
#pragma once

#include <cmath>
#include <type_traits>

#include "runtime/ext_math.hpp"

namespace rt {

using Ext = long double;

#ifdef RT_TRACE_STORED_SINGLES
void trace_stored_single(float v);
#endif

class Single {
 public:
  constexpr Single() = default;
  constexpr Single(Ext x) : v_(static_cast<float>(x)) {
#ifdef RT_TRACE_STORED_SINGLES
    if (!std::is_constant_evaluated()) trace_stored_single(v_);
#endif
  }
  constexpr operator Ext() const { return v_; }
  constexpr float value() const { return v_; }

 private:
  float v_ = 0.0f;
};

// Square root at extended precision.
inline Ext sqrt(Ext x) { return sqrtl(x); }

// A value raised to a whole exponent by repeated squaring at extended
// precision: exact wherever the power is representable (10³ is 1000).
inline Ext pow_whole(Ext x, long n) {
  const bool reciprocal = n < 0;
  unsigned long k = reciprocal ? 0UL - static_cast<unsigned long>(n) : static_cast<unsigned long>(n);
  Ext r = 1;
  while (k != 0) {
    if (k & 1) r *= x;
    k >>= 1;
    if (k != 0) x *= x;
  }
  return reciprocal ? 1 / r : r;
}

// True when y is a whole number of at most 64, which it then puts in n.
inline bool small_whole(Ext y, long& n) {
  const double whole = static_cast<double>(y);
  if (!(std::fabs(whole) <= 64) || whole != y) return false;
  n = static_cast<long>(whole);
  return static_cast<double>(n) == whole;
}

// General power at extended precision. A whole exponent (the 10^d of the
// rounding) is worked out by multiplication, so that exact powers come out
// exact; other exponents by rt::power (ext_math.hpp), which is exact to
// within an ulp of a long double and has powl's rules for bases that are not
// positive and finite.
inline Ext pow(Ext base, Ext exponent) {
  long n;
  if (small_whole(exponent, n) && std::isfinite(base)) return pow_whole(base, n);
  return power(base, exponent);
}

// base^y1 and base^y2, each exactly as pow gives it; where neither exponent
// is whole the two share the work on the base.
inline PowerPair pow_pair(Ext base, Ext y1, Ext y2) {
  long n;
  if (small_whole(y1, n) || small_whole(y2, n)) return {pow(base, y1), pow(base, y2)};
  return power_pair(base, y1, y2);
}
inline Ext abs(Ext x) { return fabsl(x); }

// A value raised to a whole exponent (x², x³) by repeated multiplication at
// extended precision, as the statements with integer powers are worked out.
inline Ext powi(Ext x, int n) {
  Ext r = 1;
  for (int k = 0; k < n; ++k) r *= x;
  return r;
}

// Integer part, cut towards zero.
inline Ext fix(Ext x) { return truncl(x); }

// True when a stored number is a finite value (neither infinite nor NaN).
inline bool is_finite(Single x) { return std::isfinite(x.value()); }

}  // namespace rt
