// How velmora and drasin call their solvers: the working copies and the
// result globals of the Q run or of the 1.2·Q run, in the solvers' orders.
#include "open_channel/calc_command.hpp"
#include "open_channel/solvers/drasin_solvers.hpp"
#include "open_channel/solvers/velmora_solvers.hpp"

namespace open_channel {

namespace {

using frame::Rule;

frame::SolveStatus velmora_uniform(Model& s, bool for_12q) {
  const Single& q = for_12q ? s.q_design_12 : s.calc_q_discharge;
  if (for_12q) {
    return VJ(q, s.calc_bottom_width, s.calc_manning_n, s.calc_side_slope, s.calc_slope_inv, s.calc_fb_plus,
              s.calc_fb_star, s.back_q_qd_12, s.depth_h_12, s.velocity_head_hv_12, s.hydraulic_depth_hh_12,
              s.velocity_v_12, s.surface_width_w_12, s.flow_area_a_12, s.side_length_s_12, s.hydraulic_radius_r_12,
              s.freeboard_fb_12, s.froude_fr_12, s.sc_freeboard_fbs_12, s.margin_dh20_12);
  }
  return VJ(q, s.calc_bottom_width, s.calc_manning_n, s.calc_side_slope, s.calc_slope_inv, s.calc_fb_plus,
            s.calc_fb_star, s.back_q_qd, s.depth_h, s.velocity_head_hv, s.hydraulic_depth_hh, s.velocity_v,
            s.surface_width_w, s.flow_area_a, s.side_length_s, s.hydraulic_radius_r, s.freeboard_fb, s.froude_fr,
            s.sc_freeboard_fbs, s.margin_dh20);
}

frame::SolveStatus velmora_critical(Model& s, bool for_12q) {
  const Single& q = for_12q ? s.q_design_12 : s.calc_q_discharge;
  if (for_12q) {
    return VS(q, s.calc_bottom_width, s.calc_manning_n, s.calc_side_slope, s.crit_back_q_qdc_12, s.crit_depth_hc_12,
              s.crit_hydraulic_depth_hhc_12, s.crit_velocity_vc_12, s.crit_surface_width_wc_12,
              s.crit_flow_area_ac_12, s.crit_side_length_sc_12, s.crit_slope_inv_ic_12,
              s.crit_hydraulic_radius_rc_12, s.crit_freeboard_fbc_12, s.crit_froude_frc_12, s.crit_margin_dh20_12);
  }
  return VS(q, s.calc_bottom_width, s.calc_manning_n, s.calc_side_slope, s.crit_back_q_qdc, s.crit_depth_hc,
            s.crit_hydraulic_depth_hhc, s.crit_velocity_vc, s.crit_surface_width_wc, s.crit_flow_area_ac,
            s.crit_side_length_sc, s.crit_slope_inv_ic, s.crit_hydraulic_radius_rc, s.crit_freeboard_fbc,
            s.crit_froude_frc, s.crit_margin_dh20);
}

frame::SolveStatus drasin_uniform(Model& s, bool for_12q) {
  const Single& q = for_12q ? s.q_design_12 : s.calc_q_discharge;
  if (for_12q) {
    return UJ(q, s.calc_bottom_width, s.calc_manning_n, s.calc_slope_inv, s.calc_fb_plus, s.calc_fb_star,
              s.back_q_qd_12, s.depth_h_12, s.velocity_head_hv_12, s.velocity_v_12, s.surface_width_w_12,
              s.flow_area_a_12, s.side_length_s_12, s.hydraulic_radius_r_12, s.freeboard_fb_12, s.froude_fr_12,
              s.sc_freeboard_fbs_12, s.margin_dh20_12);
  }
  return UJ(q, s.calc_bottom_width, s.calc_manning_n, s.calc_slope_inv, s.calc_fb_plus, s.calc_fb_star, s.back_q_qd,
            s.depth_h, s.velocity_head_hv, s.velocity_v, s.surface_width_w, s.flow_area_a, s.side_length_s,
            s.hydraulic_radius_r, s.freeboard_fb, s.froude_fr, s.sc_freeboard_fbs, s.margin_dh20);
}

frame::SolveStatus drasin_critical(Model& s, bool for_12q) {
  const Single& q = for_12q ? s.q_design_12 : s.calc_q_discharge;
  if (for_12q) {
    return US(q, s.calc_bottom_width, s.calc_manning_n, s.crit_back_q_qdc_12, s.crit_depth_hc_12,
              s.crit_velocity_vc_12, s.crit_surface_width_wc_12, s.crit_flow_area_ac_12, s.crit_side_length_sc_12,
              s.crit_slope_inv_ic_12, s.crit_hydraulic_radius_rc_12, s.crit_freeboard_fbc_12, s.crit_margin_dh20_12);
  }
  return US(q, s.calc_bottom_width, s.calc_manning_n, s.crit_back_q_qdc, s.crit_depth_hc, s.crit_velocity_vc,
            s.crit_surface_width_wc, s.crit_flow_area_ac, s.crit_side_length_sc, s.crit_slope_inv_ic,
            s.crit_hydraulic_radius_rc, s.crit_freeboard_fbc, s.crit_margin_dh20);
}

const CalcInput kQ{&Model::q_discharge, &Model::calc_q_discharge, Rule::positive, "Q", "text47"};
const CalcInput kI{&Model::slope_inv, &Model::calc_slope_inv, Rule::positive, "I", "text48"};
const CalcInput kB{&Model::bottom_width, &Model::calc_bottom_width, Rule::positive, "B", "text49"};
const CalcInput kN{&Model::manning_n, &Model::calc_manning_n, Rule::positive, "n", "text50"};
const CalcInput kM{&Model::side_slope, &Model::calc_side_slope, Rule::positive, "m", "text76"};
const CalcInput kFbPlus{&Model::fb_plus, &Model::calc_fb_plus, Rule::not_negative, "Fb+", "text51"};
const CalcInput kFbStar{&Model::fb_star, &Model::calc_fb_star, Rule::not_negative, "Fb*", "text52"};

}  // namespace

const CalcTable& velmora_calc() {
  static const CalcTable t{{kQ, kI, kB, kN, kM, kFbPlus, kFbStar}, velmora_uniform, velmora_critical,
                           "text84", "text79", "text85", "text80"};
  return t;
}

const CalcTable& drasin_calc() {
  static const CalcTable t{{kQ, kI, kB, kN, kFbPlus, kFbStar}, drasin_uniform, drasin_critical,
                           "text82", "text77", "text83", "text78"};
  return t;
}

}  // namespace open_channel
