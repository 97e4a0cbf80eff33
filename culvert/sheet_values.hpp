// The values a calculation sheet of palwick or soberin prints, as its print
// command passes them to its driver and the driver to its page: the members
// follow the drivers' parameter lists in order, under the sheets' symbols.
// A page reads only what it prints or needs for its sketch.
#pragma once

#include <string>

#include "culvert/model.hpp"
#include "frame/sheet.hpp"

namespace culvert {

// palwick's uniform-flow sheet (PJY, JY_PAGE1). W is passed and not printed.
struct UniformSheet {
  Single Q;         // calc_q_discharge
  Single D;         // calc_pipe_diameter
  Single n;         // calc_manning_n
  Single I;         // calc_slope_inv, the x of the bed slope 1/x
  Single theta;     // angle_theta, unrounded
  Single QD;        // back_q_qd
  Single H;         // depth_h
  Single V;         // velocity_v
  Single W;         // surface_width_w
  Single A;         // flow_area_a
  Single P;         // wetted_perimeter_p
  Single R;         // hydraulic_radius_r
  Single Fb;        // freeboard_fb
  Single Fr;        // froude_fr
  Single free_pct;  // free_area_pct
  std::string title;  // sheet_title
  Single opt_header;
  Single opt_title;
  Single opt_mincho;

  frame::SheetOptions options() const { return {opt_header, opt_title, opt_mincho}; }
};

// palwick's critical-flow sheet (PSY, SY_PAGE1). I and Wc are passed and not
// printed.
struct CriticalSheet {
  Single Q;         // calc_q_discharge
  Single D;         // calc_pipe_diameter
  Single n;         // calc_manning_n
  Single I;         // calc_slope_inv
  Single theta_c;   // crit_angle_theta, unrounded
  Single QDc;       // crit_back_q_qdc
  Single Hc;        // crit_depth_hc
  Single Vc;        // crit_velocity_vc
  Single Wc;        // crit_surface_width_wc
  Single Ac;        // crit_flow_area_ac
  Single Pc;        // crit_wetted_perimeter_pc
  Single Ic;        // crit_slope_inv_ic, the x of the critical slope 1/x
  Single Rc;        // crit_hydraulic_radius_rc
  Single Fbc;       // crit_freeboard_fbc
  Single free_pct;  // crit_free_area_pct
  std::string title;  // sheet_title
  Single opt_header;
  Single opt_title;
  Single opt_mincho;

  frame::SheetOptions options() const { return {opt_header, opt_title, opt_mincho}; }
};

// soberin's capacity sheet (PJY, JY_PAGE1). Q and W are passed and not
// printed.
struct CapacitySheet {
  Single Q;       // calc_q_discharge
  Single D;       // calc_pipe_diameter
  Single n;       // calc_manning_n
  Single I;       // calc_slope_inv
  Single theta;   // angle_theta, unrounded
  Single Qmax;    // max_discharge_qmax
  Single H;       // depth_h
  Single V;       // velocity_v
  Single W;       // surface_width_w
  Single A;       // flow_area_a
  Single P;       // wetted_perimeter_p
  Single R;       // hydraulic_radius_r
  Single Fb;      // freeboard_fb
  Single Fr;      // froude_fr
  Single HD_pct;  // depth_ratio_pct
  std::string title;  // sheet_title
  Single opt_header;
  Single opt_title;
  Single opt_mincho;

  frame::SheetOptions options() const { return {opt_header, opt_title, opt_mincho}; }
};

// The values of the sheets as the last calculation and print command left
// them in the model.
UniformSheet uniform_sheet(const Model& m);
CriticalSheet critical_sheet(const Model& m);
CapacitySheet capacity_sheet(const Model& m);

}  // namespace culvert
