// Page 2 of the compound-section sheet: the velocities and discharges of
// the three flow areas, the discharge check, the Froude number with the
// flow state and the freeboard, then "（４）計算" with the formulas of the
// lengths and widths and a sketch that names them. No header, no heading.
#include "compound/sheet_pages.hpp"
#include "compound/sheet_sketch.hpp"
#include "frame/sheet.hpp"

namespace compound {

namespace {

using frame::f3_3;
using frame::raised;

// Empty lines after the sketch, counted from its last label at y 2060: the
// notes under it start at y 2333.
constexpr int kLinesBelowSketch = 7;

// The flow state after the Froude number, from the value as printed
// (rounded to three decimals).
std::string_view flow_state(Single Fr) {
  if (Fr < 1) return "　＜　1　常流";
  if (Fr == 1) return "　=　1　限界流";
  return "　＞　1　射流";
}

void velocities_and_discharges(frame::Sheet& sh, const CompoundSheet& s) {
  const std::string_view M = sh.left_margin();
  sh.row({"　　［流速］", M, "            V1  = ", f3_3(s.V1), " m/s"});
  sh.row({"　　　　　　", M, "            V2  = ", f3_3(s.V2), " m/s"});
  sh.row({"　　　　　　", M, "            V3  = ", f3_3(s.V3), " m/s"});
  sh.row({"　　　　　　", M, "            V   =  CQ/A  =  ", f3_3(s.V), " m/s"});
  sh.empty_lines(1);
  sh.row({"　　［計算流量］        ", "            Q1  = ", f3_3(s.Q1), " m", raised("3"), "/s"});
  sh.row({"　　　　　　　　        ", "            Q2  = ", f3_3(s.Q2), " m", raised("3"), "/s"});
  sh.row({"　　　　　　　　        ", "            Q3  = ", f3_3(s.Q3), " m", raised("3"), "/s"});
  sh.row({"　　　　　　　　        ", "            CQ  =  Q1+Q2+Q3  =  ", f3_3(s.CQ), " m", raised("3"), "/s"});
  // The solver stops only once CQ reaches Q, so the check always holds.
  sh.row(
      {"　　　　　　　　        ", "                 ", " (  ≧   Q  =  ", f3_3(s.Q), " m", raised("3"), "/s … OK )"});
  sh.empty_lines(1);
}

void froude_and_freeboard(frame::Sheet& sh, const CompoundSheet& s) {
  sh.row({"　　［フルード数］", "      ", "            Fr  = ", f3_3(s.Fr), flow_state(s.Fr)});
  sh.empty_lines(1);
  // One freeboard value, the one the solver chose; only its label follows
  // the Froude number as printed.
  if (s.Fr <= 1) {
    sh.row({"　　［余裕高(常流式)］", "  ", "            Fb  = ", f3_3(s.Fb), " m"});
  } else {
    sh.row({"　　［余裕高(射流式)］", "  ", "            Fbc = ", f3_3(s.Fb), " m"});
  }
}

void lengths_and_widths(frame::Sheet& sh, MainChannel channel) {
  const std::string_view M = sh.left_margin();
  if (channel == MainChannel::trapezoid) {
    sh.row(
        {"　　［各代数値］", M, "        L1  =  ( h1", raised("2"), " ＋ L5", raised("2"), " )", raised("1/2"), "  m"});
    sh.row(
        {"                ", M, "        L2  =  ( h3", raised("2"), " ＋ w", raised("2"), "  )", raised("1/2"), "  m"});
    sh.row(
        {"                ", M, "        L3  =  ( h2", raised("2"), " ＋ L6", raised("2"), " )", raised("1/2"), "  m"});
    sh.row(
        {"                ", M, "        L4  =  ( h2", raised("2"), " ＋ L7", raised("2"), " )", raised("1/2"), "  m"});
    sh.row({"                ", M, "        L5  =  h1 × m   m"});
    sh.row({"                ", M, "        L6  =  h2 × m2  m"});
    sh.row({"                ", M, "        L7  =  h2 × m3  m"});
    sh.row({"                ", M, "        W1  =  2 × L5 ＋ B  m"});
    sh.row({"                ", M, "        W2  =  w ＋ L6  m"});
    sh.row({"                ", M, "        W3  =  w ＋ L7  m"});
  } else {
    // The vertical walls have no run: L5 and L6 name the runs of the two
    // wetted banks here.
    sh.row({"　　［各代数値］", M, "        L1  =  h1  m"});
    sh.row(
        {"                ", M, "        L2  =  ( h3", raised("2"), " ＋ w", raised("2"), "  )", raised("1/2"), "  m"});
    sh.row(
        {"                ", M, "        L3  =  ( h2", raised("2"), " ＋ L5", raised("2"), " )", raised("1/2"), "  m"});
    sh.row(
        {"                ", M, "        L4  =  ( h2", raised("2"), " ＋ L6", raised("2"), " )", raised("1/2"), "  m"});
    sh.row({"                ", M, "        L5  =  h2 × m2  m"});
    sh.row({"                ", M, "        L6  =  h2 × m3  m"});
    sh.row({"                ", M, "        W1  =  B  m"});
    sh.row({"                ", M, "        W2  =  w ＋ L5  m"});
    sh.row({"                ", M, "        W3  =  w ＋ L6  m"});
  }
  sh.row({"                ", M, "        WA  =  W1 ＋ W2 ＋ W3  m"});
  sh.row({"                ", M, "        h3  =  w × m1 ／ 100  m"});
  sh.empty_lines(1);
}

void area_formulas(frame::Sheet& sh) {
  const std::string_view M = sh.left_margin();
  sh.row({"　　［径深］    ", M, "        R   =  A／P  m"});
  sh.empty_lines(1);
  sh.row({"　　［流速］    ", M, "        V   =  1／N × I", raised("1/2"), " × R", raised("2/3"), "  m/s"});
  sh.empty_lines(1);
  sh.row({"　　［計算流量］", M, "        CQ  =  A × V  m", raised("3"), "/s"});
  sh.empty_lines(1);
}

}  // namespace

void PAGE2(rt::Printer& p, MainChannel channel, const CompoundSheet& s) {
  frame::Sheet sh(p);
  sh.open_following_page(s.options());
  sh.empty_lines(4);
  velocities_and_discharges(sh, s);
  froude_and_freeboard(sh, s);
  sh.empty_lines(3);
  sh.row({"（４）計算"});
  sh.empty_lines(1);
  sh.row({"  ａ）計算式"});
  sh.empty_lines(1);
  lengths_and_widths(sh, channel);
  area_formulas(sh);
  draw_wetted_lengths_sketch(p, channel);
  p.set_font_size(frame::kBodySize);
  sh.empty_lines(kLinesBelowSketch);
  const std::string_view M = sh.left_margin();
  sh.row({M, "      ", "”L1,L2,L3,L4,B”は潤辺の長さ"});
  sh.row({M, "      ", "”W1,W2,W3”は各計算区分の水面幅"});
}

}  // namespace compound
