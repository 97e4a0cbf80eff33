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
#pragma once

#include <cmath>

namespace rt {

using Ext = long double;

class Single {
 public:
  constexpr Single() = default;
  constexpr Single(Ext x) : v_(static_cast<float>(x)) {}
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

// General power at extended precision. A whole exponent (the 10^d of the
// rounding) is worked out by multiplication, so that exact powers come out
// exact. Other exponents of a positive finite base are worked out as the
// processor's own logarithm and exponential instructions do,
// 2^(y · log2 x), eight times faster than powl with the same
// single-precision results; other bases (zero, negative, not finite) take
// powl's rules.
inline Ext pow(Ext base, Ext exponent) {
  if (std::isfinite(base) && exponent == truncl(exponent) && fabsl(exponent) <= 64) {
    return pow_whole(base, static_cast<long>(exponent));
  }
  if (base > 0 && std::isfinite(base) && std::isfinite(exponent)) return exp2l(exponent * log2l(base));
  return powl(base, exponent);
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
