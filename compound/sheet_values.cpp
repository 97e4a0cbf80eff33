#include "compound/sheet_values.hpp"

#include "compound/model.hpp"

namespace compound {

SheetNumbers sheet_numbers(const Model& m) {
  return {
      .Q = m.q_discharge,
      .I = m.slope_inv,
      .B = m.bottom_width,
      .h1 = m.wall_height,
      .w = m.step_width,
      .n1 = m.manning_n1,
      .n2 = m.manning_n2,
      .n3 = m.manning_n3,
      .n4 = m.manning_n4,
      .m = m.side_slope,
      .m1 = m.step_fall_pct,
      .m2 = m.left_bank_slope,
      .m3 = m.right_bank_slope,
      .Fb_plus = m.fb_plus,
      .Fb_star = m.fb_star,
      .CQ = m.total_discharge_cq,
      .Q1 = m.discharge_q1,
      .Q2 = m.discharge_q2,
      .Q3 = m.discharge_q3,
      .WA = m.surface_width_wa,
      .W1 = m.surface_width_w1,
      .W2 = m.surface_width_w2,
      .W3 = m.surface_width_w3,
      .H = m.depth_h,
      .h2 = m.depth_h2,
      .h3 = m.step_rise_h3,
      .A = m.flow_area_a,
      .A1 = m.flow_area_a1,
      .A2 = m.flow_area_a2,
      .A3 = m.flow_area_a3,
      .P1 = m.wetted_perimeter_p1,
      .P2 = m.wetted_perimeter_p2,
      .P3 = m.wetted_perimeter_p3,
      .R1 = m.hydraulic_radius_r1,
      .R2 = m.hydraulic_radius_r2,
      .R3 = m.hydraulic_radius_r3,
      .N1 = m.composite_n1,
      .N2 = m.composite_n2,
      .N3 = m.composite_n3,
      .N = m.composite_n,
      .V = m.velocity_v,
      .V1 = m.velocity_v1,
      .V2 = m.velocity_v2,
      .V3 = m.velocity_v3,
      .SH = m.hydraulic_depth_sh,
      .hv = m.velocity_head_hv,
      .Fr = m.froude_fr,
      .Fb = m.freeboard_fb,
  };
}

}  // namespace compound
