// velmora's three uniform-flow sheets, line by line as they are printed.
// Each page works out the wetted perimeter P = B + S×2 first and otherwise
// prints the values it receives.
#include "frame/sheet.hpp"
#include "open_channel/sheet_sketch.hpp"
#include "open_channel/sheet_texts.hpp"
#include "open_channel/velmora_sheets.hpp"

namespace open_channel::velmora {

namespace {

using frame::f2_3;
using frame::f4_3;
using frame::f5_3;
using frame::option_on;
using frame::raised;

constexpr std::string_view kHeading = "　　台形水路水理計算書　－　常流";

}  // namespace

// Module Pjn: uniform flow without freeboard.
void JN_PAGE1(rt::Printer& p, const UniformSheet& s) {
  const Single P = s.B + s.S * 2;
  frame::Sheet sh(p);
  sh.open_page(s.options(), s.title, kHeading);
  sh.row({"　　［計画流量］                Q  =   ", f5_3(s.Q), " m", raised("3"), "/s"});
  sh.row({"　　［水路勾配］                I  = 1/", f5_3(s.I)});
  sh.row({"　　［水路敷幅］                B  =   ", f5_3(s.B), " m"});
  sh.row({"　　［粗度係数］                n  =   ", f5_3(s.n)});
  sh.row({"　　［水路側法勾配］          1:m  = 1:", f5_3(s.m)});
  sh.empty_lines(1);
  sh.row({"（２）計算結果"});
  sh.row({"　　［水深］                    H  =   ", f5_3(s.H), " m"});
  sh.row({"　　［流積］                    A  =   ", f5_3(s.A), " m", raised("2")});
  sh.row({"　　［潤辺］                    P  =   ", f5_3(P), " m"});
  sh.row({"　　［径深］                    R  =   ", f5_3(s.R), " m"});
  sh.row({"　　［流速］                    V  =   ", f5_3(s.V), " m/s"});
  sh.row({"　　［逆算流量］                QD =   ", f5_3(s.QD), " m", raised("3"), "/s"});
  sh.row({"　　［フルード数］              Fr =   ", f5_3(s.Fr), froude_comparison(s.Fr)});
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
  sh.row({"　　［水深］"});
  if (option_on(s.opt_print_h12)) {
    sh.row({"            H  =", f5_3(s.H), " m    ", "( 1.2Q = ", f4_3(s.Q12), " m", raised("3"), "/s   H' =",
            f5_3(s.H12), " m )"});
  } else {
    sh.row({"            H  =", f5_3(s.H), " m"});
  }
  sh.row({"　　［流積］"});
  sh.row({"            A  = 1／2×(", f5_3(s.B), "＋", f5_3(s.W), ")×", f5_3(s.H), " =", f5_3(s.A), " m", raised("2")});
  sh.row({"　　［潤辺］"});
  sh.row({"            P  =", f5_3(s.S), "×2＋", f5_3(s.B), " =", f5_3(P), " m"});
  sh.row({"　　［径深］"});
  sh.row({"            R  = A／P =", f5_3(s.A), "／", f5_3(P), " =", f5_3(s.R), " m"});
  sh.row({"　　［流速］"});
  sh.row({"            V  = 1／n × I", raised("1/2"), "×R", raised("2/3")});
  sh.row({"               = 1／", f2_3(s.n), "×(1／", f5_3(s.I), ")", raised("1/2"), "×", f5_3(s.R), raised("2/3"),
          " =", f5_3(s.V), " m/s"});
  sh.row({"　　［逆算流量］"});
  sh.row({"            QD = A × V =", f5_3(s.A), "×", f5_3(s.V)});
  sh.row({"               =", f5_3(s.QD), " m", raised("3"), "/s    ≧    Q =", f5_3(s.Q), " m", raised("3"), "/s"});
  sh.row({"　　［水理水深］"});
  sh.row({"            Hh = A／W =", f5_3(s.A), "／", f5_3(s.W), " =", f5_3(s.Hh), " m"});
  sh.row({"　　［フルード数］  (g m/s", raised("2"), " : 重力加速度)"});
  sh.row({"            Fr = V／(g×Hh)", raised("1/2"), " =", f5_3(s.V), "／(9.8×", f5_3(s.Hh), ")", raised("1/2"), " =",
          f5_3(s.Fr)});
}

// Module Pjy: uniform flow with the freeboard Fb = Fb*·H + hv + Fb+.
void JY_PAGE1(rt::Printer& p, const UniformSheet& s) {
  const Single P = s.B + s.S * 2;
  const Single H_plus_Fb = s.H + s.Fb;
  frame::Sheet sh(p);
  sh.open_page(s.options(), s.title, kHeading);
  sh.row({"　　［計画流量］                Q  =   ", f5_3(s.Q), " m", raised("3"), "/s"});
  sh.row({"　　［水路勾配］                I  = 1/", f5_3(s.I)});
  sh.row({"　　［水路敷幅］                B  =   ", f5_3(s.B), " m"});
  sh.row({"　　［粗度係数］                n  =   ", f5_3(s.n)});
  sh.row({"　　［水路側法勾配］          1:m  = 1:", f5_3(s.m)});
  sh.empty_lines(1);
  sh.row({"（２）計算結果"});
  sh.row({"　　［水深］                    H  =   ", f5_3(s.H), " m"});
  sh.row({"　　［流積］                    A  =   ", f5_3(s.A), " m", raised("2")});
  sh.row({"　　［潤辺］                    P  =   ", f5_3(P), " m"});
  sh.row({"　　［径深］                    R  =   ", f5_3(s.R), " m"});
  sh.row({"　　［流速］                    V  =   ", f5_3(s.V), " m/s"});
  sh.row({"　　［逆算流量］                QD =   ", f5_3(s.QD), " m", raised("3"), "/s"});
  sh.row({"　　［余裕高］                  Fb =   ", f5_3(s.Fb), " m"});
  sh.row({"　　［フルード数］              Fr =   ", f5_3(s.Fr), froude_comparison(s.Fr)});
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
  sh.row({"　　［水深］"});
  if (option_on(s.opt_print_h12)) {
    sh.row({"            H  =", f5_3(s.H), " m    ", "( 1.2Q = ", f4_3(s.Q12), " m", raised("3"), "/s   H' =",
            f5_3(s.H12), " m )"});
  } else {
    sh.row({"            H  =", f5_3(s.H), " m"});
  }
  sh.row({"　　［流積］"});
  sh.row({"            A  = 1／2×(", f5_3(s.B), "＋", f5_3(s.W), ")×", f5_3(s.H), " =", f5_3(s.A), " m", raised("2")});
  sh.row({"　　［潤辺］"});
  sh.row({"            P  =", f5_3(s.S), "×2＋", f5_3(s.B), " =", f5_3(P), " m"});
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
  sh.row({"　　［水理水深］"});
  sh.row({"            Hh = A／W =", f5_3(s.A), "／", f5_3(s.W), " =", f5_3(s.Hh), " m"});
  sh.row({"　　［フルード数］  (g m/s", raised("2"), " : 重力加速度)"});
  sh.row({"            Fr = V／(g×Hh)", raised("1/2"), " =", f5_3(s.V), "／(9.8×", f5_3(s.Hh), ")", raised("1/2"), " =",
          f5_3(s.Fr)});
}

// Module PJSY: uniform flow with the supercritical-type freeboard
// Fbs = 0.13·V·H^(1/2); its labels stand one column further right.
void JSY_PAGE1(rt::Printer& p, const UniformSheet& s) {
  const Single P = s.B + s.S * 2;
  const Single H_plus_Fbs = s.H + s.Fbs;
  frame::Sheet sh(p);
  sh.open_page(s.options(), s.title, kHeading);
  sh.row({"　　［計画流量］                Q   =   ", f5_3(s.Q), " m", raised("3"), "/s"});
  sh.row({"　　［水路勾配］                I   = 1/", f5_3(s.I)});
  sh.row({"　　［水路敷幅］                B   =   ", f5_3(s.B), " m"});
  sh.row({"　　［粗度係数］                n   =   ", f5_3(s.n)});
  sh.row({"　　［水路側法勾配］          1:m   = 1:", f5_3(s.m)});
  sh.empty_lines(1);
  sh.row({"（２）計算結果"});
  sh.row({"　　［水深］                    H   =   ", f5_3(s.H), " m"});
  sh.row({"　　［流積］                    A   =   ", f5_3(s.A), " m", raised("2")});
  sh.row({"　　［潤辺］                    P   =   ", f5_3(P), " m"});
  sh.row({"　　［径深］                    R   =   ", f5_3(s.R), " m"});
  sh.row({"　　［流速］                    V   =   ", f5_3(s.V), " m/s"});
  sh.row({"　　［逆算流量］                QD  =   ", f5_3(s.QD), " m", raised("3"), "/s"});
  sh.row({"　　［射流計算余裕高］          Fbc =   ", f5_3(s.Fbs), " m"});
  sh.row({"　　［フルード数］              Fr  =   ", f5_3(s.Fr), froude_comparison(s.Fr)});
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
  sh.row({"　　［水深］"});
  if (option_on(s.opt_print_h12)) {
    sh.row({"            H  =", f5_3(s.H), " m    ", "( 1.2Q = ", f4_3(s.Q12), " m", raised("3"), "/s   H' =",
            f5_3(s.H12), " m )"});
  } else {
    sh.row({"            H  =", f5_3(s.H), " m"});
  }
  sh.row({"　　［流積］"});
  sh.row({"            A   = 1／2×(", f5_3(s.B), "＋", f5_3(s.W), ")×", f5_3(s.H), " =", f5_3(s.A), " m", raised("2")});
  sh.row({"　　［潤辺］"});
  sh.row({"            P   =", f5_3(s.S), "×2＋", f5_3(s.B), " =", f5_3(P), " m"});
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
  sh.row({"　　［射流計算余裕高］  (C=0.13 : 台形断面余裕高係数)"});
  sh.row({"            Fbc = C×V×H", raised("1/2"), " = 0.13×", f5_3(s.V), "×", f5_3(s.H), raised("1/2"), " =",
          f5_3(s.Fbs), " m"});
  sh.row({"　　［水理水深］"});
  sh.row({"            Hh  = A／W =", f5_3(s.A), "／", f5_3(s.W), " =", f5_3(s.Hh), " m"});
  sh.row({"　　［フルード数］  (g m/s", raised("2"), " : 重力加速度)"});
  sh.row({"            Fr  = V／(g×Hh)", raised("1/2"), " =", f5_3(s.V), "／(9.8×", f5_3(s.Hh), ")", raised("1/2"),
          " =", f5_3(s.Fr)});
}

}  // namespace open_channel::velmora
