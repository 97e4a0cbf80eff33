// Probe entries of the culvert tools: OJ and OS of palwick, OJ of soberin.
// The outputs are printed in parameter order, the flag ok included, and end
// with `status` (0 solved, 1 no convergence, 2 arithmetic fault); outputs
// that a failed call leaves untouched print as 0.
#include "culvert/solvers/palwick_solvers.hpp"
#include "culvert/solvers/soberin_solver.hpp"
#include "probe_registry.hpp"

namespace probe {
namespace {

using rt::Single;

Outputs named(const std::vector<std::string>& names, const Single* values, frame::SolveStatus status) {
  Outputs out;
  for (std::size_t k = 0; k < names.size(); ++k) out.emplace_back(names[k], values[k].value());
  out.emplace_back("status", static_cast<float>(static_cast<int>(status)));
  return out;
}

Outputs run_palwick_oj(const std::vector<float>& in) {
  Single Q = in[0], D = in[1], n = in[2], I = in[3];
  Single v[12];
  const auto status = culvert::palwick::OJ(Q, D, n, I, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8],
                                           v[9], v[10], v[11]);
  return named({"theta", "QD", "H", "V", "W", "A", "P", "R", "Fb", "Fr", "free_pct", "ok"}, v, status);
}

Outputs run_palwick_os(const std::vector<float>& in) {
  Single Q = in[0], D = in[1], n = in[2];
  Single v[12];
  const auto status =
      culvert::palwick::OS(Q, D, n, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11]);
  return named({"Ic", "thetac", "QDc", "Hc", "Vc", "Wc", "Ac", "Pc", "Rc", "Fbc", "free_pct", "ok"}, v, status);
}

Outputs run_soberin_oj(const std::vector<float>& in) {
  Single Q = in[0], D = in[1], n = in[2], I = in[3];
  Single v[12];
  const auto status = culvert::soberin::OJ(Q, D, n, I, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8],
                                           v[9], v[10], v[11]);
  return named({"theta", "Qmax", "H", "V", "W", "A", "P", "R", "Fb", "Fr", "HD_pct", "ok"}, v, status);
}

}  // namespace

std::vector<Solver> culvert_solvers() {
  return {
      {"palwick", "OJ", {"Q", "D", "n", "I"}, run_palwick_oj},
      {"palwick", "OS", {"Q", "D", "n"}, run_palwick_os},
      {"soberin", "OJ", {"Q", "D", "n", "I"}, run_soberin_oj},
  };
}

}  // namespace probe
