// drasin's three uniform-flow sheets, line by line as they are printed.
// Sections (1) and (2) are velmora's without the side slope, on all three
// pages in the narrow column; section (4) works the rectangle: A = B×H, the
// wall height H in the perimeter, H in the Froude number and no hydraulic
// mean depth. Each page works out the wetted perimeter P = B + S×2 first
// and otherwise prints the values it receives. The rows it shares with the
// other uniform-flow sheets are in uniform_sheet_rows.
#include "frame/sheet.hpp"
#include "open_channel/drasin_sheets.hpp"
#include "open_channel/sheet_sketch.hpp"
#include "open_channel/uniform_sheet_rows.hpp"

namespace open_channel::drasin {

namespace {

using frame::f3_3;
using frame::f5_3;
using frame::raised;

constexpr std::string_view kHeading = "　　矩形水路水理計算書　－　常流";
constexpr std::string_view kSupercriticalHeading = "　　矩形水路水理計算書　－　常流(射流計算余裕高)";

// "　　［流積］" A = B×H and "　　［潤辺］" P = H×2 + B with their numbers, in
// the narrow column or one blank further right.
void area_perimeter_rows(frame::Sheet& sh, const UniformSheet& s, Single P, Columns columns) {
  const bool narrow = columns == Columns::narrow;
  sh.row({"　　［流積］"});
  sh.row({narrow ? "            A  =" : "            A   =", f5_3(s.B), "×", f5_3(s.H), " =", f5_3(s.A), " m",
          raised("2")});
  sh.row({"　　［潤辺］"});
  sh.row({narrow ? "            P  =" : "            P   =", f5_3(s.H), "×2＋", f5_3(s.B), " =", f5_3(P), " m"});
}

}  // namespace

// Module Pjn: uniform flow without freeboard.
void JN_PAGE1(rt::Printer& p, const UniformSheet& s) {
  const Single P = s.B + s.S * 2;
  frame::Sheet sh(p);
  sh.open_page(s.options(), s.title, kHeading);
  uniform_conditions_and_results(sh, s, P, Columns::narrow, SideSlopeRow::left_out, std::nullopt);
  sh.empty_lines(1);
  sh.row({"（３）断面形状"});
  draw_sheet_sketch(p, {450, 970}, kRectangle, Freeboard::not_drawn,
                    {{"B=", s.B, 350, 640, kLevel}, {"H=", s.H, 790, 470, kTurned}, {"W=", s.W, 350, -20, kLevel}});
  sh.empty_lines(kLinesBelowSketch);
  sh.row({"（４）計算"});
  depth_rows(sh, s);
  area_perimeter_rows(sh, s, P, Columns::narrow);
  radius_velocity_discharge_rows(sh, s, P, Columns::narrow, Freeboard::not_drawn);
  sh.row({"　　［フルード数］  (g m/s", raised("2"), " : 重力加速度)"});
  sh.row({"            Fr = V／(g×H)", raised("1/2"), " = ", f5_3(s.V), "／(9.8×", f5_3(s.H), ")", raised("1/2"), " =",
          f5_3(s.Fr)});
}

// Module Pjy: uniform flow with the freeboard Fb = Fb*·H + hv + Fb+.
void JY_PAGE1(rt::Printer& p, const UniformSheet& s) {
  const Single P = s.B + s.S * 2;
  const Single H_plus_Fb = s.H + s.Fb;
  frame::Sheet sh(p);
  sh.open_page(s.options(), s.title, kHeading);
  uniform_conditions_and_results(sh, s, P, Columns::narrow, SideSlopeRow::left_out,
                                 FreeboardResult{"　　［余裕高］                  Fb =   ", s.Fb});
  sh.empty_lines(1);
  sh.row({"（３）断面形状"});
  draw_sheet_sketch(p, {450, 1000}, kRectangle, Freeboard::drawn,
                    {{"H+Fb=", H_plus_Fb, -20, 450, kTurned},
                     {"B=", s.B, 350, 640, kLevel},
                     {"H=", s.H, 790, 470, kTurned},
                     {"Fb=", s.Fb, 790, 300, kTurned},
                     {"W=", s.W, 350, -20, kLevel}});
  sh.empty_lines(kLinesBelowSketch);
  sh.row({"（４）計算"});
  depth_rows(sh, s);
  area_perimeter_rows(sh, s, P, Columns::narrow);
  radius_velocity_discharge_rows(sh, s, P, Columns::narrow, Freeboard::drawn);
  velocity_head_rows(sh, s, Columns::narrow);
  freeboard_rows(sh, s);
  sh.row({"　　［フルード数］  (g m/s", raised("2"), " : 重力加速度)"});
  sh.row({"            Fr = V／(g×H)", raised("1/2"), " =", f5_3(s.V), "／(9.8×", f5_3(s.H), ")", raised("1/2"), " =",
          f5_3(s.Fr)});
}

// Module PJSY: uniform flow with the supercritical-type freeboard
// Fbs = 0.10·V·H^(1/2); the formulas of section (4), the depth's excepted,
// stand in the wide column.
void JSY_PAGE1(rt::Printer& p, const UniformSheet& s) {
  const Single P = s.B + s.S * 2;
  const Single H_plus_Fbs = s.H + s.Fbs;
  frame::Sheet sh(p);
  sh.open_page(s.options(), s.title, kSupercriticalHeading);
  // The supercritical-type freeboard Fbs is written "Fb" here.
  uniform_conditions_and_results(sh, s, P, Columns::narrow, SideSlopeRow::left_out,
                                 FreeboardResult{"　　［射流計算余裕高］          Fb =   ", s.Fbs});
  sh.empty_lines(1);
  sh.row({"（３）断面形状"});
  draw_sheet_sketch(p, {450, 1000}, kRectangle, Freeboard::drawn,
                    {{"H+Fbc=", H_plus_Fbs, -20, 470, kTurned},
                     {"B=", s.B, 350, 640, kLevel},
                     {"H=", s.H, 790, 470, kTurned},
                     {"Fbc=", s.Fbs, 790, 300, kTurned},
                     {"W=", s.W, 350, -20, kLevel}});
  sh.empty_lines(kLinesBelowSketch);
  sh.row({"（４）計算"});
  depth_rows(sh, s);
  area_perimeter_rows(sh, s, P, Columns::wide);
  radius_velocity_discharge_rows(sh, s, P, Columns::wide, Freeboard::drawn);
  velocity_head_rows(sh, s, Columns::wide);
  sh.row({"　　［射流計算余裕高］  (C=0.10 : 矩形断面余裕高係数)"});
  sh.row({"            Fbc = C × V × H", raised("1/2"), " = 0.10×", f3_3(s.V), "×", f5_3(s.H), raised("1/2"), " =",
          f5_3(s.Fbs), " m"});
  sh.row({"　　［フルード数］  (g m/s", raised("2"), " : 重力加速度)"});
  sh.row({"            Fr  = V／(g×H)", raised("1/2"), " =", f5_3(s.V), "／(9.8×", f5_3(s.H), ")", raised("1/2"), " =",
          f5_3(s.Fr)});
}

}  // namespace open_channel::drasin
