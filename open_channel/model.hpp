// The data of velmora and drasin in one place, under the names the programs
// use: the inputs as the edits set them, the working copies the last
// calculation used, every result for Q and for 1.2·Q, and the print options.
// drasin has no side slope, no hydraulic mean depth and no critical Froude
// number; it leaves those at 0.
#pragma once

#include <string>

#include "runtime/number.hpp"

namespace open_channel {

using rt::Single;

struct Model {
  // Inputs, stored by the edits' change events and by the saved-input file.
  Single q_discharge;
  Single slope_inv;
  Single bottom_width;
  Single manning_n;
  Single side_slope;
  Single fb_plus;
  Single fb_star;
  std::string sheet_title;

  // Working copies taken by the calculate command after its checks.
  Single calc_q_discharge;
  Single calc_slope_inv;
  Single calc_bottom_width;
  Single calc_manning_n;
  Single calc_side_slope;
  Single calc_fb_plus;
  Single calc_fb_star;
  Single q_design_12;  // 1.2 · Q

  // Uniform flow for Q.
  Single back_q_qd, depth_h, velocity_head_hv, hydraulic_depth_hh, velocity_v, surface_width_w, flow_area_a,
      side_length_s, hydraulic_radius_r, freeboard_fb, froude_fr, sc_freeboard_fbs, margin_dh20;
  // Uniform flow for 1.2 · Q.
  Single back_q_qd_12, depth_h_12, velocity_head_hv_12, hydraulic_depth_hh_12, velocity_v_12, surface_width_w_12,
      flow_area_a_12, side_length_s_12, hydraulic_radius_r_12, freeboard_fb_12, froude_fr_12, sc_freeboard_fbs_12,
      margin_dh20_12;
  // Critical flow for Q.
  Single crit_back_q_qdc, crit_depth_hc, crit_hydraulic_depth_hhc, crit_velocity_vc, crit_surface_width_wc,
      crit_flow_area_ac, crit_side_length_sc, crit_slope_inv_ic, crit_hydraulic_radius_rc, crit_freeboard_fbc,
      crit_froude_frc, crit_margin_dh20;
  // Critical flow for 1.2 · Q.
  Single crit_back_q_qdc_12, crit_depth_hc_12, crit_hydraulic_depth_hhc_12, crit_velocity_vc_12,
      crit_surface_width_wc_12, crit_flow_area_ac_12, crit_side_length_sc_12, crit_slope_inv_ic_12,
      crit_hydraulic_radius_rc_12, crit_freeboard_fbc_12, crit_froude_frc_12, crit_margin_dh20_12;

  // Print options, read from the check boxes by every print command.
  Single opt_header;
  Single opt_title;
  Single opt_mincho;
  Single opt_print_h12;
};

Model& model();

}  // namespace open_channel
