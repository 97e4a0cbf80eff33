#include "culvert/sheet_values.hpp"

namespace culvert {

UniformSheet uniform_sheet(const Model& m) {
  return {.Q = m.calc_q_discharge,
          .D = m.calc_pipe_diameter,
          .n = m.calc_manning_n,
          .I = m.calc_slope_inv,
          .theta = m.angle_theta,
          .QD = m.back_q_qd,
          .H = m.depth_h,
          .V = m.velocity_v,
          .W = m.surface_width_w,
          .A = m.flow_area_a,
          .P = m.wetted_perimeter_p,
          .R = m.hydraulic_radius_r,
          .Fb = m.freeboard_fb,
          .Fr = m.froude_fr,
          .free_pct = m.free_area_pct,
          .title = m.sheet_title,
          .opt_header = m.opt_header,
          .opt_title = m.opt_title,
          .opt_mincho = m.opt_mincho};
}

CriticalSheet critical_sheet(const Model& m) {
  return {.Q = m.calc_q_discharge,
          .D = m.calc_pipe_diameter,
          .n = m.calc_manning_n,
          .I = m.calc_slope_inv,
          .theta_c = m.crit_angle_theta,
          .QDc = m.crit_back_q_qdc,
          .Hc = m.crit_depth_hc,
          .Vc = m.crit_velocity_vc,
          .Wc = m.crit_surface_width_wc,
          .Ac = m.crit_flow_area_ac,
          .Pc = m.crit_wetted_perimeter_pc,
          .Ic = m.crit_slope_inv_ic,
          .Rc = m.crit_hydraulic_radius_rc,
          .Fbc = m.crit_freeboard_fbc,
          .free_pct = m.crit_free_area_pct,
          .title = m.sheet_title,
          .opt_header = m.opt_header,
          .opt_title = m.opt_title,
          .opt_mincho = m.opt_mincho};
}

CapacitySheet capacity_sheet(const Model& m) {
  return {.Q = m.calc_q_discharge,
          .D = m.calc_pipe_diameter,
          .n = m.calc_manning_n,
          .I = m.calc_slope_inv,
          .theta = m.angle_theta,
          .Qmax = m.max_discharge_qmax,
          .H = m.depth_h,
          .V = m.velocity_v,
          .W = m.surface_width_w,
          .A = m.flow_area_a,
          .P = m.wetted_perimeter_p,
          .R = m.hydraulic_radius_r,
          .Fb = m.freeboard_fb,
          .Fr = m.froude_fr,
          .HD_pct = m.depth_ratio_pct,
          .title = m.sheet_title,
          .opt_header = m.opt_header,
          .opt_title = m.opt_title,
          .opt_mincho = m.opt_mincho};
}

}  // namespace culvert
