// Page 3 of the compound-section sheet: "ｂ）各断面の計算" works out the
// area, wetted perimeter, composite roughness, velocity and discharge of
// each flow area, "ｃ）断面全体の計算" the depth, surface width, area,
// velocity, hydraulic depth, Froude number, velocity head and freeboard of
// the whole section, each formula followed by the numbers the solver
// computed. No header, no heading.
#include "compound/sheet_pages.hpp"
#include "frame/sheet.hpp"

namespace compound {

namespace {

using frame::f3_3;
using frame::raised;

// The flow state after the whole section's Froude number, from the value as
// printed (rounded to three decimals).
std::string_view flow_state(Single Fr) {
  if (Fr < 1) return " ＜ 1.0  (常流)";
  if (Fr == 1) return " = 1.0  (限界流)";
  return " ＞ 1.0  (射流)";
}

// The texts of the supercritical freeboard carry the coefficient the solver
// used: 0.10 for vertical walls (mestra, or quorvel with m = 0), else 0.13.
struct SupercriticalFreeboardTexts {
  std::string_view formula;
  std::string_view worked;
};
SupercriticalFreeboardTexts supercritical_texts(MainChannel channel, Single m) {
  const bool vertical_walls = channel == MainChannel::rectangle || m == 0;
  if (vertical_walls) return {"        Fb = 0.10×V×H", " = 0.10×"};
  return {"        Fb = 0.13×V×H", " = 0.13×"};
}

void area_1(frame::Sheet& sh, const CompoundSheet& s) {
  sh.row({"　　［断面①の計算］"});
  sh.empty_lines(1);
  sh.row({"        A1 = (W1＋B)×h1／2＋W1×(h2＋h3) = ", f3_3(s.A1), " m", raised("2")});
  sh.empty_lines(1);
  sh.row({"        P1 = 2×L1＋B = ", f3_3(s.P1), " m"});
  sh.empty_lines(1);
  sh.row({"        N1 = {1／P1×(2×L1＋B)×n1", raised("3/2"), "}", raised("2/3"), " = ", f3_3(s.N1)});
  sh.empty_lines(1);
  sh.row({"        V1 = 1／N1×I", raised("1/2"), "×R", raised("2/3"), " = ", f3_3(s.V1), " m/s"});
  sh.empty_lines(1);
  sh.row({"        Q1 = A1×V1 = ", f3_3(s.Q1), " m", raised("3"), "/s"});
  sh.empty_lines(1);
}

void area_2(frame::Sheet& sh, const CompoundSheet& s) {
  sh.row({"　　［断面②の計算］"});
  sh.empty_lines(1);
  sh.row({"        A2 = (w＋W2)×h2／2＋w×h3／2 = ", f3_3(s.A2), " m", raised("2")});
  sh.empty_lines(1);
  sh.row({"        P2 = L2＋L3 = ", f3_3(s.P2), " m"});
  sh.empty_lines(1);
  sh.row(
      {"        N2 = {1／P2×(L2×n2", raised("3/2"), "＋L3×n3", raised("3/2"), ")}", raised("2/3"), " = ", f3_3(s.N2)});
  sh.empty_lines(1);
  sh.row({"        V2 = 1／N2×I", raised("1/2"), "×R", raised("2/3"), " = ", f3_3(s.V2), " m/s"});
  sh.empty_lines(1);
  sh.row({"        Q2 = A2×V2 = ", f3_3(s.Q2), " m", raised("3"), "/s"});
  sh.empty_lines(1);
}

void area_3(frame::Sheet& sh, const CompoundSheet& s) {
  sh.row({"　　［断面③の計算］"});
  sh.empty_lines(1);
  sh.row({"        A3 = (w＋W3)×h2／2＋w×h3／2 = ", f3_3(s.A3), " m", raised("2")});
  sh.empty_lines(1);
  sh.row({"        P3 = L2＋L4 = ", f3_3(s.P3), " m"});
  sh.empty_lines(1);
  sh.row(
      {"        N3 = {1／P3×(L2×n2", raised("3/2"), "＋L4×n4", raised("3/2"), ")}", raised("2/3"), " = ", f3_3(s.N3)});
  sh.empty_lines(1);
  sh.row({"        V3 = 1／N3×I", raised("1/2"), "×R", raised("2/3"), " = ", f3_3(s.V3), " m/s"});
  sh.empty_lines(1);
  sh.row({"        Q3 = A3×V3 = ", f3_3(s.Q3), " m", raised("3"), "/s"});
  sh.empty_lines(1);
}

void whole_section(frame::Sheet& sh, const CompoundSheet& s) {
  sh.row({"　　［水深］"});
  sh.row({"        H  = h1＋h2＋h3 = ", f3_3(s.h1), "＋", f3_3(s.h2), "＋", f3_3(s.h3), " = ", f3_3(s.H), " m"});
  sh.empty_lines(1);
  sh.row({"　　［水面幅］"});
  sh.row({"        WA = W1＋W2＋W3 = ", f3_3(s.W1), "＋", f3_3(s.W2), "＋", f3_3(s.W3), " = ", f3_3(s.WA), " m"});
  sh.empty_lines(1);
  sh.row({"　　［断面積］"});
  sh.row({"        A  = A1＋A2＋A3 = ", f3_3(s.A1), "＋", f3_3(s.A2), "＋", f3_3(s.A3), " = ", f3_3(s.A), " m",
          raised("2")});
  sh.empty_lines(1);
  sh.row({"　　［流速］"});
  sh.row({"        V  = CQ／A = ", f3_3(s.CQ), "／", f3_3(s.A), " = ", f3_3(s.V), " m/s"});
  sh.empty_lines(1);
  sh.row({"　　［水理水深］"});
  sh.row({"        SH = A／WA = ", f3_3(s.A), "／", f3_3(s.WA), " = ", f3_3(s.SH), " m"});
  sh.empty_lines(1);
}

void froude_number(frame::Sheet& sh, const CompoundSheet& s) {
  sh.row({"　　［フルード数］  (g : 重力加速度)"});
  sh.row({"        Fr = V／(g×SH)", raised("1/2"), " = ", f3_3(s.V), "／(9.8×", f3_3(s.SH), ")", raised("1/2"), " = ",
          f3_3(s.Fr), flow_state(s.Fr)});
  sh.empty_lines(1);
}

// The velocity head only for subcritical flow as printed, then the
// freeboard by the formula of the printed flow state.
void freeboard(frame::Sheet& sh, MainChannel channel, const CompoundSheet& s) {
  if (s.Fr < 1) {
    sh.row({"　　［速度水頭］"});
    sh.row({"        hv = V", raised("2"), "／(2×g) = ", f3_3(s.V), raised("2"), "／(2×9.8) = ", f3_3(s.hv), " m"});
    sh.empty_lines(1);
    sh.row({"　　［余裕高(常流式)］"});
    sh.row({"        Fb = ", f3_3(s.Fb_star), "×H＋hv＋", f3_3(s.Fb_plus), " = ", f3_3(s.Fb_star), "×", f3_3(s.H), "＋",
            f3_3(s.hv), "＋", f3_3(s.Fb_plus), " = ", f3_3(s.Fb), " m"});
  } else {
    const SupercriticalFreeboardTexts texts = supercritical_texts(channel, s.m);
    sh.row({"　　［余裕高(射流式)］"});
    sh.row({texts.formula, raised("1/2"), texts.worked, f3_3(s.V), "×", f3_3(s.H), raised("1/2"), " = ", f3_3(s.Fb),
            " m"});
  }
}

}  // namespace

void PAGE3(rt::Printer& p, MainChannel channel, const CompoundSheet& s) {
  frame::Sheet sh(p);
  sh.open_following_page(s.options());
  sh.empty_lines(4);
  sh.row({"  ｂ）各断面の計算"});
  sh.empty_lines(1);
  area_1(sh, s);
  area_2(sh, s);
  area_3(sh, s);
  sh.empty_lines(1);
  sh.row({"  ｃ）断面全体の計算"});
  sh.empty_lines(1);
  whole_section(sh, s);
  froude_number(sh, s);
  freeboard(sh, channel, s);
  sh.empty_lines(1);
}

}  // namespace compound
