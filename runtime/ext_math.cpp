#include "runtime/ext_math.hpp"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "runtime/ext_math_tables.hpp"

namespace rt {

using Ext = long double;

#ifndef RT_C_LIBRARY_MATH

using namespace ext_math_tables;

namespace {

// The nearest integer, by the processor's own conversion (round to nearest).
inline std::int64_t nearest_integer(Ext x) {
  std::int64_t n;
  asm("fistpll %0" : "=m"(n) : "t"(x) : "st");
  return n;
}

// The significand (with its explicit leading bit) and the biased exponent of
// a long double.
struct Parts {
  std::uint64_t significand;
  std::uint16_t biased_exponent;  // the sign is 0 for the values passed here
};
inline Parts parts_of(Ext x) {
  unsigned char bytes[10];
  std::memcpy(bytes, &x, sizeof bytes);
  Parts p;
  std::memcpy(&p.significand, bytes, 8);
  std::memcpy(&p.biased_exponent, bytes + 8, 2);
  return p;
}
inline Ext two_to_the(int k) {  // 2^k for a k within the normal range
  if (k >= -64 && k <= 63) return kTwoToThe[k + 64];
  const std::uint64_t significand = std::uint64_t{1} << 63;
  const std::uint16_t biased_exponent = static_cast<std::uint16_t>(16383 + k);
  unsigned char bytes[10];
  std::memcpy(bytes, &significand, 8);
  std::memcpy(bytes + 8, &biased_exponent, 2);
  Ext r;
  std::memcpy(&r, bytes, sizeof bytes);
  return r;
}

// c[0] + c[1]·x + … + c[6]·x⁶, evaluated in pairs to keep the chain short.
inline double poly7(const double* c, double x) {
  const double x2 = x * x, x4 = x2 * x2;
  return (c[0] + c[1] * x) + x2 * (c[2] + c[3] * x) + x4 * ((c[4] + c[5] * x) + x2 * c[6]);
}

// x^y for a normal positive x and a single y with 2^-20 ≤ |y| ≤ 3.
//
// log2 x = e + log2 c + log2(1 + r) with x = 2^e · m, c = 1 + j/256 the
// table point nearest m and r = (m − c)/c, |r| ≤ 2^-9. y · (e + the first 24
// bits of log2 c) is exact; it gives the integer N nearest 256 times it, and
// 2^(y · log2 x) = 2^(N/256) · 2^t with t = y · log2 x − N/256 small. Each
// correction term is carried in the precision it needs: long double for
// those near the size of the result's last bits, double for the ones far
// below them. The parts of log2 x come first and do not depend on y, so two
// powers of one base share them.
struct Log2Parts {
  Ext whole;        // e + the first 24 bits of log2 c, exact
  Ext r;            // (m − c)/c
  double r_double;  // the same as a double
  double low;       // the rest of log2 c, and log2(1 + r) beyond its first term
};

[[gnu::always_inline]] inline Log2Parts log2_parts(Ext x) {
  const Parts p = parts_of(x);
  const int e = static_cast<int>(p.biased_exponent) - 16383;
  const std::uint64_t fraction = p.significand - (std::uint64_t{1} << 63);
  const unsigned j = static_cast<unsigned>((fraction + (std::uint64_t{1} << 54)) >> 55);
  const LogRow& row = kLog[j];
  const std::int64_t m_minus_c = static_cast<std::int64_t>(fraction - (std::uint64_t{j} << 55));  // · 2^-63
  const double rd = static_cast<double>(m_minus_c) * 0x1p-63 * row.inverse_double;
  return {static_cast<Ext>(e) + static_cast<Ext>(row.log2_high), static_cast<Ext>(m_minus_c) * 0x1p-63L * row.inverse,
          rd, row.log2_low + rd * rd * poly7(kLogQ, rd)};
}

// 2^(y · log2 x) from the parts of log2 x, or false where the result would
// leave the normal range.
[[gnu::always_inline]] inline bool raise(const Log2Parts& log2x, float yf, Ext& result) {
  const Ext y = yf;
  const double yd = yf;
  const Ext z_high = y * log2x.whole;
  const std::int64_t N = nearest_integer(z_high * 256);
  const int scale = static_cast<int>(N >> 8);
  if (scale < -16300 || scale > 16300) return false;
  const Ext t_exact_part = z_high - static_cast<Ext>(N) * 0x1p-8L;
  const Ext z_r = (y * kInvLn2) * log2x.r;
  const double z_small = yd * log2x.low;
  const double td = static_cast<double>(t_exact_part) + yd * 1.4426950408889634 * log2x.r_double + z_small;
  const double exp_small = td * td * poly7(kExpE, td);

  const Ext t = (t_exact_part + z_r) + static_cast<Ext>(z_small);
  const Ext two_t_minus_1 = t * kLn2 + static_cast<Ext>(exp_small);
  const ExpRow& power_row = kExp[N & 255];
  const Ext mantissa = power_row.high + (power_row.high * two_t_minus_1 + power_row.low);
  result = mantissa * two_to_the(scale);
  return true;
}

// True for the exponents the tables take: singles with 2^-20 ≤ |y| ≤ 3.
bool table_exponent(Ext y) {
  const Ext magnitude = fabsl(y);
  return static_cast<float>(y) == y && magnitude >= 0x1p-20L && magnitude <= 3;
}

// sin(j·π/64 + s + rho) for |j| ≤ 2, worked out from the zero of the sine,
// where the table's sum would lose digits to cancellation.
Ext sine_near_zero(std::int64_t j, Ext s, Ext rho) {
  const Ext jj = static_cast<Ext>(j);
  const Ext a1 = jj * kPi64[0], a2 = jj * kPi64[1];
  const Ext a = a1 + a2;
  const Ext r = a + s;
  const Ext r_low = ((a - r) + s) + (((a1 - a) + a2) + (jj * kPi64[2] + rho));
  const double rd = static_cast<double>(r), u = rd * rd;
  const double tail =
      rd * u * u *
      (kSinNearZero[0] +
       u * (kSinNearZero[1] + u * (kSinNearZero[2] + u * (kSinNearZero[3] + u * (kSinNearZero[4] + u * kSinNearZero[5])))));
  return r + ((r * r * r * kMinusSixth + static_cast<Ext>(tail)) + r_low);
}

}  // namespace

Ext power(Ext x, Ext y) {
  if (!(x > 0) || !std::isfinite(x) || !std::isfinite(y)) return powl(x, y);
  if (y == 0.5L) return sqrtl(x);  // the square root is exact to half an ulp
  Ext result;
  if (table_exponent(y) && std::isnormal(x) && raise(log2_parts(x), static_cast<float>(y), result)) return result;
  return powl(x, y);
}

PowerPair power_pair(Ext x, Ext y1, Ext y2) {
  if (x > 0 && std::isnormal(x) && table_exponent(y1) && table_exponent(y2) && y1 != 0.5L && y2 != 0.5L) {
    const Log2Parts log2x = log2_parts(x);
    PowerPair p;
    if (raise(log2x, static_cast<float>(y1), p.first) && raise(log2x, static_cast<float>(y2), p.second)) return p;
  }
  return {power(x, y1), power(x, y2)};
}

// x = n·π/64 + s + rho with |s| ≤ π/128 (s and rho the high and low part of
// the remainder, from π/64 in three parts); sin x and cos x follow from the
// table's sin(n·π/64) and cos(n·π/64) = sin((n + 32)·π/64) by the addition
// theorem, or near a zero of either from sine_near_zero.
SineCosine sin_cos(Ext x) {
  if (!(fabsl(x) <= 16)) return {sinl(x), cosl(x)};
  const std::int64_t n = nearest_integer(x * k64OverPi);
  const Ext nn = static_cast<Ext>(n);
  const Ext t1 = x - nn * kPi64[0];
  const Ext p2 = nn * kPi64[1];
  const Ext s = t1 - p2;
  const Ext rho = ((t1 - s) - p2) - nn * kPi64[2];
  const SineRow& a = kSine[n & 127];
  const SineRow& b = kSine[(n + 32) & 127];
  const double sd = static_cast<double>(s), u = sd * sd;
  const double sin_tail = sd * u * (kSinS[0] + u * (kSinS[1] + u * (kSinS[2] + u * kSinS[3])));
  const double cos_tail = u * u * (kCosC[0] + u * (kCosC[1] + u * kCosC[2]));
  const Ext sin_s = (s + static_cast<Ext>(sin_tail)) + rho;
  const Ext cos_s_minus_1 = static_cast<Ext>(cos_tail) - s * s * 0.5L;
  SineCosine v{a.high + ((a.high * cos_s_minus_1 + b.high * sin_s) + static_cast<Ext>(a.low)),
               b.high + ((b.high * cos_s_minus_1 - a.high * sin_s) + static_cast<Ext>(b.low))};
  // n within 2 of a multiple of 64 puts x near a zero of the sine, n + 32
  // near one of the cosine; the sign follows the half turns.
  if (((n + 2) & 63) <= 4) {
    const Ext z = sine_near_zero(((n + 2) & 63) - 2, s, rho);
    v.sin = (((n + 2) >> 6) & 1) ? -z : z;
  }
  if (((n + 34) & 63) <= 4) {
    const Ext z = sine_near_zero(((n + 34) & 63) - 2, s, rho);
    v.cos = (((n + 34) >> 6) & 1) ? -z : z;
  }
  return v;
}

#else

Ext power(Ext x, Ext y) {
  if (x > 0 && std::isfinite(x) && std::isfinite(y)) return exp2l(y * log2l(x));
  return powl(x, y);
}

PowerPair power_pair(Ext x, Ext y1, Ext y2) { return {power(x, y1), power(x, y2)}; }

SineCosine sin_cos(Ext x) { return {sinl(x), cosl(x)}; }

#endif

}  // namespace rt
