// CALC_ON of palwick: uniform and critical flow of the design discharge.
#include "culvert/calc_command.hpp"
#include "culvert/calc_inputs.hpp"
#include "culvert/solver_calls.hpp"
#include "frame/input_checks.hpp"
#include "frame/number_display.hpp"
#include "runtime/forms.hpp"
#include "runtime/services.hpp"

namespace culvert::palwick {

namespace {

using frame::CHR_TO_STR;
using frame::SolveStatus;

const std::string kUniformTooSmall = "<< 常流時 管径不足 >>";
const std::string kCriticalTooSmall = "<< 限界時 管径不足 >>";

// The diameter's check names it B, as its message has always read.
const std::vector<CalcInput> kInputs = {
    {&Model::q_discharge, &Model::calc_q_discharge, "Q", "text47"},
    {&Model::slope_inv, &Model::calc_slope_inv, "I", "text48"},
    {&Model::pipe_diameter, &Model::calc_pipe_diameter, "B", "text49"},
    {&Model::manning_n, &Model::calc_manning_n, "n", "text50"},
};

bool solved(Single ok) { return ok == -1; }

// The uniform column of a failed solution: every value at zero and no flow
// state. The red message line is left to the caller.
void ERFLG_NG(LabelTexts* texts) {
  for (const char* label : {"text23", "text24", "text25", "text26", "text27", "text35", "text77", "text45"}) {
    texts->emplace_back(label, "0.000");
  }
  texts->emplace_back("text41", "");
}

// The critical column of a failed solution.
void ERFLGC_NG(LabelTexts* texts) {
  for (const char* label : {"text30", "text31", "text32", "text33", "text34", "text36", "text46", "text78"}) {
    texts->emplace_back(label, "0.000");
  }
}

// A failed solution keeps its earlier results in the model (and OJ's Fr is
// 0), but the window never shows them: its column reads zero under the red
// message.
void uniform_column(const Model& s, LabelTexts* texts) {
  if (!solved(s.uniform_ok)) {
    ERFLG_NG(texts);
    texts->emplace_back("text28", kUniformTooSmall);
    return;
  }
  const Single h_plus_fb = s.depth_h + s.freeboard_fb;  // the sum of the rounded results
  const LabelTexts column = {
      {"text23", CHR_TO_STR(s.depth_h)},         {"text24", CHR_TO_STR(s.velocity_v)},
      {"text25", CHR_TO_STR(s.surface_width_w)}, {"text26", CHR_TO_STR(s.freeboard_fb)},
      {"text27", CHR_TO_STR(h_plus_fb)},         {"text28", ""},
      {"text77", CHR_TO_STR(s.back_q_qd)},       {"text35", CHR_TO_STR(s.froude_fr)},
      {"text41", frame::flow_state_text(s.froude_fr)},
      {"text45", CHR_TO_STR(s.free_area_pct)},
  };
  texts->insert(texts->end(), column.begin(), column.end());
}

void critical_column(const Model& s, LabelTexts* texts) {
  if (!solved(s.crit_ok)) {
    ERFLGC_NG(texts);
    texts->emplace_back("text29", kCriticalTooSmall);
    return;
  }
  const Single hc_plus_fbc = s.crit_depth_hc + s.crit_freeboard_fbc;
  const LabelTexts column = {
      {"text30", CHR_TO_STR(s.crit_depth_hc)},         {"text31", CHR_TO_STR(s.crit_velocity_vc)},
      {"text32", CHR_TO_STR(s.crit_surface_width_wc)}, {"text33", CHR_TO_STR(s.crit_freeboard_fbc)},
      {"text34", CHR_TO_STR(hc_plus_fbc)},             {"text78", CHR_TO_STR(s.crit_back_q_qdc)},
      {"text36", CHR_TO_STR(s.crit_slope_inv_ic)},     {"text46", CHR_TO_STR(s.crit_free_area_pct)},
      {"text29", ""},
  };
  texts->insert(texts->end(), column.begin(), column.end());
}

// 印刷 opens when at least one solution succeeded, offering only the sheets
// of the solutions that did. With both failed it greys and its items keep
// the states of the last calculation.
void set_print_items(frame::MainModule& main, const Model& s) {
  const bool uniform = solved(s.uniform_ok), critical = solved(s.crit_ok);
  rt::MenuItem print = main.main_form.menu_item("PRNT");
  if (!uniform && !critical) {
    print.set_enabled(false);
    return;
  }
  print.set_enabled(true);
  main.main_form.menu_item("JYORYU").set_enabled(uniform);
  main.main_form.menu_item("GENKAIRYU").set_enabled(critical);
}

}  // namespace

void CALC_ON(frame::MainModule& main, Model& m) {
  Model s = m;
  LabelTexts texts;
  if (!take_inputs(main, kInputs, s, &texts)) return;

  // An undersized pipe is a result (ok = 0), shown below; an arithmetic
  // fault is not.
  const SolveStatus uniform = call_uniform_flow(s);
  if (uniform == SolveStatus::arithmetic_fault) return show_calculation_error(main, "常流計算", uniform);
  const SolveStatus critical = call_critical_flow(s);
  if (critical == SolveStatus::arithmetic_fault) return show_calculation_error(main, "射流計算", critical);

  uniform_column(s, &texts);
  critical_column(s, &texts);

  m = s;
  show_labels(main, texts);
  // A pipe too small for the uniform flow is also heard: two beeps.
  if (!solved(s.uniform_ok)) {
    rt::beep();
    rt::beep();
  }
  set_print_items(main, s);
}

}  // namespace culvert::palwick
