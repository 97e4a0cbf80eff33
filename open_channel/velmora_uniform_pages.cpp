// velmora's three uniform-flow sheets, line by line as they are printed.
// Each page works out the wetted perimeter P = B + S×2 first and otherwise
// prints the values it receives. The rows it shares with the other
// uniform-flow sheets are in uniform_sheet_rows.
#include "frame/sheet.hpp"
#include "open_channel/sheet_sketch.hpp"
#include "open_channel/uniform_sheet_rows.hpp"
#include "open_channel/velmora_sheets.hpp"

namespace open_channel::velmora {

namespace {

using frame::f5_3;
using frame::raised;

constexpr std::string_view kHeading = "　　台形水路水理計算書　－　常流";

// The starts of the trapezoid's own formulas in section (4), in the narrow
// column or one blank further right.
struct TrapezoidFormulas {
  std::string_view A, P, Hh, Fr;
};

const TrapezoidFormulas& trapezoid_formulas(Columns columns) {
  static constexpr TrapezoidFormulas narrow{"            A  = 1／2×(", "            P  =",
                                            "            Hh = A／W =", "            Fr = V／(g×Hh)"};
  static constexpr TrapezoidFormulas wide{"            A   = 1／2×(", "            P   =",
                                          "            Hh  = A／W =", "            Fr  = V／(g×Hh)"};
  return columns == Columns::narrow ? narrow : wide;
}

// "　　［流積］" and "　　［潤辺］" with their numbers.
void area_perimeter_rows(frame::Sheet& sh, const UniformSheet& s, Single P, Columns columns) {
  const TrapezoidFormulas& f = trapezoid_formulas(columns);
  sh.row({"　　［流積］"});
  sh.row({f.A, f5_3(s.B), "＋", f5_3(s.W), ")×", f5_3(s.H), " =", f5_3(s.A), " m", raised("2")});
  sh.row({"　　［潤辺］"});
  sh.row({f.P, f5_3(s.S), "×2＋", f5_3(s.B), " =", f5_3(P), " m"});
}

// "　　［水理水深］" and "　　［フルード数］", the last rows of every page.
void hydraulic_depth_froude_rows(frame::Sheet& sh, const UniformSheet& s, Columns columns) {
  const TrapezoidFormulas& f = trapezoid_formulas(columns);
  sh.row({"　　［水理水深］"});
  sh.row({f.Hh, f5_3(s.A), "／", f5_3(s.W), " =", f5_3(s.Hh), " m"});
  sh.row({"　　［フルード数］  (g m/s", raised("2"), " : 重力加速度)"});
  sh.row({f.Fr, raised("1/2"), " =", f5_3(s.V), "／(9.8×", f5_3(s.Hh), ")", raised("1/2"), " =", f5_3(s.Fr)});
}

}  // namespace

// Module Pjn: uniform flow without freeboard.
void JN_PAGE1(rt::Printer& p, const UniformSheet& s) {
  const Single P = s.B + s.S * 2;
  frame::Sheet sh(p);
  sh.open_page(s.options(), s.title, kHeading);
  uniform_conditions_and_results(sh, s, P, Columns::narrow, SideSlopeRow::printed, std::nullopt);
  sh.empty_lines(1);
  sh.row({"（３）断面形状"});
  draw_sheet_sketch(p, {450, 1020}, trapezoid_shape(s.m), Freeboard::not_drawn,
                    {{"B=", s.B, 350, 640, kLevel},
                     {"H=", s.H, 790, 470, kTurned},
                     {"L=", s.S, 840, 470, kTurned},
                     {"1:", s.m, 70, 400, kLevel},
                     {"W=", s.W, 350, -20, kLevel}});
  sh.empty_lines(kLinesBelowSketch);
  sh.row({"（４）計算"});
  depth_rows(sh, s);
  area_perimeter_rows(sh, s, P, Columns::narrow);
  radius_velocity_discharge_rows(sh, s, P, Columns::narrow, Freeboard::not_drawn);
  hydraulic_depth_froude_rows(sh, s, Columns::narrow);
}

// Module Pjy: uniform flow with the freeboard Fb = Fb*·H + hv + Fb+.
void JY_PAGE1(rt::Printer& p, const UniformSheet& s) {
  const Single P = s.B + s.S * 2;
  const Single H_plus_Fb = s.H + s.Fb;
  frame::Sheet sh(p);
  sh.open_page(s.options(), s.title, kHeading);
  uniform_conditions_and_results(sh, s, P, Columns::narrow, SideSlopeRow::printed,
                                 FreeboardResult{"　　［余裕高］                  Fb =   ", s.Fb});
  sh.empty_lines(1);
  sh.row({"（３）断面形状"});
  draw_sheet_sketch(p, {450, 1050}, trapezoid_shape(s.m), Freeboard::drawn,
                    {{"H+Fb=", H_plus_Fb, -20, 450, kTurned},
                     {"B=", s.B, 350, 640, kLevel},
                     {"H=", s.H, 790, 470, kTurned},
                     {"Fb=", s.Fb, 790, 300, kTurned},
                     {"L=", s.S, 840, 470, kTurned},
                     {"1:", s.m, 70, 400, kLevel},
                     {"W=", s.W, 350, -20, kLevel}});
  sh.empty_lines(kLinesBelowSketch);
  sh.row({"（４）計算"});
  depth_rows(sh, s);
  area_perimeter_rows(sh, s, P, Columns::narrow);
  radius_velocity_discharge_rows(sh, s, P, Columns::narrow, Freeboard::drawn);
  velocity_head_rows(sh, s, Columns::narrow);
  freeboard_rows(sh, s);
  hydraulic_depth_froude_rows(sh, s, Columns::narrow);
}

// Module PJSY: uniform flow with the supercritical-type freeboard
// Fbs = 0.13·V·H^(1/2); its labels and formulas stand in the wide column.
void JSY_PAGE1(rt::Printer& p, const UniformSheet& s) {
  const Single P = s.B + s.S * 2;
  const Single H_plus_Fbs = s.H + s.Fbs;
  frame::Sheet sh(p);
  sh.open_page(s.options(), s.title, kHeading);
  uniform_conditions_and_results(sh, s, P, Columns::wide, SideSlopeRow::printed,
                                 FreeboardResult{"　　［射流計算余裕高］          Fbc =   ", s.Fbs});
  sh.empty_lines(1);
  sh.row({"（３）断面形状"});
  draw_sheet_sketch(p, {450, 1050}, trapezoid_shape(s.m), Freeboard::drawn,
                    {{"H+Fbc=", H_plus_Fbs, -20, 460, kTurned},
                     {"B=", s.B, 350, 640, kLevel},
                     {"H=", s.H, 790, 470, kTurned},
                     {"Fbc=", s.Fbs, 790, 300, kTurned},
                     {"L=", s.S, 840, 470, kTurned},
                     {"1:", s.m, 70, 400, kLevel},
                     {"W=", s.W, 350, -20, kLevel}});
  sh.empty_lines(kLinesBelowSketch);
  sh.row({"（４）計算"});
  depth_rows(sh, s);
  area_perimeter_rows(sh, s, P, Columns::wide);
  radius_velocity_discharge_rows(sh, s, P, Columns::wide, Freeboard::drawn);
  velocity_head_rows(sh, s, Columns::wide);
  sh.row({"　　［射流計算余裕高］  (C=0.13 : 台形断面余裕高係数)"});
  sh.row({"            Fbc = C×V×H", raised("1/2"), " = 0.13×", f5_3(s.V), "×", f5_3(s.H), raised("1/2"), " =",
          f5_3(s.Fbs), " m"});
  hydraulic_depth_froude_rows(sh, s, Columns::wide);
}

}  // namespace open_channel::velmora
