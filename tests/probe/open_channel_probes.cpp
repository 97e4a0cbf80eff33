// The open-channel solvers in the solve probe: inputs in the solvers' own
// parameter order, every output by its symbol, then STATUS (0 solved,
// 1 no convergence, 2 arithmetic fault; on a failure the outputs stay 0).
#include "frame/solve_status.hpp"
#include "open_channel/solvers/drasin_solvers.hpp"
#include "open_channel/solvers/velmora_solvers.hpp"
#include "probe_registry.hpp"

namespace probe {

namespace {

using rt::Single;

float status_number(frame::SolveStatus status) {
  switch (status) {
    case frame::SolveStatus::solved:
      return 0;
    case frame::SolveStatus::no_convergence:
      return 1;
    case frame::SolveStatus::arithmetic_fault:
      return 2;
  }
  return -1;
}

Outputs run_VJ(const std::vector<float>& in) {
  const Single Q = in[0], B = in[1], n = in[2], m = in[3], I = in[4], Fb_plus = in[5], Fb_star = in[6];
  Single QD, H, hv, Hh, V, W, A, S, R, Fb, Fr, Fbs, dH;
  const auto status = open_channel::VJ(Q, B, n, m, I, Fb_plus, Fb_star, QD, H, hv, Hh, V, W, A, S, R, Fb, Fr, Fbs, dH);
  return {{"QD", QD.value()}, {"H", H.value()},   {"hv", hv.value()},   {"Hh", Hh.value()},
          {"V", V.value()},   {"W", W.value()},   {"A", A.value()},     {"S", S.value()},
          {"R", R.value()},   {"Fb", Fb.value()}, {"Fr", Fr.value()},   {"Fbs", Fbs.value()},
          {"dH", dH.value()}, {"STATUS", status_number(status)}};
}

Outputs run_VS(const std::vector<float>& in) {
  const Single Q = in[0], B = in[1], n = in[2], m = in[3];
  Single QDc, Hc, Hhc, Vc, Wc, Ac, Sc, Ic, Rc, Fbc, Frc, dHc;
  const auto status = open_channel::VS(Q, B, n, m, QDc, Hc, Hhc, Vc, Wc, Ac, Sc, Ic, Rc, Fbc, Frc, dHc);
  return {{"QDc", QDc.value()}, {"Hc", Hc.value()},   {"Hhc", Hhc.value()}, {"Vc", Vc.value()},
          {"Wc", Wc.value()},   {"Ac", Ac.value()},   {"Sc", Sc.value()},   {"Ic", Ic.value()},
          {"Rc", Rc.value()},   {"Fbc", Fbc.value()}, {"Frc", Frc.value()}, {"dHc", dHc.value()},
          {"STATUS", status_number(status)}};
}

Outputs run_UJ(const std::vector<float>& in) {
  const Single Q = in[0], B = in[1], n = in[2], I = in[3], Fb_plus = in[4], Fb_star = in[5];
  Single QD, H, hv, V, W, A, S, R, Fb, Fr, Fbs, dH;
  const auto status = open_channel::UJ(Q, B, n, I, Fb_plus, Fb_star, QD, H, hv, V, W, A, S, R, Fb, Fr, Fbs, dH);
  return {{"QD", QD.value()}, {"H", H.value()},   {"hv", hv.value()}, {"V", V.value()},
          {"W", W.value()},   {"A", A.value()},   {"S", S.value()},   {"R", R.value()},
          {"Fb", Fb.value()}, {"Fr", Fr.value()}, {"Fbs", Fbs.value()}, {"dH", dH.value()},
          {"STATUS", status_number(status)}};
}

Outputs run_US(const std::vector<float>& in) {
  const Single Q = in[0], B = in[1], n = in[2];
  Single QDc, Hc, Vc, Wc, Ac, Sc, Ic, Rc, Fbc, dHc;
  const auto status = open_channel::US(Q, B, n, QDc, Hc, Vc, Wc, Ac, Sc, Ic, Rc, Fbc, dHc);
  return {{"QDc", QDc.value()}, {"Hc", Hc.value()}, {"Vc", Vc.value()},   {"Wc", Wc.value()},
          {"Ac", Ac.value()},   {"Sc", Sc.value()}, {"Ic", Ic.value()},   {"Rc", Rc.value()},
          {"Fbc", Fbc.value()}, {"dHc", dHc.value()}, {"STATUS", status_number(status)}};
}

}  // namespace

std::vector<Solver> open_channel_solvers() {
  return {
      {"velmora", "VJ", {"Q", "B", "n", "m", "I", "Fb+", "Fb*"}, run_VJ},
      {"velmora", "VS", {"Q", "B", "n", "m"}, run_VS},
      {"drasin", "UJ", {"Q", "B", "n", "I", "Fb+", "Fb*"}, run_UJ},
      {"drasin", "US", {"Q", "B", "n"}, run_US},
  };
}

}  // namespace probe
