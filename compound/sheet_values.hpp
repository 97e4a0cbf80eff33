// The values of the compound-section calculation sheet, under the sheet's
// symbols and in the order the print driver hands them to its pages: the
// inputs as the calculation used them (the wall height rounded), every
// result of the solver, the title and the print options. mestra has no wall
// slope: its sheet leaves m at 0 and its pages never print it.
#pragma once

#include <string>

#include "frame/sheet.hpp"
#include "runtime/number.hpp"

namespace compound {

using rt::Single;

struct Model;

// The numbers the sheet prints, as one calculation left them.
struct SheetNumbers {
  Single Q;   // q_discharge
  Single I;   // slope_inv, the x of the bed slope 1/x
  Single B;   // bottom_width
  Single h1;  // wall_height, rounded by the solver
  Single w;   // step_width
  Single n1;  // manning_n1 .. manning_n4
  Single n2;
  Single n3;
  Single n4;
  Single m;        // side_slope (quorvel)
  Single m1;       // step_fall_pct
  Single m2;       // left_bank_slope
  Single m3;       // right_bank_slope
  Single Fb_plus;  // fb_plus, Fb+
  Single Fb_star;  // fb_star, Fb*
  Single CQ;       // total_discharge_cq
  Single Q1, Q2, Q3;
  Single WA;  // surface_width_wa
  Single W1, W2, W3;
  Single H;   // depth_h
  Single h2;  // depth_h2
  Single h3;  // step_rise_h3
  Single A;   // flow_area_a
  Single A1, A2, A3;
  Single P1, P2, P3;
  Single R1, R2, R3;
  Single N1, N2, N3;
  Single N;  // composite_n
  Single V;  // velocity_v
  Single V1, V2, V3;
  Single SH;  // hydraulic_depth_sh
  Single hv;  // velocity_head_hv
  Single Fr;  // froude_fr
  Single Fb;  // freeboard_fb
};

// The numbers of the calculation that left its results in the model.
SheetNumbers sheet_numbers(const Model& m);

// What the pages receive: the numbers, the title line and the options.
struct CompoundSheet : SheetNumbers {
  std::string title;  // sheet_title
  Single opt_header;
  Single opt_title;
  Single opt_mincho;

  frame::SheetOptions options() const { return {opt_header, opt_title, opt_mincho}; }
};

}  // namespace compound
