#include "culvert/solver_calls.hpp"

#include "culvert/solvers/palwick_solvers.hpp"
#include "culvert/solvers/soberin_solver.hpp"

namespace culvert {

frame::SolveStatus call_uniform_flow(Model& s) {
  return palwick::OJ(s.calc_q_discharge, s.calc_pipe_diameter, s.calc_manning_n, s.calc_slope_inv, s.angle_theta,
                     s.back_q_qd, s.depth_h, s.velocity_v, s.surface_width_w, s.flow_area_a, s.wetted_perimeter_p,
                     s.hydraulic_radius_r, s.freeboard_fb, s.froude_fr, s.free_area_pct, s.uniform_ok);
}

frame::SolveStatus call_critical_flow(Model& s) {
  return palwick::OS(s.calc_q_discharge, s.calc_pipe_diameter, s.calc_manning_n, s.crit_slope_inv_ic,
                     s.crit_angle_theta, s.crit_back_q_qdc, s.crit_depth_hc, s.crit_velocity_vc,
                     s.crit_surface_width_wc, s.crit_flow_area_ac, s.crit_wetted_perimeter_pc,
                     s.crit_hydraulic_radius_rc, s.crit_freeboard_fbc, s.crit_free_area_pct, s.crit_ok);
}

frame::SolveStatus call_capacity(Model& s) {
  return soberin::OJ(s.calc_q_discharge, s.calc_pipe_diameter, s.calc_manning_n, s.calc_slope_inv, s.angle_theta,
                     s.max_discharge_qmax, s.depth_h, s.velocity_v, s.surface_width_w, s.flow_area_a,
                     s.wetted_perimeter_p, s.hydraulic_radius_r, s.freeboard_fb, s.froude_fr, s.depth_ratio_pct,
                     s.uniform_ok);
}

}  // namespace culvert
