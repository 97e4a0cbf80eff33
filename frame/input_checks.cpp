#include "frame/input_checks.hpp"

namespace frame {

std::string out_of_range_message(const std::string& name) { return "[ " + name + " ] の値が範囲外です"; }

std::optional<std::string> first_input_error(const std::vector<InputCheck>& checks) {
  for (const InputCheck& c : checks) {
    if (!rt::is_finite(c.value)) return out_of_range_message(c.name);
    if (c.rule == Rule::positive && !(c.value > 0)) return "[ " + c.name + " > 0 ] にしてください";
    if (c.rule == Rule::not_negative && !(c.value >= 0)) return "[ " + c.name + " ≧ 0 ] にしてください";
  }
  return std::nullopt;
}

std::string flow_state_text(Single fr) {
  if (fr < 1) return "<1 常　流";
  if (fr == 1) return "=1 限界流";
  return ">1 射　流";
}

std::string solver_failure_message(const std::string& what, SolveStatus status) {
  const std::string advice = "\r\n入力値を確認してください。";
  if (status == SolveStatus::no_convergence) return what + "の水深が求まりませんでした。" + advice;
  return what + "で数値が計算できる範囲を超えました。" + advice;
}

}  // namespace frame
