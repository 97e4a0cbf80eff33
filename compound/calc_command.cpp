#include "compound/calc_command.hpp"

#include "frame/calc_display.hpp"
#include "frame/number_display.hpp"
#include "runtime/services.hpp"

namespace compound {

namespace {

using frame::CHR_TO_STR;
using frame::LabelTexts;
using frame::show_error;

const Single kSingleSection = 2.0f;
const char kCalculationName[] = "複断面計算";

}  // namespace

std::string section_state_text(Single state) {
  return state == kSingleSection ? "＞＞＞ 単断面 ＜＜＜" : "複断面";
}

// The solver works on a copy of the model, and the window shows its results
// only when it ended in finite results: a calculation that cannot finish
// says so and leaves the inputs (the wall height too), the results, the
// labels and 印刷 as they were.
void CALC_ON(frame::MainModule& main, Model& m, const CalcTable& t) {
  main.main_form.set_focus();

  std::vector<frame::InputCheck> checks;
  for (const CalcInput& in : t.inputs) checks.push_back({m.*in.input, in.rule, in.name});
  if (const auto error = frame::first_input_error(checks)) return show_error(main, *error, frame::kInputErrorTitle);

  // Each input as used, rounded on a copy; the inputs themselves go to the
  // solver as typed.
  LabelTexts used;
  for (const CalcInput& in : t.inputs) {
    const std::optional<std::string> shown = frame::used_value_text(m.*in.input);
    if (!shown) return show_error(main, frame::out_of_range_message(in.name), frame::kInputErrorTitle);
    used.emplace_back(in.used_label, *shown);
  }

  Model s = m;
  const frame::SolveStatus status = t.solve(s);
  if (status != frame::SolveStatus::solved) {
    return show_error(main, frame::solver_failure_message(kCalculationName, status), frame::kCalculationErrorTitle);
  }
  s.regime_text = frame::flow_state_text(s.froude_fr);

  const LabelTexts results = {{"text45", CHR_TO_STR(s.depth_h)},
                              {"text46", CHR_TO_STR(s.depth_h2)},
                              {"text47", CHR_TO_STR(s.step_rise_h3)},
                              {"text48", CHR_TO_STR(s.froude_fr)},
                              {"text58", s.regime_text},
                              {"text52", CHR_TO_STR(s.total_discharge_cq)},
                              {"text53", CHR_TO_STR(s.velocity_v)},
                              {"text54", CHR_TO_STR(s.freeboard_fb)},
                              {"text60", section_state_text(s.section_state)}};

  m = s;
  m.calculated = sheet_numbers(s);
  frame::show_labels(main, used);
  frame::show_labels(main, results);
  // The single-section line comes with the desktop's standard beep.
  if (s.section_state == kSingleSection) rt::beep();
  main.main_form.menu_item("PRNT").set_enabled(true);
}

}  // namespace compound
