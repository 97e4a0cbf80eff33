// CALC_ON of soberin: the largest discharge of the pipe and its flow state.
#include "culvert/calc_command.hpp"
#include "culvert/calc_inputs.hpp"
#include "culvert/solver_calls.hpp"
#include "frame/input_checks.hpp"
#include "frame/number_display.hpp"
#include "runtime/forms.hpp"

namespace culvert::soberin {

namespace {

using frame::CHR_TO_STR;
using frame::SolveStatus;

// Q is checked and passed on but has no used value: it has no edit either.
const std::vector<CalcInput> kInputs = {
    {&Model::q_discharge, &Model::calc_q_discharge, "Q", ""},
    {&Model::slope_inv, &Model::calc_slope_inv, "I", "text48"},
    {&Model::pipe_diameter, &Model::calc_pipe_diameter, "B", "text49"},
    {&Model::manning_n, &Model::calc_manning_n, "n", "text50"},
};

}  // namespace

void CALC_ON(frame::MainModule& main, Model& m) {
  Model s = m;
  LabelTexts texts;
  if (!take_inputs(main, kInputs, s, &texts)) return;

  // The search has no failure of its own; a status other than solved means
  // a value went beyond what a single holds.
  const SolveStatus status = call_capacity(s);
  if (status != SolveStatus::solved) return show_calculation_error(main, "最大流量計算", status);

  const Single h_plus_fb = s.depth_h + s.freeboard_fb;  // the sum of the rounded results
  const LabelTexts results = {
      {"text23", CHR_TO_STR(s.depth_h)},         {"text24", CHR_TO_STR(s.velocity_v)},
      {"text25", CHR_TO_STR(s.surface_width_w)}, {"text26", CHR_TO_STR(s.freeboard_fb)},
      {"text27", CHR_TO_STR(h_plus_fb)},         {"text77", CHR_TO_STR(s.max_discharge_qmax)},
      {"text35", CHR_TO_STR(s.froude_fr)},       {"text41", frame::flow_state_text(s.froude_fr)},
      {"text45", CHR_TO_STR(s.depth_ratio_pct)},
  };
  texts.insert(texts.end(), results.begin(), results.end());

  m = s;
  show_labels(main, texts);
  main.main_form.menu_item("PRNT").set_enabled(true);
}

}  // namespace culvert::soberin
