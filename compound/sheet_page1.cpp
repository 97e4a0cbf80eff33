// Page 1 of the compound-section sheet: "（１）計算条件", "（２）断面形状"
// with the sketch, "（３）計算結果" with the depths, areas, wetted
// perimeters, hydraulic radii and composite roughness of the three flow
// areas. The heading ends in 常流 whatever the flow state page 2 reports.
#include "compound/sheet_pages.hpp"
#include "compound/sheet_sketch.hpp"
#include "frame/sheet.hpp"

namespace compound {

namespace {

using frame::f3_3;
using frame::f4_3;
using frame::raised;

// Empty lines after the sketch, counted from its last label at y 1190: the
// notes under it start at y 1697.
constexpr int kLinesBelowSketch = 13;

std::string_view heading_of(MainChannel channel) {
  return channel == MainChannel::trapezoid ? "　　台形水路Morvath書　－　常流" : "　　矩形水路Morvath書　－　常流";
}

void conditions(frame::Sheet& sh, MainChannel channel, const CompoundSheet& s) {
  sh.row({"　　［計画流量］                Q   =   ", f4_3(s.Q), " m", raised("3"), "/s"});
  sh.row({"　　［水路勾配］                I   =  1/", f4_3(s.I)});
  sh.row({"　　［水路壁高］                h1  =    ", f4_3(s.h1), " m"});
  sh.row({"　　［水路敷幅］                B   =    ", f4_3(s.B), " m"});
  sh.row({"　　［ステップ］                w   =    ", f4_3(s.w), " m"});
  sh.row({"　　　　　　　　                h3  =    ", f4_3(s.h3), " m"});
  if (channel == MainChannel::trapezoid) {
    sh.row({"　　［法勾配］                1:m   =  1:", f4_3(s.m)});
    sh.row({"　　　　　　　                  m1  =    ", f4_3(s.m1), " %"});
  } else {
    // No wall slope: the cross-fall line carries the group's label.
    sh.row({"　　［法勾配］                  m1  =    ", f4_3(s.m1), " %"});
  }
  sh.row({"　　　　　　　                1:m2  =  1:", f4_3(s.m2)});
  sh.row({"　　　　　　　                1:m3  =  1:", f4_3(s.m3)});
  sh.row({"　　［粗度係数］                n1  =    ", f4_3(s.n1)});
  sh.row({"　　　　　　　　                n2  =    ", f4_3(s.n2)});
  sh.row({"　　　　　　　　                n3  =    ", f4_3(s.n3)});
  sh.row({"　　　　　　　　                n4  =    ", f4_3(s.n4)});
}

void results(frame::Sheet& sh, MainChannel channel, const CompoundSheet& s) {
  const std::string_view M = sh.left_margin();
  sh.row({"　　［水深］", M, "            h1  = ", f3_3(s.h1), " m"});
  sh.row({"　　　　　　", M, "            h2  = ", f3_3(s.h2), " m"});
  sh.row({"　　　　　　", M, "            h3  = ", f3_3(s.h3), " m"});
  sh.row({"　　　　　　", M, "            H   =  h1+h2+h3  =  ", f3_3(s.H), " m"});
  sh.empty_lines(1);
  sh.row({"　　［流積］", M, "            A1  = ", f3_3(s.A1), " m", raised("2")});
  sh.row({"　　　　　　", M, "            A2  = ", f3_3(s.A2), " m", raised("2")});
  sh.row({"　　　　　　", M, "            A3  = ", f3_3(s.A3), " m", raised("2")});
  sh.row({"　　　　　　", M, "            A   =  A1+A2+A3  =  ", f3_3(s.A), " m", raised("2")});
  sh.empty_lines(1);
  sh.row({"　　［潤辺］", M, "            P1  = ", f3_3(s.P1), " m"});
  sh.row({"　　　　　　", M, "            P2  = ", f3_3(s.P2), " m"});
  sh.row({"　　　　　　", M, "            P3  = ", f3_3(s.P3), " m"});
  sh.empty_lines(1);
  sh.row({"　　［径深］", M, "            R1  = ", f3_3(s.R1), " m"});
  sh.row({"　　　　　　", M, "            R2  = ", f3_3(s.R2), " m"});
  sh.row({"　　　　　　", M, "            R3  = ", f3_3(s.R3), " m"});
  sh.empty_lines(1);
  sh.row({"　　［合成粗度係数］    ", "            N1  = ", f3_3(s.N1)});
  sh.row({"　　　　　　　　　　    ", "            N2  = ", f3_3(s.N2)});
  sh.row({"　　　　　　　　　　    ", "            N3  = ", f3_3(s.N3)});
  if (channel == MainChannel::trapezoid) {
    sh.row({"　　　　　　　　　　    ", "  　　全体  N   = ", f3_3(s.N)});
  } else {
    sh.row({"　　　　　　　　　　    ", "      全体  N   = ", f3_3(s.N)});
  }
}

}  // namespace

void PAGE1(rt::Printer& p, MainChannel channel, const CompoundSheet& s) {
  frame::Sheet sh(p);
  sh.open_page(s.options(), s.title, heading_of(channel));
  sh.empty_lines(1);
  conditions(sh, channel, s);
  sh.empty_lines(1);
  sh.row({"（２）断面形状"});
  draw_values_sketch(p, channel, s);
  p.set_font_size(frame::kBodySize);
  sh.empty_lines(kLinesBelowSketch);
  sh.row({"　　　　①②③は流量計算区分であり、流量は各断面毎に算定し合計する。"});
  sh.row({"　　　　区分の境界面は潤辺と見なさない。"});
  sh.empty_lines(2);
  sh.row({"（３）計算結果"});
  sh.empty_lines(1);
  results(sh, channel, s);
}

}  // namespace compound
