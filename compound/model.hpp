// The data of quorvel and mestra in one place, under the names the programs
// use: the inputs as the edits set them (the calculation works on these
// themselves and leaves the wall height rounded to three decimals), every
// result of the compound-section solver, the numbers the sheet prints, and
// the print options. mestra has no wall slope; it leaves side_slope at 0.
#pragma once

#include <string>

#include "compound/sheet_values.hpp"
#include "runtime/number.hpp"

namespace compound {

using rt::Single;

struct Model {
  // Inputs, stored by the edits' change events and by the saved-input file.
  Single q_discharge;
  Single slope_inv;
  Single bottom_width;
  Single wall_height;
  Single step_width;
  Single manning_n1;
  Single manning_n2;
  Single manning_n3;
  Single manning_n4;
  Single side_slope;
  Single step_fall_pct;
  Single left_bank_slope;
  Single right_bank_slope;
  Single fb_plus;
  Single fb_star;
  std::string sheet_title;

  // Results of the last calculation, rounded to three decimals by the
  // solver (the sums from rounded values).
  Single total_discharge_cq, discharge_q1, discharge_q2, discharge_q3;
  Single surface_width_wa, surface_width_w1, surface_width_w2, surface_width_w3;
  Single depth_h, depth_h2, step_rise_h3;
  Single flow_area_a, flow_area_a1, flow_area_a2, flow_area_a3;
  Single wetted_perimeter_p1, wetted_perimeter_p2, wetted_perimeter_p3;
  Single hydraulic_radius_r1, hydraulic_radius_r2, hydraulic_radius_r3;
  Single composite_n1, composite_n2, composite_n3, composite_n;
  Single velocity_v, velocity_v1, velocity_v2, velocity_v3;
  Single hydraulic_depth_sh, velocity_head_hv, froude_fr, freeboard_fb;
  Single section_state;  // 2: the main channel alone carries Q; 0: compound section
  std::string regime_text;  // the flow-state text shown beside Fr

  // The sheet's numbers as the last successful calculation used and left
  // them. 印刷 prints these rather than the input globals: typing into a field
  // after 計算 changes its input without clearing the results, and the sheet
  // must not show inputs that its results were not worked out from.
  SheetNumbers calculated;

  // Print options, read from the check boxes by the print command.
  Single opt_header;
  Single opt_title;
  Single opt_mincho;
};

Model& model();

}  // namespace compound
