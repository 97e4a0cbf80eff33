#include "culvert/calc_inputs.hpp"

#include "frame/input_checks.hpp"

namespace culvert {

using frame::show_error;

bool take_inputs(frame::MainModule& main, const std::vector<CalcInput>& inputs, Model& s, LabelTexts* texts) {
  main.main_form.set_focus();

  std::vector<frame::InputCheck> checks;
  for (const CalcInput& in : inputs) checks.push_back({s.*in.input, frame::Rule::positive, in.name});
  if (const auto error = frame::first_input_error(checks)) {
    show_error(main, *error, frame::kInputErrorTitle);
    return false;
  }

  for (const CalcInput& in : inputs) s.*in.working_copy = s.*in.input;

  // The working copies stay unrounded; only what is shown is rounded.
  for (const CalcInput& in : inputs) {
    if (in.used_label.empty()) continue;
    const std::optional<std::string> shown = frame::used_value_text(s.*in.working_copy);
    if (!shown) {
      show_error(main, frame::out_of_range_message(in.name), frame::kInputErrorTitle);
      return false;
    }
    texts->emplace_back(in.used_label, *shown);
  }
  return true;
}

void show_calculation_error(frame::MainModule& main, const std::string& what, frame::SolveStatus status) {
  show_error(main, frame::solver_failure_message(what, status), frame::kCalculationErrorTitle);
}

}  // namespace culvert
