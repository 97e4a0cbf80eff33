// Time per call of the open-channel solvers: the programs' defaults and a
// wide channel (B 10, Q 50), with the other inputs at their defaults.
#include <benchmark/benchmark.h>

#include "open_channel/solvers/drasin_solvers.hpp"
#include "open_channel/solvers/velmora_solvers.hpp"

namespace {

using rt::Single;

struct Channel {
  Single Q, B;
};
const Channel kDefaults{0.06f, 0.3f};
const Channel kWide{50.0f, 10.0f};
const Single n = 0.016f, m = 0.3f, I = 200.0f, Fb_plus = 0.1f, Fb_star = 0.07f;

void VJ(benchmark::State& state, Channel c) {
  Single QD, H, hv, Hh, V, W, A, S, R, Fb, Fr, Fbs, dH;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        open_channel::VJ(c.Q, c.B, n, m, I, Fb_plus, Fb_star, QD, H, hv, Hh, V, W, A, S, R, Fb, Fr, Fbs, dH));
    benchmark::ClobberMemory();
  }
}

void VS(benchmark::State& state, Channel c) {
  Single QDc, Hc, Hhc, Vc, Wc, Ac, Sc, Ic, Rc, Fbc, Frc, dHc;
  for (auto _ : state) {
    benchmark::DoNotOptimize(open_channel::VS(c.Q, c.B, n, m, QDc, Hc, Hhc, Vc, Wc, Ac, Sc, Ic, Rc, Fbc, Frc, dHc));
    benchmark::ClobberMemory();
  }
}

void UJ(benchmark::State& state, Channel c) {
  Single QD, H, hv, V, W, A, S, R, Fb, Fr, Fbs, dH;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        open_channel::UJ(c.Q, c.B, n, I, Fb_plus, Fb_star, QD, H, hv, V, W, A, S, R, Fb, Fr, Fbs, dH));
    benchmark::ClobberMemory();
  }
}

void US(benchmark::State& state, Channel c) {
  Single QDc, Hc, Vc, Wc, Ac, Sc, Ic, Rc, Fbc, dHc;
  for (auto _ : state) {
    benchmark::DoNotOptimize(open_channel::US(c.Q, c.B, n, QDc, Hc, Vc, Wc, Ac, Sc, Ic, Rc, Fbc, dHc));
    benchmark::ClobberMemory();
  }
}

}  // namespace

BENCHMARK_CAPTURE(VJ, defaults, kDefaults)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(VJ, wide_B10_Q50, kWide)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(VS, defaults, kDefaults)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(VS, wide_B10_Q50, kWide)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(UJ, defaults, kDefaults)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(UJ, wide_B10_Q50, kWide)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(US, defaults, kDefaults)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(US, wide_B10_Q50, kWide)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
