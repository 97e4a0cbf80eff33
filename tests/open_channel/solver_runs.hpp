// Runs the four open-channel solvers through their by-reference interfaces
// and collects each output under its symbol, so tables can name the values.
#pragma once

#include <map>
#include <string>

#include "frame/solve_status.hpp"
#include "open_channel/solvers/drasin_solvers.hpp"
#include "open_channel/solvers/velmora_solvers.hpp"

namespace open_channel_test {

using rt::Single;

struct SolverRun {
  frame::SolveStatus status;
  std::map<std::string, Single> out;
};

// `preset` fills every output before the call, so a test can see whether a
// failed call left them alone.
inline SolverRun run_VJ(Single Q, Single B, Single n, Single m, Single I, Single Fb_plus, Single Fb_star,
                  Single preset = 0) {
  Single QD = preset, H = preset, hv = preset, Hh = preset, V = preset, W = preset, A = preset, S = preset,
         R = preset, Fb = preset, Fr = preset, Fbs = preset, dH = preset;
  const auto status = open_channel::VJ(Q, B, n, m, I, Fb_plus, Fb_star, QD, H, hv, Hh, V, W, A, S, R, Fb, Fr, Fbs, dH);
  return {status, {{"QD", QD}, {"H", H}, {"hv", hv}, {"Hh", Hh}, {"V", V}, {"W", W}, {"A", A}, {"S", S},
                   {"R", R}, {"Fb", Fb}, {"Fr", Fr}, {"Fbs", Fbs}, {"dH", dH}}};
}

inline SolverRun run_VS(Single Q, Single B, Single n, Single m, Single preset = 0) {
  Single QDc = preset, Hc = preset, Hhc = preset, Vc = preset, Wc = preset, Ac = preset, Sc = preset,
         Ic = preset, Rc = preset, Fbc = preset, Frc = preset, dHc = preset;
  const auto status = open_channel::VS(Q, B, n, m, QDc, Hc, Hhc, Vc, Wc, Ac, Sc, Ic, Rc, Fbc, Frc, dHc);
  return {status, {{"QDc", QDc}, {"Hc", Hc}, {"Hhc", Hhc}, {"Vc", Vc}, {"Wc", Wc}, {"Ac", Ac}, {"Sc", Sc},
                   {"Ic", Ic}, {"Rc", Rc}, {"Fbc", Fbc}, {"Frc", Frc}, {"dHc", dHc}}};
}

inline SolverRun run_UJ(Single Q, Single B, Single n, Single I, Single Fb_plus, Single Fb_star, Single preset = 0) {
  Single QD = preset, H = preset, hv = preset, V = preset, W = preset, A = preset, S = preset, R = preset,
         Fb = preset, Fr = preset, Fbs = preset, dH = preset;
  const auto status = open_channel::UJ(Q, B, n, I, Fb_plus, Fb_star, QD, H, hv, V, W, A, S, R, Fb, Fr, Fbs, dH);
  return {status, {{"QD", QD}, {"H", H}, {"hv", hv}, {"V", V}, {"W", W}, {"A", A}, {"S", S}, {"R", R},
                   {"Fb", Fb}, {"Fr", Fr}, {"Fbs", Fbs}, {"dH", dH}}};
}

inline SolverRun run_US(Single Q, Single B, Single n, Single preset = 0) {
  Single QDc = preset, Hc = preset, Vc = preset, Wc = preset, Ac = preset, Sc = preset, Ic = preset,
         Rc = preset, Fbc = preset, dHc = preset;
  const auto status = open_channel::US(Q, B, n, QDc, Hc, Vc, Wc, Ac, Sc, Ic, Rc, Fbc, dHc);
  return {status, {{"QDc", QDc}, {"Hc", Hc}, {"Vc", Vc}, {"Wc", Wc}, {"Ac", Ac}, {"Sc", Sc}, {"Ic", Ic},
                   {"Rc", Rc}, {"Fbc", Fbc}, {"dHc", dHc}}};
}

}  // namespace open_channel_test
