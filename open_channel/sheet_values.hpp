// The values a calculation sheet of velmora or drasin prints, as its print
// command passes them to its driver and the driver to its page: the members
// follow the drivers' parameter lists in order, under the sheets' symbols.
// drasin's lists have no m and no Hh (no Hhc and no Frc on the critical
// sheets): its sheets leave those members at 0 and its pages never read them.
#pragma once

#include <string>

#include "frame/sheet.hpp"
#include "open_channel/model.hpp"

namespace open_channel {

// The uniform-flow sheets (余裕高なし, 余裕高あり, 常流+射流余裕高).
struct UniformSheet {
  Single Q;        // calc_q_discharge
  Single Q12;      // q_design_12, 1.2·Q
  Single B;        // calc_bottom_width
  Single n;        // calc_manning_n
  Single m;        // calc_side_slope (velmora)
  Single I;        // calc_slope_inv, the x of the bed slope 1/x
  Single Fb_plus;  // calc_fb_plus, Fb+
  Single Fb_star;  // calc_fb_star, Fb*
  Single QD;       // back_q_qd
  Single H;        // depth_h
  Single H12;      // depth_h_12, H' at 1.2·Q
  Single hv;       // velocity_head_hv
  Single Hh;       // hydraulic_depth_hh (velmora)
  Single V;        // velocity_v
  Single W;        // surface_width_w
  Single A;        // flow_area_a
  Single S;        // side_length_s
  Single R;        // hydraulic_radius_r
  Single Fb;       // freeboard_fb
  Single Fr;       // froude_fr
  Single Fbs;      // sc_freeboard_fbs
  Single dH;       // margin_dh20
  std::string title;  // sheet_title
  Single opt_header;
  Single opt_title;
  Single opt_mincho;
  Single opt_print_h12;

  frame::SheetOptions options() const { return {opt_header, opt_title, opt_mincho}; }
};

// The critical-flow sheets (限界流 余裕高あり, 余裕高なし).
struct CriticalSheet {
  Single Q;    // calc_q_discharge
  Single B;    // calc_bottom_width
  Single n;    // calc_manning_n
  Single m;    // calc_side_slope (velmora)
  Single I;    // calc_slope_inv
  Single QDc;  // crit_back_q_qdc
  Single Hc;   // crit_depth_hc
  Single Hhc;  // crit_hydraulic_depth_hhc (velmora)
  Single Vc;   // crit_velocity_vc
  Single Wc;   // crit_surface_width_wc
  Single Ac;   // crit_flow_area_ac
  Single Sc;   // crit_side_length_sc
  Single Ic;   // crit_slope_inv_ic, the x of the critical slope 1/x
  Single Rc;   // crit_hydraulic_radius_rc
  Single Fr;   // froude_fr, of the uniform flow
  Single Frc;  // crit_froude_frc (velmora)
  Single Fbc;  // crit_freeboard_fbc
  Single dHc;  // crit_margin_dh20
  std::string title;  // sheet_title
  Single opt_header;
  Single opt_title;
  Single opt_mincho;

  frame::SheetOptions options() const { return {opt_header, opt_title, opt_mincho}; }
};

// The values of the sheets as the last calculation and print command left
// them in the model (the Q run; of the 1.2·Q run only 1.2·Q and its depth).
UniformSheet uniform_sheet(const Model& m);
CriticalSheet critical_sheet(const Model& m);

}  // namespace open_channel
