// palwick's two sheets, line by line as they are printed. Every number is a
// value the page receives; the angles θ and θc are printed with five
// decimals.
#include "culvert/sheet_sketch.hpp"
#include "culvert/sheets.hpp"
#include "frame/sheet.hpp"

namespace culvert::palwick {

namespace {

using frame::f2_3;
using frame::f3_3;
using frame::f5_1;
using frame::f5_3;
using frame::raised;

// The field of the central angle: 3 places and 5 decimals.
frame::Field f3_5(Single v) { return {v, "###.#####"}; }

constexpr Single kGravity = 9.8f;

}  // namespace

void JY_PAGE1(rt::Printer& p, const UniformSheet& s) {
  frame::Sheet sh(p);
  sh.open_page(s.options(), s.title, "　　管渠水路水理計算書　－　常流");
  sh.row({"　　［計画流量］                      Q  =   ", f5_3(s.Q), " m", raised("3"), "/s"});
  sh.row({"　　［水路勾配］                      I  = 1/", f5_3(s.I)});
  sh.row({"　　［管　　径］                      D  =   ", f5_3(s.D), " m"});
  sh.row({"　　［粗度係数］                      n  =   ", f5_3(s.n)});
  sh.empty_lines(1);
  sh.row({"（２）計算結果"});
  sh.row({"　　［水深］                          H  =   ", f5_3(s.H), " m"});
  sh.row({"　　［流積］                          A  =   ", f5_3(s.A), " m", raised("2")});
  sh.row({"　　［潤辺］                          P  =   ", f5_3(s.P), " m"});
  sh.row({"　　［径深］                          R  =   ", f5_3(s.R), " m"});
  sh.row({"　　［流速］                          V  =   ", f5_3(s.V), " m/s"});
  sh.row({"　　［逆算流量］                      QD =   ", f5_3(s.QD), " m", raised("3"), "/s"});
  sh.row({"　　［余裕高］                        Fb =   ", f5_3(s.Fb), " m"});
  sh.row({"　　［フルード数］                    Fr =   ", f5_3(s.Fr), frame::froude_comparison(s.Fr)});
  sh.row({"　　［余裕部分の流積に対する割合］           ", f5_3(s.free_pct), " %"});
  sh.empty_lines(1);
  sh.row({"（３）断面形状"});
  draw_pipe_sheet_sketch(p, kPalwickSketchOrigin, pipe_shape(s.H, s.D), {s.D, "H=", s.H, "Fb=", s.Fb});
  leave_room_for_sketch(sh, kPalwickSketchOrigin);
  sh.row({"（４）計算"});
  sh.row({"　　［水深］"});
  sh.row({"            θ =", f3_5(s.theta), " rad"});
  sh.row({"            H  = D／2×(1-cos(θ／2))"});
  sh.row({"               =", f5_3(s.D), "／2×(1-cos(", f3_5(s.theta), "／2)) =", f5_3(s.H), " m"});
  sh.row({"　　［流積］"});
  sh.row({"            A  = 1／8×(θ-sinθ)×D", raised("2")});
  sh.row({"               = 1／8×(", f3_5(s.theta), "-sin", f3_5(s.theta), ")×", f5_3(s.D), raised("2"), " =",
          f5_3(s.A), " m", raised("2")});
  sh.row({"　　［潤辺］"});
  sh.row({"            P  = D／2×θ =", f5_3(s.D), "／2×", f3_5(s.theta), " =", f5_3(s.P), " m"});
  sh.row({"　　［径深］"});
  sh.row({"            R  = A／P =", f5_3(s.A), "／", f5_3(s.P), " =", f5_3(s.R), " m"});
  sh.row({"　　［流速］"});
  sh.row({"            V  = 1／n × I", raised("1/2"), " × R", raised("2/3")});
  sh.row({"               = 1／", f2_3(s.n), "×(1／", f5_3(s.I), ")", raised("1/2"), "×", f5_3(s.R), raised("2/3"),
          " =", f5_3(s.V), " m/s"});
  sh.row({"　　［逆算流量］"});
  sh.row({"            QD = A × V =", f5_3(s.A), "×", f5_3(s.V)});
  sh.row({"               =", f5_3(s.QD), " m", raised("3"), "/s    ≧    Q =", f5_3(s.Q), " m", raised("3"), "/s"});
  sh.row({"　　［余裕高］"});
  sh.row({"            Fb = D－H =", f5_3(s.D), "－", f5_3(s.H), " =", f5_3(s.Fb), " m"});
  sh.row({"　　［フルード数］  (g m/s", raised("2"), " : 重力加速度)"});
  sh.row({"            Fr = V／(g×H)", raised("1/2"), " =", f5_3(s.V), "／(9.8×", f5_3(s.H), ")", raised("1/2"), " =",
          f5_3(s.Fr)});
}

// The heading block of this sheet is followed by one more empty line in the
// title size, so everything below it stands 42 lower than on the uniform
// sheet, the sketch and section (4) excepted.
void SY_PAGE1(rt::Printer& p, const CriticalSheet& s) {
  frame::Sheet sh(p);
  sh.open_page(s.options(), s.title, "　　管渠水路水理計算書　－　限界流", 1);
  sh.row({"　　［計画流量］                     Q   =   ", f5_3(s.Q), " m", raised("3"), "/s"});
  sh.row({"　　［管　　径］                     D   =   ", f5_3(s.D), " m"});
  sh.row({"　　［粗度係数］                     n   =   ", f5_3(s.n)});
  sh.empty_lines(1);
  sh.row({"（２）計算結果"});
  sh.row({"　　［限界水深］                     Hc  =   ", f5_3(s.Hc), " m"});
  sh.row({"　　［流積］                         Ac  =   ", f5_3(s.Ac), " m", raised("2")});
  sh.row({"　　［潤辺］                         Pc  =   ", f5_3(s.Pc), " m"});
  sh.row({"　　［径深］                         Rc  =   ", f5_3(s.Rc), " m"});
  sh.row({"　　［限界流速］                     Vc  =   ", f5_3(s.Vc), " m/s"});
  sh.row({"　　［逆算流量］                     QDc =   ", f5_3(s.QDc), " m", raised("3"), "/s"});
  sh.row({"　　［余裕高］                       Fbc =   ", f5_3(s.Fbc), " m"});
  sh.row({"　　［限界勾配］                     Ic  = 1/", f5_3(s.Ic)});
  sh.row({"　　［余裕部分の流積に対する割合］           ", f5_3(s.free_pct), " %"});
  sh.empty_lines(1);
  sh.row({"（３）断面形状"});
  draw_pipe_sheet_sketch(p, kPalwickSketchOrigin, pipe_shape(s.Hc, s.D), {s.D, "Hc=", s.Hc, "Fbc=", s.Fbc});
  leave_room_for_sketch(sh, kPalwickSketchOrigin);
  sh.row({"（４）計算"});
  sh.row({"　　［流積］"});
  sh.row({"            Ac  = 1／8×(θ-sinθ)×D", raised("2"), "   m", raised("2")});
  sh.row({"　　［水面幅］"});
  sh.row({"            Wc  = D／2×sin(π-θ／2)×2   m"});
  sh.row({"　　［水理水深］"});
  sh.row({"            Hhc = Ac／Wc   m"});
  sh.row({"　　［流速］"});
  sh.row({"            Vc  = Q／Ac   m/s"});
  sh.row({"　　［限界水深］  (Fr:フルード数、g:重力加速度)"});
  sh.row({"            以下の数値を用い、限界条件(Fr=1)を満足するようなθを求める。"});
  sh.row({"              Fr = Vc／(g×Hhc)", raised("1/2"), " = 1  のとき    θ =", f3_5(s.theta_c), " rad"});
  sh.row({"                   Q =", f5_3(s.Q), " m", raised("3"), "/s  ,  ", "D =", f5_3(s.D), " m"});
  // This line ends in the raised size: it advances by 28, not 39.
  sh.row_ending_raised({"                   g =", f5_1(kGravity), "   m/s"}, "2");
  sh.empty_lines(1);
  sh.row({"　　［限界水深］"});
  sh.row({"            Hc  = D／2×(1-cos(θ／2))"});
  sh.row({"                =", f5_3(s.D), "／2×(1-cos(", f3_5(s.theta_c), "／2)) =", f5_3(s.Hc), " m"});
  sh.row({"　　［潤辺］"});
  sh.row({"            Pc  = D／2×θ =", f5_3(s.D), "／2×", f3_5(s.theta_c), " =", f5_3(s.Pc), " m"});
  sh.row({"　　［径深］"});
  sh.row({"            Rc  = A／Pc =", f5_3(s.Ac), "／", f5_3(s.Pc), " =", f5_3(s.Rc), " m"});
  sh.row({"　　［逆算流量］"});
  sh.row({"            QDc = Ac × Vc =", f5_3(s.Ac), "×", f5_3(s.Vc)});
  sh.row({"                =", f5_3(s.QDc), " m", raised("3"), "/s    ≧    Q =", f5_3(s.Q), " m", raised("3"), "/s"});
  sh.row({"　　［余裕高］"});
  sh.row({"            Fbc = D－Hc =", f5_3(s.D), "－", f5_3(s.Hc), " =", f5_3(s.Fbc), " m"});
  sh.row({"　　［限界勾配］"});
  sh.row({"            Ic  = (Vc×n／R", raised("2/3"), ")", raised("2"), " = (", f3_3(s.Vc), "×", f2_3(s.n), "／",
          f5_3(s.Rc), raised("2/3"), ")", raised("2"), " = 1/", f5_3(s.Ic)});
}

}  // namespace culvert::palwick
