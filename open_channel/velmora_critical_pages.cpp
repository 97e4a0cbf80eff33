// velmora's two critical-flow sheets, line by line as they are printed. The
// critical depth is found by iteration, so section (4) states the critical
// condition and the numbers it was solved with. 余裕高なし is 余裕高あり
// without its freeboard rows, and its sketch without the freeboard stands
// higher on the page. Each page works out the wetted perimeter P = B + Sc×2
// first and otherwise prints the values it receives: never the bed slope,
// the Froude numbers or the hydraulic mean depth.
#include "frame/sheet.hpp"
#include "open_channel/critical_sheet_rows.hpp"
#include "open_channel/sheet_sketch.hpp"
#include "open_channel/velmora_sheets.hpp"

namespace open_channel::velmora {

namespace {

using frame::f2_3;
using frame::f3_3;
using frame::f5_1;
using frame::f5_3;
using frame::raised;

constexpr std::string_view kHeading = "　　台形水路水理計算書　－　限界流";
constexpr Single kG = 9.8f;  // the g printed beside the critical condition

void draw_sketch(rt::Printer& p, const CriticalSheet& s, Freeboard freeboard) {
  const SheetSketchShape& shape = trapezoid_shape(s.m);
  if (freeboard == Freeboard::drawn) {
    const Single Hc_plus_Fbc = s.Hc + s.Fbc;
    draw_sheet_sketch(p, {450, 1000}, shape, freeboard,
                      {{"Hc+Fbc=", Hc_plus_Fbc, -20, 470, kTurned},
                       {"B=", s.B, 350, 640, kLevel},
                       {"Hc=", s.Hc, 790, 490, kTurned},
                       {"Fbc=", s.Fbc, 790, 300, kTurned},
                       {"Lc=", s.Sc, 840, 490, kTurned},
                       {"1:", s.m, 70, 400, kLevel},
                       {"Wc=", s.Wc, 330, -20, kLevel}});
  } else {
    draw_sheet_sketch(p, {450, 950}, shape, freeboard,
                      {{"B=", s.B, 350, 640, kLevel},
                       {"Hc=", s.Hc, 790, 490, kTurned},
                       {"Lc=", s.Sc, 840, 490, kTurned},
                       {"1:", s.m, 70, 400, kLevel},
                       {"Wc=", s.Wc, 330, -20, kLevel}});
  }
}

void critical_page(rt::Printer& p, const CriticalSheet& s, Freeboard freeboard) {
  const Single P = s.B + s.Sc * 2;
  frame::Sheet sh(p);
  sh.open_page(s.options(), s.title, kHeading);
  critical_conditions_and_results(sh, s, P, Columns::wide, SideSlopeRow::printed, freeboard);
  sh.empty_lines(1);
  sh.row({"（３）断面形状"});
  draw_sketch(p, s, freeboard);
  sh.empty_lines(kLinesBelowSketch);
  sh.row({"（４）計算"});
  sh.row({"　　［流積］"});
  sh.row({"            A   = Hc×(B＋m×Hc)  m", raised("2")});
  sh.row({"　　［水面幅］"});
  sh.row({"            W   = B＋2×m×Hc  m"});
  sh.row({"　　［水理水深］"});
  sh.row({"            Hhc = A／W  m"});
  sh.row({"　　［流速］"});
  sh.row({"            Vc  = Q／A  m/s"});
  sh.row({"　　［限界水深］  (Fr:フルード数、g:重力加速度)"});
  sh.row({"            以下の数値を用い、限界条件(Fr=1)を満足するようなHcを求める。"});
  sh.row({"              Fr  = Vc／(g×Hhc)", raised("1/2"), " = 1  のとき    Hc =", f5_3(s.Hc), " m"});
  sh.row({"                Q =", f5_3(s.Q), " m", raised("3"), "/s  ,  ", "B =", f5_3(s.B), " m"});
  sh.row({"                g =", f5_1(kG), "   m/s", raised("2"), "  ,  ", "m =", f5_3(s.m)});
  sh.row({"　　［逆算流量］"});
  sh.row({"            QD  = A × Vc =", f5_3(s.Ac), "×", f5_3(s.Vc)});
  sh.row({"                =", f5_3(s.QDc), " m", raised("3"), "/s    ≧    Q =", f5_3(s.Q), " m", raised("3"), "/s"});
  sh.row({"　　［潤辺］"});
  sh.row({"            P   =", f5_3(s.Sc), "×2＋", f5_3(s.B), " =", f5_3(P), " m"});
  sh.row({"　　［径深］"});
  sh.row({"            R   = A／P =", f5_3(s.Ac), "／", f5_3(P), " =", f5_3(s.Rc), " m"});
  if (freeboard == Freeboard::drawn) {
    sh.row({"　　［余裕高］  (C=0.13 : 台形断面余裕高係数)"});
    sh.row({"            Fbc = C × Vc × Hc", raised("1/2"), " = 0.13×", f3_3(s.Vc), " ×", f5_3(s.Hc), raised("1/2"),
            " =", f5_3(s.Fbc), " m"});
  }
  sh.row({"　　［限界勾配］"});
  sh.row({"            Ic  = (Vc×n／R", raised("2/3"), ")", raised("2"), " = (", f3_3(s.Vc), "×", f2_3(s.n), "／",
          f5_3(s.Rc), raised("2/3"), ")", raised("2"), " = 1/", f5_3(s.Ic)});
}

}  // namespace

// Module Psy: critical flow with the freeboard Fbc = 0.13·Vc·Hc^(1/2).
void SY_PAGE1(rt::Printer& p, const CriticalSheet& s) { critical_page(p, s, Freeboard::drawn); }

// Module PSN: critical flow without freeboard.
void SN_PAGE1(rt::Printer& p, const CriticalSheet& s) { critical_page(p, s, Freeboard::not_drawn); }

}  // namespace open_channel::velmora
