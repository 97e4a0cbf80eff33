#include "sheet_support.hpp"

#include "open_channel/model.hpp"
#include "open_channel/solvers/drasin_solvers.hpp"
#include "open_channel/solvers/velmora_solvers.hpp"

namespace sheet_test {

namespace {

open_channel::Model default_inputs() {
  open_channel::Model m{};
  m.calc_q_discharge = 0.06f;
  m.calc_slope_inv = 200.0f;
  m.calc_bottom_width = 0.3f;
  m.calc_manning_n = 0.016f;
  m.calc_fb_plus = 0.1f;
  m.calc_fb_star = 0.07f;
  m.q_design_12 = 1.2f * m.calc_q_discharge;
  m.sheet_title = "SP0.00～SP1000.00 右側道路側溝";
  m.opt_header = 0;
  m.opt_title = 1;
  m.opt_mincho = 0;
  m.opt_print_h12 = 0;
  return m;
}

}  // namespace

open_channel::Model velmora_default_model() {
  open_channel::Model m = default_inputs();
  m.calc_side_slope = 0.3f;
  open_channel::VJ(m.calc_q_discharge, m.calc_bottom_width, m.calc_manning_n, m.calc_side_slope, m.calc_slope_inv,
                   m.calc_fb_plus, m.calc_fb_star, m.back_q_qd, m.depth_h, m.velocity_head_hv, m.hydraulic_depth_hh,
                   m.velocity_v, m.surface_width_w, m.flow_area_a, m.side_length_s, m.hydraulic_radius_r,
                   m.freeboard_fb, m.froude_fr, m.sc_freeboard_fbs, m.margin_dh20);
  open_channel::VJ(m.q_design_12, m.calc_bottom_width, m.calc_manning_n, m.calc_side_slope, m.calc_slope_inv,
                   m.calc_fb_plus, m.calc_fb_star, m.back_q_qd_12, m.depth_h_12, m.velocity_head_hv_12,
                   m.hydraulic_depth_hh_12, m.velocity_v_12, m.surface_width_w_12, m.flow_area_a_12,
                   m.side_length_s_12, m.hydraulic_radius_r_12, m.freeboard_fb_12, m.froude_fr_12,
                   m.sc_freeboard_fbs_12, m.margin_dh20_12);
  open_channel::VS(m.calc_q_discharge, m.calc_bottom_width, m.calc_manning_n, m.calc_side_slope, m.crit_back_q_qdc,
                   m.crit_depth_hc, m.crit_hydraulic_depth_hhc, m.crit_velocity_vc, m.crit_surface_width_wc,
                   m.crit_flow_area_ac, m.crit_side_length_sc, m.crit_slope_inv_ic, m.crit_hydraulic_radius_rc,
                   m.crit_freeboard_fbc, m.crit_froude_frc, m.crit_margin_dh20);
  return m;
}

open_channel::Model drasin_default_model() {
  open_channel::Model m = default_inputs();
  open_channel::UJ(m.calc_q_discharge, m.calc_bottom_width, m.calc_manning_n, m.calc_slope_inv, m.calc_fb_plus,
                   m.calc_fb_star, m.back_q_qd, m.depth_h, m.velocity_head_hv, m.velocity_v, m.surface_width_w,
                   m.flow_area_a, m.side_length_s, m.hydraulic_radius_r, m.freeboard_fb, m.froude_fr,
                   m.sc_freeboard_fbs, m.margin_dh20);
  open_channel::UJ(m.q_design_12, m.calc_bottom_width, m.calc_manning_n, m.calc_slope_inv, m.calc_fb_plus,
                   m.calc_fb_star, m.back_q_qd_12, m.depth_h_12, m.velocity_head_hv_12, m.velocity_v_12,
                   m.surface_width_w_12, m.flow_area_a_12, m.side_length_s_12, m.hydraulic_radius_r_12,
                   m.freeboard_fb_12, m.froude_fr_12, m.sc_freeboard_fbs_12, m.margin_dh20_12);
  open_channel::US(m.calc_q_discharge, m.calc_bottom_width, m.calc_manning_n, m.crit_back_q_qdc, m.crit_depth_hc,
                   m.crit_velocity_vc, m.crit_surface_width_wc, m.crit_flow_area_ac, m.crit_side_length_sc,
                   m.crit_slope_inv_ic, m.crit_hydraulic_radius_rc, m.crit_freeboard_fbc, m.crit_margin_dh20);
  return m;
}

open_channel::UniformSheet velmora_default_sheet() { return open_channel::uniform_sheet(velmora_default_model()); }
open_channel::CriticalSheet velmora_default_critical_sheet() {
  return open_channel::critical_sheet(velmora_default_model());
}
open_channel::UniformSheet drasin_default_sheet() { return open_channel::uniform_sheet(drasin_default_model()); }
open_channel::CriticalSheet drasin_default_critical_sheet() {
  return open_channel::critical_sheet(drasin_default_model());
}

}  // namespace sheet_test
