// Measures the program's power, sine and cosine (runtime/ext_math.cpp)
// against 113-bit values (libquadmath) and against the C library's long
// double functions that the solvers used before (2^(y · log2 x), sinl,
// cosl): the largest error in ulps of a long double, and how many singles
// of the value and of a statement that uses it come out differently.
// Built and run by tools/check_ext_math.sh.
#include <quadmath.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include "runtime/ext_math.hpp"

namespace {

using Ext = long double;

Ext ulps(Ext a, __float128 exact) {
  const Ext e = static_cast<Ext>(exact);
  if (e == 0) return a == 0 ? 0 : INFINITY;
  int k;
  frexpl(e, &k);
  return fabsl(static_cast<Ext>(static_cast<__float128>(a) - exact)) / ldexpl(1.0L, k - 64);
}

struct Tally {
  long count = 0;
  Ext worst_new = 0, worst_old = 0;
  long single_differs = 0;        // single(new) != single(old)
  long statement_differs = 0;     // single(q · value) differs, q a random single
  long new_single_wrong = 0;      // single(new) != single(exact)
  long old_single_wrong = 0;

  void add(Ext fresh, Ext old, __float128 exact, float q) {
    ++count;
    worst_new = fmaxl(worst_new, ulps(fresh, exact));
    worst_old = fmaxl(worst_old, ulps(old, exact));
    const float exact_single = static_cast<float>(exact);
    single_differs += static_cast<float>(fresh) != static_cast<float>(old);
    statement_differs += static_cast<float>(q * fresh) != static_cast<float>(q * old);
    new_single_wrong += static_cast<float>(fresh) != exact_single;
    old_single_wrong += static_cast<float>(old) != exact_single;
  }

  void print(const char* what) const {
    std::printf("%-30s %8ld arguments: worst %.3Lf ulp (before %.2Lf ulp); singles that differ from before: "
                "%ld of the value, %ld of q·value; singles not the exact one: %ld (before %ld)\n",
                what, count, worst_new, worst_old, single_differs, statement_differs, new_single_wrong,
                old_single_wrong);
  }
};

float random_single(std::mt19937_64& gen, int lowest_exponent, int highest_exponent) {
  const std::uint32_t e = static_cast<std::uint32_t>(127 + lowest_exponent) +
                          static_cast<std::uint32_t>(gen() % static_cast<std::uint64_t>(highest_exponent - lowest_exponent + 1));
  const std::uint32_t bits = (e << 23) | static_cast<std::uint32_t>(gen() & 0x7fffff);
  float x;
  std::memcpy(&x, &bits, 4);
  return x;
}

}  // namespace

int main(int argc, char** argv) {
  const long n = argc > 1 ? std::atol(argv[1]) : 1000000;
  std::mt19937_64 gen(81);
  const float exponents[] = {0.6666667f, 1.6666666f, -0.33333334f, 0.33333334f, 2.6666667f, 1.5f, 0.5f, -0.5f};
  for (const float y : exponents) {
    Tally singles, extended;
    for (long k = 0; k < n; ++k) {
      // Bases as the statements form them: a stored single, or a long double
      // expression of singles.
      const Ext x = k % 2 == 0 ? static_cast<Ext>(random_single(gen, -60, 60))
                               : static_cast<Ext>(random_single(gen, -60, 60)) * random_single(gen, 0, 0) +
                                     random_single(gen, -90, -30);
      const float q = random_single(gen, -3, 3);
      Tally& t = k % 2 == 0 ? singles : extended;
      t.add(rt::power(x, y), exp2l(y * log2l(x)), powq(static_cast<__float128>(x), static_cast<__float128>(y)), q);
    }
    char what[64];
    std::snprintf(what, sizeof what, "x^%.9g (x a single)", static_cast<double>(y));
    singles.print(what);
    std::snprintf(what, sizeof what, "x^%.9g (x long double)", static_cast<double>(y));
    extended.print(what);
  }
  Tally sine, cosine;
  std::uniform_real_distribution<double> angle(-16, 16);
  for (long k = 0; k < 2 * n; ++k) {
    Ext x = angle(gen);
    if (k % 4 == 0) x = random_single(gen, -2, 2);  // the singles of the pipe angles
    const float q = random_single(gen, -3, 3);
    const rt::SineCosine v = rt::sin_cos(x);
    sine.add(v.sin, sinl(x), sinq(static_cast<__float128>(x)), q);
    cosine.add(v.cos, cosl(x), cosq(static_cast<__float128>(x)), q);
  }
  sine.print("sin x, |x| <= 16");
  cosine.print("cos x, |x| <= 16");
  return 0;
}
