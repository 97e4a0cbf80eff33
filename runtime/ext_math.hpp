// Power, sine and cosine at extended precision, fast enough for searches
// that take them thousands of times a call.
//
// The C library's powl, sinl and cosl are exact to about an ulp of a long
// double but slow (0.5 µs for powl, 0.15 µs for sinl), and 2^(y · log2 x)
// from its exp2l and log2l loses up to some hundred ulps where y · log2 x is
// large. These work from tables: the power to within 0.7 ulp (the square
// root, x^0.5, to within half an ulp), the sine and cosine to within 1.04
// ulp, at 20 to 40 ns each (tools/check_ext_math.sh measures them against
// 113-bit values). Arguments they are not made for (a base that is not
// positive and finite, an exponent that is not a single or beyond ±3, an
// angle beyond ±16) go to the C library.
//
// Built with RT_C_LIBRARY_MATH defined, they are the C library's functions
// instead (2^(y · log2 x) for the power, as the solvers first had it), so
// that the stored singles of both can be compared (tools/).
#pragma once

namespace rt {

// x^y for a positive finite x and a finite y; other arguments take powl's
// rules.
long double power(long double x, long double y);

// x^y1 and x^y2 of one base, each exactly as power gives it; the two share
// the logarithm of x.
struct PowerPair {
  long double first, second;
};
PowerPair power_pair(long double x, long double y1, long double y2);

struct SineCosine {
  long double sin, cos;
};
SineCosine sin_cos(long double x);

inline long double sin(long double x) { return sin_cos(x).sin; }
inline long double cos(long double x) { return sin_cos(x).cos; }

}  // namespace rt
