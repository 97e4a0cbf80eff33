#include "open_channel/calc_command.hpp"

#include "frame/calc_display.hpp"
#include "frame/number_display.hpp"

namespace open_channel {

namespace {

using frame::CHR_TO_STR;
using frame::LabelTexts;
using frame::show_error;

const Single kDesignFactor = 1.2f;

// Rows 1 to 13 of the result table: the uniform flow, with the sums of
// rounded results formed as singles.
void uniform_rows(const Model& s, const CalcTable& t, LabelTexts* out) {
  const Single h_plus_fb = s.depth_h + s.freeboard_fb;
  const Single h_plus_fbs = s.depth_h + s.sc_freeboard_fbs;
  const Single dh_plus_h = s.margin_dh20 + s.depth_h;
  *out = {{"text23", CHR_TO_STR(s.depth_h)},        {t.h12_label, CHR_TO_STR(s.depth_h_12)},
          {"text24", CHR_TO_STR(s.velocity_v)},     {"text25", CHR_TO_STR(s.surface_width_w)},
          {"text26", CHR_TO_STR(s.freeboard_fb)},   {"text27", CHR_TO_STR(h_plus_fb)},
          {"text28", CHR_TO_STR(s.sc_freeboard_fbs)}, {"text29", CHR_TO_STR(h_plus_fbs)},
          {t.qd_label, CHR_TO_STR(s.back_q_qd)},    {"text35", CHR_TO_STR(s.froude_fr)},
          {"text41", frame::flow_state_text(s.froude_fr)},
          {"text45", CHR_TO_STR(dh_plus_h)},        {"text63", CHR_TO_STR(s.margin_dh20)}};
}

// Rows 14 to 23: the critical flow.
void critical_rows(const Model& s, const CalcTable& t, LabelTexts* out) {
  const Single hc_plus_fbc = s.crit_depth_hc + s.crit_freeboard_fbc;
  const Single dhc_plus_hc = s.crit_margin_dh20 + s.crit_depth_hc;
  const LabelTexts rows = {{"text30", CHR_TO_STR(s.crit_depth_hc)},       {t.hc12_label, CHR_TO_STR(s.crit_depth_hc_12)},
                           {"text31", CHR_TO_STR(s.crit_velocity_vc)},    {"text32", CHR_TO_STR(s.crit_surface_width_wc)},
                           {"text33", CHR_TO_STR(s.crit_freeboard_fbc)},  {"text34", CHR_TO_STR(hc_plus_fbc)},
                           {t.qdc_label, CHR_TO_STR(s.crit_back_q_qdc)},  {"text36", CHR_TO_STR(s.crit_slope_inv_ic)},
                           {"text46", CHR_TO_STR(dhc_plus_hc)},           {"text64", CHR_TO_STR(s.crit_margin_dh20)}};
  out->insert(out->end(), rows.begin(), rows.end());
}

}  // namespace

// The whole calculation is worked on a copy of the model and shown only when
// every step has ended in finite results: a calculation that cannot finish
// says so and leaves the working copies, the results, the labels and 印刷
// as they were.
void CALC_ON(frame::MainModule& main, Model& m, const CalcTable& t) {
  main.main_form.set_focus();

  std::vector<frame::InputCheck> checks;
  for (const CalcInput& in : t.inputs) checks.push_back({m.*in.input, in.rule, in.name});
  if (const auto error = frame::first_input_error(checks)) return show_error(main, *error, frame::kInputErrorTitle);

  Model s = m;
  for (const CalcInput& in : t.inputs) s.*in.working_copy = m.*in.input;

  LabelTexts used;
  for (const CalcInput& in : t.inputs) {
    const std::optional<std::string> shown = frame::used_value_text(s.*in.working_copy);
    if (!shown) return show_error(main, frame::out_of_range_message(in.name), frame::kInputErrorTitle);
    used.emplace_back(in.used_label, *shown);
  }

  struct Run {
    SolverRun solver;
    bool for_12q;
    const char* what;
  };
  const Run runs[] = {{t.uniform, false, "常流計算（Q）"},
                      {t.uniform, true, "常流計算（1.2Q）"},
                      {t.critical, false, "射流計算（Q）"},
                      {t.critical, true, "射流計算（1.2Q）"}};
  for (const Run& run : runs) {
    if (run.for_12q) s.q_design_12 = kDesignFactor * s.calc_q_discharge;
    const frame::SolveStatus status = run.solver(s, run.for_12q);
    if (status != frame::SolveStatus::solved) {
      return show_error(main, frame::solver_failure_message(run.what, status), frame::kCalculationErrorTitle);
    }
  }

  LabelTexts results;
  uniform_rows(s, t, &results);
  critical_rows(s, t, &results);

  m = s;
  frame::show_labels(main, used);
  frame::show_labels(main, results);
  main.main_form.menu_item("PRNT").set_enabled(true);
}

}  // namespace open_channel
