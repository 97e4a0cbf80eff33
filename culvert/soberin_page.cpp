// soberin's sheet, line by line as it is printed: the three inputs, the
// largest discharge with its flow state, the pipe section near full and the
// formulas with their numbers. Every number is a value the page receives;
// the angle θ is printed with three decimals.
#include "culvert/sheet_sketch.hpp"
#include "culvert/sheets.hpp"
#include "frame/sheet.hpp"

namespace culvert::soberin {

namespace {

using frame::f2_3;
using frame::f3_3;
using frame::f5_3;
using frame::raised;

}  // namespace

void JY_PAGE1(rt::Printer& p, const CapacitySheet& s) {
  frame::Sheet sh(p);
  sh.open_page(s.options(), s.title, "　　管渠断面流下能力水理計算書　－　常流");
  sh.row({"　　［水路勾配］                      I    = 1/", f5_3(s.I)});
  sh.row({"　　［管　　径］                      D    =   ", f5_3(s.D), " m"});
  sh.row({"　　［粗度係数］                      n    =   ", f5_3(s.n)});
  sh.empty_lines(1);
  sh.row({"（２）計算結果"});
  sh.row({"　　［最大流量］                      Qmax =   ", f5_3(s.Qmax), " m", raised("3"), "/s"});
  sh.row({"　　［水深］                          H    =   ", f5_3(s.H), " m"});
  sh.row({"　　［流積］                          A    =   ", f5_3(s.A), " m", raised("2")});
  sh.row({"　　［潤辺］                          P    =   ", f5_3(s.P), " m"});
  sh.row({"　　［径深］                          R    =   ", f5_3(s.R), " m"});
  sh.row({"　　［流速］                          V    =   ", f5_3(s.V), " m/s"});
  sh.row({"　　［余裕高］                        Fb   =   ", f5_3(s.Fb), " m"});
  sh.row({"　　［フルード数］                    Fr   =   ", f5_3(s.Fr), frame::froude_comparison(s.Fr)});
  sh.row({"　　［水深の管径に対する割合］                 ", f5_3(s.HD_pct), " %"});
  sh.empty_lines(1);
  sh.row({"（３）断面形状"});
  draw_pipe_sheet_sketch(p, kSoberinSketchOrigin, kPipeNearlyFull, {s.D, "H=", s.H, "Fb=", s.Fb});
  leave_room_for_sketch(sh, kSoberinSketchOrigin);
  sh.row({"（４）計算"});
  sh.empty_lines(1);
  sh.row({"　　　流量が最大となるθを試算により求め、各数値を計算する。"});
  sh.empty_lines(1);
  sh.row({"　　［水深］"});
  sh.row({"            θ   =", f3_3(s.theta), " rad"});
  sh.row({"            H    = D／2×(1-cos(θ／2))"});
  sh.row({"                 =", f5_3(s.D), "／2×(1-cos(", f3_3(s.theta), "／2)) =", f5_3(s.H), " m"});
  sh.row({"　　［流積］"});
  sh.row({"            A    = 1／8×(θ-sinθ)×D", raised("2")});
  sh.row({"                 = 1／8×(", f3_3(s.theta), "-sin", f3_3(s.theta), ")×", f5_3(s.D), raised("2"), " =",
          f5_3(s.A), " m", raised("2")});
  sh.row({"　　［潤辺］"});
  sh.row({"            P    = D／2×θ =", f5_3(s.D), "／2×", f3_3(s.theta), " =", f5_3(s.P), " m"});
  sh.row({"　　［径深］"});
  sh.row({"            R    = A／P =", f5_3(s.A), "／", f5_3(s.P), " =", f5_3(s.R), " m"});
  sh.row({"　　［流速］"});
  sh.row({"            V    = 1／n × I", raised("1/2"), " × R", raised("2/3")});
  sh.row({"                 = 1／", f2_3(s.n), "×(1／", f5_3(s.I), ")", raised("1/2"), "×", f5_3(s.R), raised("2/3"),
          " =", f5_3(s.V), " m/s"});
  sh.row({"　　［最大流量］"});
  sh.row({"            Qmax = A × V =", f5_3(s.A), "×", f5_3(s.V)});
  sh.row({"                 =", f5_3(s.Qmax), " m", raised("3"), "/s"});
  sh.row({"　　［余裕高］"});
  sh.row({"            Fb   = D－H =", f5_3(s.D), "－", f5_3(s.H), " =", f5_3(s.Fb), " m"});
  sh.row({"　　［フルード数］  (g m/s", raised("2"), " : 重力加速度)"});
  sh.row({"            Fr   = V／(g×H)", raised("1/2"), " =", f5_3(s.V), "／(9.8×", f5_3(s.H), ")", raised("1/2"),
          " =", f5_3(s.Fr)});
}

}  // namespace culvert::soberin
