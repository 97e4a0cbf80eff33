// Time per call of the compound-section solver (CALC of quorvel and mestra)
// and of the pipe solvers (OJ and OS of palwick, OJ of soberin), each on its
// program's default inputs, and soberin's search with every designed step
// worked out.
#include <benchmark/benchmark.h>

#include "compound/solvers/calc.hpp"
#include "culvert/solvers/capacity_search.hpp"
#include "culvert/solvers/palwick_solvers.hpp"
#include "culvert/solvers/soberin_solver.hpp"

namespace {

using rt::Single;

struct CompoundResults {
  Single CQ, Q1, Q2, Q3, WA, W1, W2, W3, H, h2, h3, A, A1, A2, A3, P1, P2, P3, R1, R2, R3, N1, N2, N3, N, V, V1,
      V2, V3, SH, hv, Fr, Fb, state;
};

void BM_quorvel_CALC(benchmark::State& state) {
  CompoundResults r;
  for (auto _ : state) {
    // CALC rounds the wall height in place, so every call starts afresh.
    Single Q = 3.45f, I = 200, B = 0.8f, h1 = 0.8f, w = 0.6f, n1 = 0.016f, n2 = 0.03f, n3 = 0.03f, n4 = 0.03f,
           m = 0.3f, m1 = 5, m2 = 1, m3 = 1, Fbp = 0.1f, Fbs = 0.07f;
    benchmark::DoNotOptimize(compound::quorvel::CALC(
        Q, I, B, h1, w, n1, n2, n3, n4, m, m1, m2, m3, Fbp, Fbs, r.CQ, r.Q1, r.Q2, r.Q3, r.WA, r.W1, r.W2, r.W3,
        r.H, r.h2, r.h3, r.A, r.A1, r.A2, r.A3, r.P1, r.P2, r.P3, r.R1, r.R2, r.R3, r.N1, r.N2, r.N3, r.N, r.V,
        r.V1, r.V2, r.V3, r.SH, r.hv, r.Fr, r.Fb, r.state));
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_quorvel_CALC);

void BM_mestra_CALC(benchmark::State& state) {
  CompoundResults r;
  for (auto _ : state) {
    Single Q = 3.45f, I = 200, B = 0.8f, h1 = 0.8f, w = 0.6f, n1 = 0.016f, n2 = 0.03f, n3 = 0.03f, n4 = 0.03f,
           m1 = 5, m2 = 1, m3 = 1, Fbp = 0.1f, Fbs = 0.07f;
    benchmark::DoNotOptimize(compound::mestra::CALC(
        Q, I, B, h1, w, n1, n2, n3, n4, m1, m2, m3, Fbp, Fbs, r.CQ, r.Q1, r.Q2, r.Q3, r.WA, r.W1, r.W2, r.W3, r.H,
        r.h2, r.h3, r.A, r.A1, r.A2, r.A3, r.P1, r.P2, r.P3, r.R1, r.R2, r.R3, r.N1, r.N2, r.N3, r.N, r.V, r.V1,
        r.V2, r.V3, r.SH, r.hv, r.Fr, r.Fb, r.state));
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_mestra_CALC);

void BM_palwick_OJ(benchmark::State& state) {
  Single Q = 0.3f, D = 0.6f, n = 0.016f, I = 200;
  Single out[12];
  for (auto _ : state) {
    benchmark::DoNotOptimize(culvert::palwick::OJ(Q, D, n, I, out[0], out[1], out[2], out[3], out[4], out[5],
                                                  out[6], out[7], out[8], out[9], out[10], out[11]));
    benchmark::DoNotOptimize(out);
  }
}
BENCHMARK(BM_palwick_OJ);

void BM_palwick_OS(benchmark::State& state) {
  Single Q = 0.3f, D = 0.6f, n = 0.016f;
  Single out[12];
  for (auto _ : state) {
    benchmark::DoNotOptimize(culvert::palwick::OS(Q, D, n, out[0], out[1], out[2], out[3], out[4], out[5], out[6],
                                                  out[7], out[8], out[9], out[10], out[11]));
    benchmark::DoNotOptimize(out);
  }
}
BENCHMARK(BM_palwick_OS);

void BM_soberin_OJ(benchmark::State& state) {
  Single Q = 0.3f, D = 0.6f, n = 0.013f, I = 200;
  Single out[12];
  for (auto _ : state) {
    benchmark::DoNotOptimize(culvert::soberin::OJ(Q, D, n, I, out[0], out[1], out[2], out[3], out[4], out[5],
                                                  out[6], out[7], out[8], out[9], out[10], out[11]));
    benchmark::DoNotOptimize(out);
  }
}
BENCHMARK(BM_soberin_OJ);

// The same search with every one of its about 2,700 steps of 0.0001 rad
// worked out (OJ passes over the first 2,238, whose discharge surely grows):
// what the designed steps alone cost.
void BM_soberin_every_step(benchmark::State& state) {
  culvert::soberin::CapacityFlow flow;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        culvert::soberin::solve_capacity(0.6f, 0.013f, 200, culvert::soberin::CapacitySteps::every_step, flow));
    benchmark::DoNotOptimize(flow);
  }
}
BENCHMARK(BM_soberin_every_step);

}  // namespace
