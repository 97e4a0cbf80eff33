#include "open_channel/sheet_values.hpp"

namespace open_channel {

UniformSheet uniform_sheet(const Model& m) {
  return {.Q = m.calc_q_discharge,
          .Q12 = m.q_design_12,
          .B = m.calc_bottom_width,
          .n = m.calc_manning_n,
          .m = m.calc_side_slope,
          .I = m.calc_slope_inv,
          .Fb_plus = m.calc_fb_plus,
          .Fb_star = m.calc_fb_star,
          .QD = m.back_q_qd,
          .H = m.depth_h,
          .H12 = m.depth_h_12,
          .hv = m.velocity_head_hv,
          .Hh = m.hydraulic_depth_hh,
          .V = m.velocity_v,
          .W = m.surface_width_w,
          .A = m.flow_area_a,
          .S = m.side_length_s,
          .R = m.hydraulic_radius_r,
          .Fb = m.freeboard_fb,
          .Fr = m.froude_fr,
          .Fbs = m.sc_freeboard_fbs,
          .dH = m.margin_dh20,
          .title = m.sheet_title,
          .opt_header = m.opt_header,
          .opt_title = m.opt_title,
          .opt_mincho = m.opt_mincho,
          .opt_print_h12 = m.opt_print_h12};
}

// The critical sheets print the Froude number of the uniform flow beside the
// critical values.
CriticalSheet critical_sheet(const Model& m) {
  return {.Q = m.calc_q_discharge,
          .B = m.calc_bottom_width,
          .n = m.calc_manning_n,
          .m = m.calc_side_slope,
          .I = m.calc_slope_inv,
          .QDc = m.crit_back_q_qdc,
          .Hc = m.crit_depth_hc,
          .Hhc = m.crit_hydraulic_depth_hhc,
          .Vc = m.crit_velocity_vc,
          .Wc = m.crit_surface_width_wc,
          .Ac = m.crit_flow_area_ac,
          .Sc = m.crit_side_length_sc,
          .Ic = m.crit_slope_inv_ic,
          .Rc = m.crit_hydraulic_radius_rc,
          .Fr = m.froude_fr,
          .Frc = m.crit_froude_frc,
          .Fbc = m.crit_freeboard_fbc,
          .dHc = m.crit_margin_dh20,
          .title = m.sheet_title,
          .opt_header = m.opt_header,
          .opt_title = m.opt_title,
          .opt_mincho = m.opt_mincho};
}

}  // namespace open_channel
