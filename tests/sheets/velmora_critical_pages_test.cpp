// velmora's critical-flow pages with the default inputs, line by line as the
// sheets print them, with the four section headings where the rows and the
// sketch put them and against their golden recordings. Then what changes a
// page (the side slope, a velocity too wide for the narrow fields) and what
// it receives without printing: the bed slope, both Froude numbers, the
// hydraulic mean depth and the 20 % margin.
#include <gtest/gtest.h>

#include "golden_file.hpp"
#include "open_channel/velmora_sheets.hpp"
#include "page_checks.hpp"
#include "page_lines.hpp"
#include "recorded_page.hpp"
#include "sheet_support.hpp"

namespace {

using namespace sheet_test;
using open_channel::CriticalPage;
using open_channel::CriticalSheet;
using testing_support::compare_with_golden;
namespace velmora = open_channel::velmora;

const std::string M(12, ' ');  // the left margin

const Lines kHeading = sheet_heading("　　台形水路水理計算書　－　限界流");

// clang-format off
const Lines kSyRows = with_margin({
    "（１）計算条件",
    "　　［計画流量］                Q   =       0.060 m^(3)/s",
    "　　［水路敷幅］                B   =       0.300 m",
    "　　［粗度係数］                n   =       0.016",
    "　　［水路側法勾配］          1:m   = 1:    0.300",
    "（２）計算結果",
    "　　［限界水深］                Hc  =       0.152 m",
    "　　［流積］                    A   =       0.052 m^(2)",
    "　　［潤辺］                    P   =       0.616 m",
    "　　［径深］                    R   =       0.085 m",
    "　　［限界流速］                Vc  =       1.146 m/s",
    "　　［逆算流量］                QD  =       0.060 m^(3)/s",
    "　　［余裕高］                  Fbc =       0.058 m",
    "　　［限界勾配］                Ic  = 1/  111.110",
    "（３）断面形状",
    "（４）計算",
    "　　［流積］",
    "            A   = Hc×(B＋m×Hc)  m^(2)",
    "　　［水面幅］",
    "            W   = B＋2×m×Hc  m",
    "　　［水理水深］",
    "            Hhc = A／W  m",
    "　　［流速］",
    "            Vc  = Q／A  m/s",
    "　　［限界水深］  (Fr:フルード数、g:重力加速度)",
    "            以下の数値を用い、限界条件(Fr=1)を満足するようなHcを求める。",
    "              Fr  = Vc／(g×Hhc)^(1/2) = 1  のとき    Hc =    0.152 m",
    "                Q =    0.060 m^(3)/s  ,  B =    0.300 m",
    "                g =    9.8   m/s^(2)  ,  m =    0.300",
    "　　［逆算流量］",
    "            QD  = A × Vc =    0.052×    1.146",
    "                =    0.060 m^(3)/s    ≧    Q =    0.060 m^(3)/s",
    "　　［潤辺］",
    "            P   =    0.158×2＋    0.300 =    0.616 m",
    "　　［径深］",
    "            R   = A／P =    0.052／    0.616 =    0.085 m",
    "　　［余裕高］  (C=0.13 : 台形断面余裕高係数)",
    "            Fbc = C × Vc × Hc^(1/2) = 0.13×  1.146 ×    0.152^(1/2) =    0.058 m",
    "　　［限界勾配］",
    "            Ic  = (Vc×n／R^(2/3))^(2) = (  1.146× 0.016／    0.085^(2/3))^(2) = 1/  111.110",
});

// 余裕高あり without its freeboard rows.
const Lines kSnRows = without_rows(kSyRows, with_margin({
    "　　［余裕高］                  Fbc =       0.058 m",
    "　　［余裕高］  (C=0.13 : 台形断面余裕高係数)",
    "            Fbc = C × Vc × Hc^(1/2) = 0.13×  1.146 ×    0.152^(1/2) =    0.058 m",
}));
// clang-format on

struct PageCase {
  const char* name;
  CriticalPage procedure;
  const Lines* rows;
  double y0;                          // origin of the sketch
  std::array<double, 3> section_ys;   // "（１）計算条件" to "（３）断面形状"; "（４）計算" at y0 + 721
  std::vector<SketchLabel> labels;
};

const PageCase kPages[] = {
    {"SY_PAGE1", velmora::SY_PAGE1, &kSyRows, 1000, {321, 555, 945},
     {{"Hc+Fbc=0.210", -20, 470, true},
      {"B=0.300", 350, 640, false},
      {"Hc=0.152", 790, 490, true},
      {"Fbc=0.058", 790, 300, true},
      {"Lc=0.158", 840, 490, true},
      {"1:0.300", 70, 400, false},
      {"Wc=0.391", 330, -20, false}}},
    {"SN_PAGE1", velmora::SN_PAGE1, &kSnRows, 950, {321, 555, 906},
     {{"B=0.300", 350, 640, false},
      {"Hc=0.152", 790, 490, true},
      {"Lc=0.158", 840, 490, true},
      {"1:0.300", 70, 400, false},
      {"Wc=0.391", 330, -20, false}}},
};

TEST(VelmoraCriticalPages, DefaultsPrintEveryLineAsTheSheetSaysIt) {
  for (const PageCase& c : kPages) {
    Lines expected = kHeading;
    expected.insert(expected.end(), c.rows->begin(), c.rows->end());
    EXPECT_EQ(printed_texts(record_page(c.procedure, velmora_default_critical_sheet())), expected) << c.name;
  }
}

TEST(VelmoraCriticalPages, EqualsSignsOfConditionsAndResultsStandInOneColumn) {
  for (const PageCase& c : kPages) {
    const auto lines = printed_lines(record_page(c.procedure, velmora_default_critical_sheet()));
    const auto rows = condition_and_result_rows(lines);
    for (const auto& l : rows) EXPECT_EQ(cell_column(l.text, "="), 12 + 36) << c.name << ": " << l.text;
    EXPECT_EQ(rows.size(), c.procedure == velmora::SY_PAGE1 ? 12u : 11u) << c.name;
  }
}

TEST(VelmoraCriticalPages, SectionHeadingsStandWhereRowsAndSketchPutThem) {
  for (const PageCase& c : kPages) {
    expect_section_heights(printed_lines(record_page(c.procedure, velmora_default_critical_sheet())),
                           {c.section_ys[0], c.section_ys[1], c.section_ys[2], c.y0 + 721}, c.name);
  }
}

TEST(VelmoraCriticalPages, SketchLabelsStandBesideTheirDimensionLines) {
  for (const PageCase& c : kPages) {
    expect_sketch_labels(record_page(c.procedure, velmora_default_critical_sheet()), {450, c.y0}, c.labels, c.name);
  }
}

TEST(VelmoraCriticalPages, GoldenRecordings) {
  for (const PageCase& c : kPages) {
    const std::string dump = record_page(c.procedure, velmora_default_critical_sheet()).dump();
    EXPECT_EQ(compare_with_golden(GOLDEN_DIR, std::string("velmora_") + c.name, dump), "");
  }
}

TEST(VelmoraCriticalPages, SideSlopeBelowOneDrawsTheSteepShapeAndOneTheFlat) {
  struct Case {
    float m;
    double left_top_dx;
  };
  const Case cases[] = {{0.999f, 160}, {1.0f, 130}};
  for (const PageCase& c : kPages) {
    for (const Case& k : cases) {
      CriticalSheet s = velmora_default_critical_sheet();
      s.m = k.m;
      const auto lines = record_page(c.procedure, s).lines();
      ASSERT_FALSE(lines.empty());
      EXPECT_EQ(lines[0].from, (rt::Point{450 + k.left_top_dx, c.y0 + 200})) << c.name << " m " << k.m;
      EXPECT_EQ(lines[0].pen.width, 10);
    }
  }
}

TEST(VelmoraCriticalPages, WithoutFreeboardTheSketchDrawsNoFreeboardDimension) {
  const auto with = record_page(velmora::SY_PAGE1, velmora_default_critical_sheet()).lines();
  const auto without = record_page(velmora::SN_PAGE1, velmora_default_critical_sheet()).lines();
  // The left dimension (three segments), the top at the right and the
  // freeboard dimension line.
  EXPECT_EQ(with.size(), without.size() + 5);
}

TEST(VelmoraCriticalPages, VelocityTooWideOverflowsOnlyTheNarrowFields) {
  CriticalSheet s = velmora_default_critical_sheet();
  s.Vc = 1234.5f;
  const auto lines = printed_lines(record_page(velmora::SY_PAGE1, s));
  EXPECT_NE(find_line(lines, "［限界流速］                Vc  =    1234.500 m/s"), nullptr);
  EXPECT_NE(find_line(lines, "QD  = A × Vc =    0.052× 1234.500"), nullptr);
  EXPECT_NE(find_line(lines, " = 0.13×%1234.5 ×    0.152^(1/2) ="), nullptr);
  EXPECT_NE(find_line(lines, " = (%1234.5× 0.016／    0.085^(2/3))^(2) = 1/  111.110"), nullptr);
}

TEST(VelmoraCriticalPages, ValuesReceivedButNotPrintedChangeNothing) {
  // Neither page prints I, the uniform flow's Fr, Frc, Hhc or dHc; SN_PAGE1
  // prints no Fbc either.
  for (const PageCase& c : kPages) {
    const std::string reference = record_page(c.procedure, velmora_default_critical_sheet()).dump();
    CriticalSheet s = velmora_default_critical_sheet();
    s.I = 99;
    s.Fr = 99;
    s.Frc = 99;
    s.Hhc = 99;
    s.dHc = 99;
    if (c.procedure == velmora::SN_PAGE1) s.Fbc = 99;
    EXPECT_EQ(record_page(c.procedure, s).dump(), reference) << c.name;
  }
}

}  // namespace
