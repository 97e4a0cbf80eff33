// The data of palwick and soberin in one place, under the names the programs
// use: the inputs as the edits (and the saved-input file) set them, the
// working copies the last calculation used, its results and the print
// options. palwick fills the uniform and critical sets of the partly full
// pipe; soberin fills the capacity set and leaves the others at 0.
#pragma once

#include <string>

#include "runtime/number.hpp"

namespace culvert {

using rt::Single;

struct Model {
  // Inputs, stored by the edits' change events and by the saved-input file.
  // soberin's Q has no edit: it comes from the file and goes back to it.
  Single q_discharge;
  Single slope_inv;
  Single pipe_diameter;
  Single manning_n;
  std::string sheet_title;

  // Working copies taken by the calculate command after its checks.
  Single calc_q_discharge;
  Single calc_slope_inv;
  Single calc_pipe_diameter;
  Single calc_manning_n;

  // Uniform flow (palwick OJ) and the capacity maximum (soberin OJ) share
  // the section values; uniform_ok is −1 solved, 0 no solution.
  Single angle_theta, depth_h, velocity_v, surface_width_w, flow_area_a, wetted_perimeter_p, hydraulic_radius_r,
      freeboard_fb, froude_fr, uniform_ok;
  Single back_q_qd, free_area_pct;             // palwick
  Single max_discharge_qmax, depth_ratio_pct;  // soberin

  // Critical flow (palwick OS).
  Single crit_slope_inv_ic, crit_angle_theta, crit_back_q_qdc, crit_depth_hc, crit_velocity_vc, crit_surface_width_wc,
      crit_flow_area_ac, crit_wetted_perimeter_pc, crit_hydraulic_radius_rc, crit_freeboard_fbc, crit_free_area_pct,
      crit_ok;

  // Print options, read from the check boxes by the print commands.
  Single opt_header;
  Single opt_title;
  Single opt_mincho;
};

Model& model();

}  // namespace culvert
