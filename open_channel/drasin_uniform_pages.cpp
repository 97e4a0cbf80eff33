// drasin's three uniform-flow sheets, line by line as they are printed.
// Sections (1) and (2) are velmora's without the side slope, on all three
// pages in velmora's 余裕高なし columns; section (4) works the rectangle:
// A = B×H, the wall height H in the perimeter, H in the Froude number and no
// hydraulic mean depth. Each page works out the wetted perimeter P = B + S×2
// first and otherwise prints the values it receives.
#include "frame/sheet.hpp"
#include "open_channel/drasin_sheets.hpp"
#include "open_channel/sheet_sketch.hpp"
#include "open_channel/sheet_texts.hpp"

namespace open_channel::drasin {

namespace {

using frame::f2_3;
using frame::f3_3;
using frame::f4_3;
using frame::f5_3;
using frame::option_on;
using frame::raised;

constexpr std::string_view kHeading = "　　矩形水路水理計算書　－　常流";
constexpr std::string_view kSupercriticalHeading = "　　矩形水路水理計算書　－　常流(射流計算余裕高)";

// The line of section (2) between the back-calculated discharge and the
// Froude number: none, the freeboard Fb, or the supercritical-type Fbs
// (which the sheet also writes as "Fb").
enum class FreeboardRow { none, Fb, Fbs };

// Sections (1) and (2), from the first row under "（１）計算条件" to the
// Froude number.
void conditions_and_results(frame::Sheet& sh, const UniformSheet& s, Single P, FreeboardRow freeboard) {
  sh.row({"　　［計画流量］                Q  =   ", f5_3(s.Q), " m", raised("3"), "/s"});
  sh.row({"　　［水路勾配］                I  = 1/", f5_3(s.I)});
  sh.row({"　　［水路敷幅］                B  =   ", f5_3(s.B), " m"});
  sh.row({"　　［粗度係数］                n  =   ", f5_3(s.n)});
  sh.empty_lines(1);
  sh.row({"（２）計算結果"});
  sh.row({"　　［水深］                    H  =   ", f5_3(s.H), " m"});
  sh.row({"　　［流積］                    A  =   ", f5_3(s.A), " m", raised("2")});
  sh.row({"　　［潤辺］                    P  =   ", f5_3(P), " m"});
  sh.row({"　　［径深］                    R  =   ", f5_3(s.R), " m"});
  sh.row({"　　［流速］                    V  =   ", f5_3(s.V), " m/s"});
  sh.row({"　　［逆算流量］                QD =   ", f5_3(s.QD), " m", raised("3"), "/s"});
  if (freeboard == FreeboardRow::Fb) sh.row({"　　［余裕高］                  Fb =   ", f5_3(s.Fb), " m"});
  if (freeboard == FreeboardRow::Fbs) sh.row({"　　［射流計算余裕高］          Fb =   ", f5_3(s.Fbs), " m"});
  sh.row({"　　［フルード数］              Fr =   ", f5_3(s.Fr), froude_comparison(s.Fr)});
}

// The depth, first of section (4) and the same on the three pages.
void depth(frame::Sheet& sh, const UniformSheet& s) {
  sh.row({"　　［水深］"});
  if (option_on(s.opt_print_h12)) {
    sh.row({"            H  =", f5_3(s.H), " m    ", "( 1.2Q = ", f4_3(s.Q12), " m", raised("3"), "/s   H' =",
            f5_3(s.H12), " m )"});
  } else {
    sh.row({"            H  =", f5_3(s.H), " m"});
  }
}

}  // namespace

// Module Pjn: uniform flow without freeboard.
void JN_PAGE1(rt::Printer& p, const UniformSheet& s) {
  const Single P = s.B + s.S * 2;
  frame::Sheet sh(p);
  sh.open_page(s.options(), s.title, kHeading);
  conditions_and_results(sh, s, P, FreeboardRow::none);
  sh.empty_lines(1);
  sh.row({"（３）断面形状"});
  draw_sheet_sketch(p, {450, 970}, kRectangle, Freeboard::not_drawn,
                    {{"B=", s.B, 350, 640, kLevel}, {"H=", s.H, 790, 470, kTurned}, {"W=", s.W, 350, -20, kLevel}});
  sh.empty_lines(kLinesBelowSketch);
  sh.row({"（４）計算"});
  depth(sh, s);
  sh.row({"　　［流積］"});
  sh.row({"            A  =", f5_3(s.B), "×", f5_3(s.H), " =", f5_3(s.A), " m", raised("2")});
  sh.row({"　　［潤辺］"});
  sh.row({"            P  =", f5_3(s.H), "×2＋", f5_3(s.B), " =", f5_3(P), " m"});
  sh.row({"　　［径深］"});
  sh.row({"            R  = A／P =", f5_3(s.A), "／", f5_3(P), " =", f5_3(s.R), " m"});
  sh.row({"　　［流速］"});
  sh.row({"            V  = 1／n × I", raised("1/2"), "×R", raised("2/3")});
  sh.row({"               = 1／", f2_3(s.n), "×(1／", f5_3(s.I), ")", raised("1/2"), "×", f5_3(s.R), raised("2/3"),
          " =", f5_3(s.V), " m/s"});
  sh.row({"　　［逆算流量］"});
  sh.row({"            QD = A × V =", f5_3(s.A), "×", f5_3(s.V)});
  sh.row({"               =", f5_3(s.QD), " m", raised("3"), "/s    ≧    Q =", f5_3(s.Q), " m", raised("3"), "/s"});
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
  conditions_and_results(sh, s, P, FreeboardRow::Fb);
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
  depth(sh, s);
  sh.row({"　　［流積］"});
  sh.row({"            A  =", f5_3(s.B), "×", f5_3(s.H), " =", f5_3(s.A), " m", raised("2")});
  sh.row({"　　［潤辺］"});
  sh.row({"            P  =", f5_3(s.H), "×2＋", f5_3(s.B), " =", f5_3(P), " m"});
  sh.row({"　　［径深］"});
  sh.row({"            R  = A／P =", f5_3(s.A), "／", f5_3(P), " =", f5_3(s.R), " m"});
  sh.row({"　　［流速］"});
  sh.row({"            V  = 1／n × I", raised("1/2"), " × R", raised("2/3")});
  sh.row({"               = 1／", f2_3(s.n), "×(1／", f5_3(s.I), ")", raised("1/2"), "×", f5_3(s.R), raised("2/3"),
          " =", f5_3(s.V), " m/s"});
  sh.row({"　　［逆算流量］"});
  sh.row({"            QD = A × V =", f5_3(s.A), "×", f5_3(s.V)});
  sh.row({"               =", f5_3(s.QD), " m", raised("3"), "/s    ≧    Q =", f5_3(s.Q), " m", raised("3"), "/s"});
  sh.row({"　　［速度水頭］"});
  sh.row({"            hv = V", raised("2"), "／(2×g)"});
  sh.row({"               =", f5_3(s.V), raised("2"), "／(2×9.8) =", f5_3(s.hv), " m"});
  sh.row({"　　［余裕高］"});
  sh.row({"            Fb =", f5_3(s.Fb_star), "×H＋hv＋", f5_3(s.Fb_plus)});
  sh.row({"               =", f5_3(s.Fb_star), "×", f5_3(s.H), "＋", f5_3(s.hv), "＋", f4_3(s.Fb_plus), " =",
          f5_3(s.Fb), " m"});
  sh.row({"　　［フルード数］  (g m/s", raised("2"), " : 重力加速度)"});
  sh.row({"            Fr = V／(g×H)", raised("1/2"), " =", f5_3(s.V), "／(9.8×", f5_3(s.H), ")", raised("1/2"), " =",
          f5_3(s.Fr)});
}

// Module PJSY: uniform flow with the supercritical-type freeboard
// Fbs = 0.10·V·H^(1/2); the formulas of section (4) stand one column
// further right.
void JSY_PAGE1(rt::Printer& p, const UniformSheet& s) {
  const Single P = s.B + s.S * 2;
  const Single H_plus_Fbs = s.H + s.Fbs;
  frame::Sheet sh(p);
  sh.open_page(s.options(), s.title, kSupercriticalHeading);
  conditions_and_results(sh, s, P, FreeboardRow::Fbs);
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
  depth(sh, s);
  sh.row({"　　［流積］"});
  sh.row({"            A   =", f5_3(s.B), "×", f5_3(s.H), " =", f5_3(s.A), " m", raised("2")});
  sh.row({"　　［潤辺］"});
  sh.row({"            P   =", f5_3(s.H), "×2＋", f5_3(s.B), " =", f5_3(P), " m"});
  sh.row({"　　［径深］"});
  sh.row({"            R   = A／P =", f5_3(s.A), "／", f5_3(P), " =", f5_3(s.R), " m"});
  sh.row({"　　［流速］"});
  sh.row({"            V   = 1／n × I", raised("1/2"), " × R", raised("2/3")});
  sh.row({"                = 1／", f2_3(s.n), "×(1／", f5_3(s.I), ")", raised("1/2"), "×", f5_3(s.R), raised("2/3"),
          " =", f5_3(s.V), " m/s"});
  sh.row({"　　［逆算流量］"});
  sh.row({"            QD  = A × V =", f5_3(s.A), "×", f5_3(s.V)});
  sh.row({"                =", f5_3(s.QD), " m", raised("3"), "/s    ≧    Q =", f5_3(s.Q), " m", raised("3"), "/s"});
  sh.row({"　　［速度水頭］"});
  sh.row({"            hv  = V", raised("2"), "／(2×g)"});
  sh.row({"                =", f5_3(s.V), raised("2"), "／(2×9.8) =", f5_3(s.hv), " m"});
  sh.row({"　　［射流計算余裕高］  (C=0.10 : 矩形断面余裕高係数)"});
  sh.row({"            Fbc = C × V × H", raised("1/2"), " = 0.10×", f3_3(s.V), "×", f5_3(s.H), raised("1/2"), " =",
          f5_3(s.Fbs), " m"});
  sh.row({"　　［フルード数］  (g m/s", raised("2"), " : 重力加速度)"});
  sh.row({"            Fr  = V／(g×H)", raised("1/2"), " =", f5_3(s.V), "／(9.8×", f5_3(s.H), ")", raised("1/2"), " =",
          f5_3(s.Fr)});
}

}  // namespace open_channel::drasin
