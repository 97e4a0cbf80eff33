#include "open_channel/uniform_sheet_rows.hpp"

namespace open_channel {

using frame::f2_3;
using frame::f4_3;
using frame::f5_3;
using frame::froude_comparison;
using frame::option_on;
using frame::raised;

void uniform_conditions_and_results(frame::Sheet& sh, const UniformSheet& s, Single P, Columns columns,
                                    SideSlopeRow side_slope, std::optional<FreeboardResult> freeboard) {
  const ColumnTexts& c = column_texts(columns);
  sh.row({c.Q, f5_3(s.Q), " m", raised("3"), "/s"});
  sh.row({c.I, f5_3(s.I)});
  sh.row({c.B, f5_3(s.B), " m"});
  sh.row({c.n, f5_3(s.n)});
  if (side_slope == SideSlopeRow::printed) sh.row({c.m, f5_3(s.m)});
  sh.empty_lines(1);
  sh.row({"（２）計算結果"});
  sh.row({c.H, f5_3(s.H), " m"});
  sh.row({c.A, f5_3(s.A), " m", raised("2")});
  sh.row({c.P, f5_3(P), " m"});
  sh.row({c.R, f5_3(s.R), " m"});
  sh.row({c.V, f5_3(s.V), " m/s"});
  sh.row({c.QD, f5_3(s.QD), " m", raised("3"), "/s"});
  if (freeboard) sh.row({freeboard->label, f5_3(freeboard->value), " m"});
  sh.row({c.Fr, f5_3(s.Fr), froude_comparison(s.Fr)});
}

void depth_rows(frame::Sheet& sh, const UniformSheet& s) {
  sh.row({"　　［水深］"});
  if (option_on(s.opt_print_h12)) {
    sh.row({"            H  =", f5_3(s.H), " m    ", "( 1.2Q = ", f4_3(s.Q12), " m", raised("3"),
            "/s   H' =", f5_3(s.H12), " m )"});
  } else {
    sh.row({"            H  =", f5_3(s.H), " m"});
  }
}

void radius_velocity_discharge_rows(frame::Sheet& sh, const UniformSheet& s, Single P, Columns columns,
                                    Freeboard freeboard) {
  const ColumnTexts& c = column_texts(columns);
  const std::string_view times_R = freeboard == Freeboard::drawn ? " × R" : "×R";
  sh.row({"　　［径深］"});
  sh.row({c.R_formula, f5_3(s.A), "／", f5_3(P), " =", f5_3(s.R), " m"});
  sh.row({"　　［流速］"});
  sh.row({c.V_formula, raised("1/2"), times_R, raised("2/3")});
  sh.row({c.V_worked, f2_3(s.n), "×(1／", f5_3(s.I), ")", raised("1/2"), "×", f5_3(s.R), raised("2/3"), " =", f5_3(s.V),
          " m/s"});
  sh.row({"　　［逆算流量］"});
  sh.row({c.QD_formula, f5_3(s.A), "×", f5_3(s.V)});
  sh.row({c.worked, f5_3(s.QD), " m", raised("3"), "/s    ≧    Q =", f5_3(s.Q), " m", raised("3"), "/s"});
}

void velocity_head_rows(frame::Sheet& sh, const UniformSheet& s, Columns columns) {
  const ColumnTexts& c = column_texts(columns);
  sh.row({"　　［速度水頭］"});
  sh.row({c.hv_formula, raised("2"), "／(2×g)"});
  sh.row({c.worked, f5_3(s.V), raised("2"), "／(2×9.8) =", f5_3(s.hv), " m"});
}

void freeboard_rows(frame::Sheet& sh, const UniformSheet& s) {
  sh.row({"　　［余裕高］"});
  sh.row({"            Fb =", f5_3(s.Fb_star), "×H＋hv＋", f5_3(s.Fb_plus)});
  sh.row({"               =", f5_3(s.Fb_star), "×", f5_3(s.H), "＋", f5_3(s.hv), "＋", f4_3(s.Fb_plus), " =",
          f5_3(s.Fb), " m"});
}

}  // namespace open_channel
