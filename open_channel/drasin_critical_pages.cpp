// drasin's two critical-flow sheets, line by line as they are printed. The
// rectangle's critical depth has a closed form, so section (4) works it out
// with its numbers. 余裕高あり prints sections (1) and (2) in the wide
// column, as velmora's critical sheets do; 余裕高なし prints them in the
// narrow column and has a few texts of its own in section (4). Each page works out the wetted perimeter
// P = B + Sc×2 first and otherwise prints the values it receives: never the
// bed slope or the Froude number.
#include "frame/sheet.hpp"
#include "open_channel/critical_sheet_rows.hpp"
#include "open_channel/drasin_sheets.hpp"
#include "open_channel/sheet_sketch.hpp"

namespace open_channel::drasin {

namespace {

using frame::f2_3;
using frame::f3_3;
using frame::f5_3;
using frame::raised;

constexpr std::string_view kHeading = "　　矩形水路水理計算書　－　限界流";

}  // namespace

// Module Psy: critical flow with the freeboard Fbc = 0.10·Vc·Hc^(1/2).
void SY_PAGE1(rt::Printer& p, const CriticalSheet& s) {
  const Single P = s.B + s.Sc * 2;
  const Single Hc_plus_Fbc = s.Hc + s.Fbc;
  frame::Sheet sh(p);
  sh.open_page(s.options(), s.title, kHeading);
  critical_conditions_and_results(sh, s, P, Columns::wide, SideSlopeRow::left_out, Freeboard::drawn);
  sh.empty_lines(1);
  sh.row({"（３）断面形状"});
  draw_sheet_sketch(p, {450, 1000}, kRectangle, Freeboard::drawn,
                    {{"Hc+Fbc=", Hc_plus_Fbc, -20, 470, kTurned},
                     {"B=", s.B, 350, 640, kLevel},
                     {"Hc=", s.Hc, 790, 490, kTurned},
                     {"Fbc=", s.Fbc, 790, 300, kTurned},
                     {"Wc=", s.Wc, 330, -20, kLevel}});
  sh.empty_lines(kLinesBelowSketch);
  sh.row({"（４）計算"});
  sh.row({"　　［限界水深］  (g m/s", raised("2"), " : 重力加速度)"});
  sh.row({"            Hc  = (Q", raised("2"), "／(g×B", raised("2"), "))", raised("1/3")});
  sh.row({"                = (", f5_3(s.Q), raised("2"), "／(9.8×", f5_3(s.B), raised("2"), "))", raised("1/3"), " = ",
          f5_3(s.Hc), " m"});
  sh.row({"　　［流積］"});
  sh.row({"            A   =", f5_3(s.B), "×", f5_3(s.Hc), " =", f5_3(s.Ac), " m", raised("2")});
  sh.row({"　　［潤辺］"});
  sh.row({"            P   =", f5_3(s.Hc), "×2＋", f5_3(s.B), " =", f5_3(P), " m"});
  sh.row({"　　［径深］"});
  sh.row({"            R   = A／P =", f5_3(s.Ac), "／", f5_3(P), " =", f5_3(s.Rc), " m"});
  sh.row({"　　［限界流速］"});
  sh.row({"            Vc  = Q／A =", f5_3(s.Q), "／", f5_3(s.Ac), " =", f5_3(s.Vc), " m/s"});
  sh.row({"　　［逆算流量］"});
  sh.row({"            QD  = A × Vc =", f5_3(s.Ac), "×", f5_3(s.Vc)});
  sh.row({"                =", f5_3(s.QDc), " m", raised("3"), "/s    ≧    Q =", f5_3(s.Q), " m", raised("3"), "/s"});
  sh.row({"　　［余裕高］  (C=0.10 : 矩形断面余裕高係数)"});
  sh.row({"            Fbc = C × Vc × Hc", raised("1/2"), " = 0.10×", f3_3(s.Vc), "×", f5_3(s.Hc), raised("1/2"), " = ",
          f5_3(s.Fbc), " m"});
  sh.row({"　　［限界勾配］"});
  sh.row({"            Ic  = (Vc×n／R", raised("2/3"), ")", raised("2"), " = (", f3_3(s.Vc), "×", f2_3(s.n), "／",
          f5_3(s.Rc), raised("2/3"), ")", raised("2"), " = 1/", f5_3(s.Ic)});
}

// Module PSN: critical flow without freeboard.
void SN_PAGE1(rt::Printer& p, const CriticalSheet& s) {
  const Single P = s.B + s.Sc * 2;
  frame::Sheet sh(p);
  sh.open_page(s.options(), s.title, kHeading);
  critical_conditions_and_results(sh, s, P, Columns::narrow, SideSlopeRow::left_out, Freeboard::not_drawn);
  sh.empty_lines(1);
  sh.row({"（３）断面形状"});
  draw_sheet_sketch(p, {450, 950}, kRectangle, Freeboard::not_drawn,
                    {{"B=", s.B, 350, 640, kLevel}, {"Hc=", s.Hc, 790, 470, kTurned}, {"Wc=", s.Wc, 330, -20, kLevel}});
  sh.empty_lines(kLinesBelowSketch);
  sh.row({"（４）計算"});
  sh.row({"　　［限界水深］  (g m/s", raised("2"), " : 重力加速度)"});
  sh.row({"            Hc  = (Q", raised("2"), "／(g×B", raised("2"), "))", raised("1/3")});
  sh.row({"                = (", f5_3(s.Q), raised("2"), "／(9.8×", f5_3(s.B), raised("2"), "))", raised("1/3"), " =",
          f5_3(s.Hc), " m"});
  sh.row({"　　［流積］"});
  sh.row({"            A   =", f5_3(s.B), "×", f5_3(s.Hc), " =", f5_3(s.Ac), " m", raised("2")});
  sh.row({"　　［潤辺］"});
  sh.row({"            P   =", f5_3(s.Hc), "× 2 ＋", f5_3(s.B), " =", f5_3(P), " m"});
  sh.row({"　　［径深］"});
  sh.row({"            R   = A／P =", f5_3(s.Ac), "／", f5_3(P), " =", f5_3(s.Rc), " m"});
  sh.row({"　　［限界流速］"});
  sh.row({"            Vc  = Q／A =", f5_3(s.Q), "／", f5_3(s.Ac), " =", f5_3(s.Vc), " m/s"});
  sh.row({"　　［逆算流量］"});
  sh.row({"            QD  = A × V =", f5_3(s.Ac), "×", f5_3(s.Vc)});
  sh.row({"                =", f5_3(s.QDc), " m", raised("3"), "/s    ≧    Q =", f5_3(s.Q), " m", raised("3"), "/s"});
  sh.row({"　　［限界勾配］"});
  sh.row({"            Ic  = (Vc×n／R", raised("2/3"), ")", raised("2"), " = (", f3_3(s.Vc), "×", f2_3(s.n), "／",
          f5_3(s.Rc), raised("2/3"), ")", raised("2"), " = 1/", f5_3(s.Ic)});
}

}  // namespace open_channel::drasin
