// Probe entries of the compound tools: CALC of quorvel and of mestra. The
// outputs are printed in parameter order, starting with the wall height that
// CALC rounds in place, and end with `status` (0 solved, 1 no convergence,
// 2 arithmetic fault); a failed call leaves its outputs at 0.
#include "compound/solvers/calc.hpp"
#include "probe_registry.hpp"

namespace probe {
namespace {

using rt::Single;

const std::vector<std::string> kOutputNames = {
    "h1", "CQ", "Q1", "Q2", "Q3", "WA", "W1", "W2", "W3", "H",  "h2", "h3", "A",  "A1", "A2", "A3", "P1", "P2",
    "P3", "R1", "R2", "R3", "N1", "N2", "N3", "N",  "V",  "V1", "V2", "V3", "SH", "hv", "Fr", "Fb", "state"};

// The 35 outputs in kOutputNames order, h1 first.
struct Out {
  Single v[35];
};

Outputs collect(const Out& o, frame::SolveStatus status) {
  Outputs out;
  for (std::size_t k = 0; k < kOutputNames.size(); ++k) out.emplace_back(kOutputNames[k], o.v[k].value());
  out.emplace_back("status", static_cast<float>(static_cast<int>(status)));
  return out;
}

Outputs run_quorvel(const std::vector<float>& in) {
  Single Q = in[0], I = in[1], B = in[2], w = in[4], n1 = in[5], n2 = in[6], n3 = in[7], n4 = in[8], m = in[9],
         m1 = in[10], m2 = in[11], m3 = in[12], Fbp = in[13], Fbs = in[14];
  Out o;
  Single* v = o.v;
  v[0] = in[3];
  const auto status =
      compound::quorvel::CALC(Q, I, B, v[0], w, n1, n2, n3, n4, m, m1, m2, m3, Fbp, Fbs, v[1], v[2], v[3], v[4],
                              v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12], v[13], v[14], v[15], v[16],
                              v[17], v[18], v[19], v[20], v[21], v[22], v[23], v[24], v[25], v[26], v[27], v[28],
                              v[29], v[30], v[31], v[32], v[33], v[34]);
  return collect(o, status);
}

Outputs run_mestra(const std::vector<float>& in) {
  Single Q = in[0], I = in[1], B = in[2], w = in[4], n1 = in[5], n2 = in[6], n3 = in[7], n4 = in[8],
         m1 = in[9], m2 = in[10], m3 = in[11], Fbp = in[12], Fbs = in[13];
  Out o;
  Single* v = o.v;
  v[0] = in[3];
  const auto status =
      compound::mestra::CALC(Q, I, B, v[0], w, n1, n2, n3, n4, m1, m2, m3, Fbp, Fbs, v[1], v[2], v[3], v[4],
                             v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12], v[13], v[14], v[15], v[16],
                             v[17], v[18], v[19], v[20], v[21], v[22], v[23], v[24], v[25], v[26], v[27], v[28],
                             v[29], v[30], v[31], v[32], v[33], v[34]);
  return collect(o, status);
}

}  // namespace

std::vector<Solver> compound_solvers() {
  return {
      {"quorvel", "CALC", {"Q", "I", "B", "h1", "w", "n1", "n2", "n3", "n4", "m", "m1", "m2", "m3", "Fb+", "Fb*"},
       run_quorvel},
      {"mestra", "CALC", {"Q", "I", "B", "h1", "w", "n1", "n2", "n3", "n4", "m1", "m2", "m3", "Fb+", "Fb*"},
       run_mestra},
  };
}

}  // namespace probe
