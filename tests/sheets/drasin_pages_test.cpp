// drasin's five pages with the default inputs, line by line as the sheets
// print them (velmora's sheets for the rectangle, with their own spacing and
// labels), with the four section headings where the rows and the sketch put
// them and against their golden recordings. Then the rectangle of the sketch
// with its labels at their points, the depth at 1.2·Q, and what the pages
// receive without printing.
#include <gtest/gtest.h>

#include <functional>

#include "golden_file.hpp"
#include "open_channel/drasin_sheets.hpp"
#include "open_channel/sheet_sketch.hpp"
#include "page_checks.hpp"
#include "page_lines.hpp"
#include "recorded_page.hpp"
#include "sheet_support.hpp"

namespace {

using namespace sheet_test;
using open_channel::CriticalSheet;
using open_channel::UniformSheet;
using testing_support::compare_with_golden;
namespace drasin = open_channel::drasin;

const std::string M(12, ' ');  // the left margin

const std::string kUniformHeading = "　　矩形水路水理計算書　－　常流";
const std::string kSupercriticalHeading = "　　矩形水路水理計算書　－　常流(射流計算余裕高)";
const std::string kCriticalHeading = "　　矩形水路水理計算書　－　限界流";

// clang-format off
// Sections (1) and (2) of the three uniform-flow pages, in one set of
// columns, down to the back-calculated discharge.
const Lines kUniformConditionsAndResults = with_margin({
    "（１）計算条件",
    "　　［計画流量］                Q  =       0.060 m^(3)/s",
    "　　［水路勾配］                I  = 1/  200.000",
    "　　［水路敷幅］                B  =       0.300 m",
    "　　［粗度係数］                n  =       0.016",
    "（２）計算結果",
    "　　［水深］                    H  =       0.225 m",
    "　　［流積］                    A  =       0.068 m^(2)",
    "　　［潤辺］                    P  =       0.750 m",
    "　　［径深］                    R  =       0.090 m",
    "　　［流速］                    V  =       0.888 m/s",
    "　　［逆算流量］                QD =       0.060 m^(3)/s",
});

// Section (4) of 余裕高なし and 余裕高あり down to the velocity's name.
const Lines kUniformCalculationToVelocity = with_margin({
    "（４）計算",
    "　　［水深］",
    "            H  =    0.225 m",
    "　　［流積］",
    "            A  =    0.300×    0.225 =    0.068 m^(2)",
    "　　［潤辺］",
    "            P  =    0.225×2＋    0.300 =    0.750 m",
    "　　［径深］",
    "            R  = A／P =    0.068／    0.750 =    0.090 m",
    "　　［流速］",
});

const Lines kJnRows = joined({
    kUniformConditionsAndResults,
    with_margin({
        "　　［フルード数］              Fr =       0.597    < 1  (常　流)",
        "（３）断面形状",
    }),
    kUniformCalculationToVelocity,
    with_margin({
        "            V  = 1／n × I^(1/2)×R^(2/3)",
        "               = 1／ 0.016×(1／  200.000)^(1/2)×    0.090^(2/3) =    0.888 m/s",
        "　　［逆算流量］",
        "            QD = A × V =    0.068×    0.888",
        "               =    0.060 m^(3)/s    ≧    Q =    0.060 m^(3)/s",
        "　　［フルード数］  (g m/s^(2) : 重力加速度)",
        "            Fr = V／(g×H)^(1/2) =     0.888／(9.8×    0.225)^(1/2) =    0.597",
    }),
});

const Lines kJyRows = joined({
    kUniformConditionsAndResults,
    with_margin({
        "　　［余裕高］                  Fb =       0.156 m",
        "　　［フルード数］              Fr =       0.597    < 1  (常　流)",
        "（３）断面形状",
    }),
    kUniformCalculationToVelocity,
    with_margin({
        "            V  = 1／n × I^(1/2) × R^(2/3)",
        "               = 1／ 0.016×(1／  200.000)^(1/2)×    0.090^(2/3) =    0.888 m/s",
        "　　［逆算流量］",
        "            QD = A × V =    0.068×    0.888",
        "               =    0.060 m^(3)/s    ≧    Q =    0.060 m^(3)/s",
        "　　［速度水頭］",
        "            hv = V^(2)／(2×g)",
        "               =    0.888^(2)／(2×9.8) =    0.040 m",
        "　　［余裕高］",
        "            Fb =    0.070×H＋hv＋    0.100",
        "               =    0.070×    0.225＋    0.040＋   0.100 =    0.156 m",
        "　　［フルード数］  (g m/s^(2) : 重力加速度)",
        "            Fr = V／(g×H)^(1/2) =    0.888／(9.8×    0.225)^(1/2) =    0.597",
    }),
});

// Sections (1) and (2) in the columns of 余裕高なし, the supercritical
// freeboard written "Fb"; section (4) one column further right.
const Lines kJsyRows = joined({
    kUniformConditionsAndResults,
    with_margin({
        "　　［射流計算余裕高］          Fb =       0.042 m",
        "　　［フルード数］              Fr =       0.597    < 1  (常　流)",
        "（３）断面形状",
        "（４）計算",
        "　　［水深］",
        "            H  =    0.225 m",
        "　　［流積］",
        "            A   =    0.300×    0.225 =    0.068 m^(2)",
        "　　［潤辺］",
        "            P   =    0.225×2＋    0.300 =    0.750 m",
        "　　［径深］",
        "            R   = A／P =    0.068／    0.750 =    0.090 m",
        "　　［流速］",
        "            V   = 1／n × I^(1/2) × R^(2/3)",
        "                = 1／ 0.016×(1／  200.000)^(1/2)×    0.090^(2/3) =    0.888 m/s",
        "　　［逆算流量］",
        "            QD  = A × V =    0.068×    0.888",
        "                =    0.060 m^(3)/s    ≧    Q =    0.060 m^(3)/s",
        "　　［速度水頭］",
        "            hv  = V^(2)／(2×g)",
        "                =    0.888^(2)／(2×9.8) =    0.040 m",
        "　　［射流計算余裕高］  (C=0.10 : 矩形断面余裕高係数)",
        "            Fbc = C × V × H^(1/2) = 0.10×  0.888×    0.225^(1/2) =    0.042 m",
        "　　［フルード数］  (g m/s^(2) : 重力加速度)",
        "            Fr  = V／(g×H)^(1/2) =    0.888／(9.8×    0.225)^(1/2) =    0.597",
    }),
});

const Lines kSyRows = with_margin({
    "（１）計算条件",
    "　　［計画流量］                Q   =       0.060 m^(3)/s",
    "　　［水路敷幅］                B   =       0.300 m",
    "　　［粗度係数］                n   =       0.016",
    "（２）計算結果",
    "　　［限界水深］                Hc  =       0.160 m",
    "　　［流積］                    A   =       0.048 m^(2)",
    "　　［潤辺］                    P   =       0.620 m",
    "　　［径深］                    R   =       0.077 m",
    "　　［限界流速］                Vc  =       1.251 m/s",
    "　　［逆算流量］                QD  =       0.060 m^(3)/s",
    "　　［余裕高］                  Fbc =       0.050 m",
    "　　［限界勾配］                Ic  = 1/   82.372",
    "（３）断面形状",
    "（４）計算",
    "　　［限界水深］  (g m/s^(2) : 重力加速度)",
    "            Hc  = (Q^(2)／(g×B^(2)))^(1/3)",
    "                = (    0.060^(2)／(9.8×    0.300^(2)))^(1/3) =     0.160 m",
    "　　［流積］",
    "            A   =    0.300×    0.160 =    0.048 m^(2)",
    "　　［潤辺］",
    "            P   =    0.160×2＋    0.300 =    0.620 m",
    "　　［径深］",
    "            R   = A／P =    0.048／    0.620 =    0.077 m",
    "　　［限界流速］",
    "            Vc  = Q／A =    0.060／    0.048 =    1.251 m/s",
    "　　［逆算流量］",
    "            QD  = A × Vc =    0.048×    1.251",
    "                =    0.060 m^(3)/s    ≧    Q =    0.060 m^(3)/s",
    "　　［余裕高］  (C=0.10 : 矩形断面余裕高係数)",
    "            Fbc = C × Vc × Hc^(1/2) = 0.10×  1.251×    0.160^(1/2) =     0.050 m",
    "　　［限界勾配］",
    "            Ic  = (Vc×n／R^(2/3))^(2) = (  1.251× 0.016／    0.077^(2/3))^(2) = 1/   82.372",
});

// Its own columns in sections (1) and (2), " =" before Hc, "× 2 ＋" and
// "A × V" in section (4).
const Lines kSnRows = with_margin({
    "（１）計算条件",
    "　　［計画流量］                Q  =       0.060 m^(3)/s",
    "　　［水路敷幅］                B  =       0.300 m",
    "　　［粗度係数］                n  =       0.016",
    "（２）計算結果",
    "　　［限界水深］                Hc =       0.160 m",
    "　　［流積］                    A  =       0.048 m^(2)",
    "　　［潤辺］                    P  =       0.620 m",
    "　　［径深］                    R  =       0.077 m",
    "　　［限界流速］                Vc =       1.251 m/s",
    "　　［逆算流量］                QD =       0.060 m^(3)/s",
    "　　［限界勾配］                Ic = 1/   82.372",
    "（３）断面形状",
    "（４）計算",
    "　　［限界水深］  (g m/s^(2) : 重力加速度)",
    "            Hc  = (Q^(2)／(g×B^(2)))^(1/3)",
    "                = (    0.060^(2)／(9.8×    0.300^(2)))^(1/3) =    0.160 m",
    "　　［流積］",
    "            A   =    0.300×    0.160 =    0.048 m^(2)",
    "　　［潤辺］",
    "            P   =    0.160× 2 ＋    0.300 =    0.620 m",
    "　　［径深］",
    "            R   = A／P =    0.048／    0.620 =    0.077 m",
    "　　［限界流速］",
    "            Vc  = Q／A =    0.060／    0.048 =    1.251 m/s",
    "　　［逆算流量］",
    "            QD  = A × V =    0.048×    1.251",
    "                =    0.060 m^(3)/s    ≧    Q =    0.060 m^(3)/s",
    "　　［限界勾配］",
    "            Ic  = (Vc×n／R^(2/3))^(2) = (  1.251× 0.016／    0.077^(2/3))^(2) = 1/   82.372",
});
// clang-format on

struct PageCase {
  const char* name;
  std::function<rt::Recorder()> record_defaults;
  const std::string* heading;
  const Lines* rows;
  int equals_column;                 // cell column of "=" in the rows of sections (1) and (2)
  double y0;                         // origin of the sketch (x0 is 450)
  std::array<double, 3> section_ys;  // "（１）計算条件" to "（３）断面形状"; "（４）計算" at y0 + 721
  bool freeboard;
  std::vector<SketchLabel> labels;
};

rt::Recorder uniform(open_channel::UniformPage page) { return record_page(page, drasin_default_sheet()); }
rt::Recorder critical(open_channel::CriticalPage page) { return record_page(page, drasin_default_critical_sheet()); }

const std::vector<PageCase>& pages() {
  static const std::vector<PageCase> cases = {
      {"JN_PAGE1", [] { return uniform(drasin::JN_PAGE1); }, &kUniformHeading, &kJnRows, 12 + 35, 970,
       {321, 555, 906}, false,
       {{"B=0.300", 350, 640, false}, {"H=0.225", 790, 470, true}, {"W=0.300", 350, -20, false}}},
      {"JY_PAGE1", [] { return uniform(drasin::JY_PAGE1); }, &kUniformHeading, &kJyRows, 12 + 35, 1000,
       {321, 555, 945}, true,
       {{"H+Fb=0.381", -20, 450, true},
        {"B=0.300", 350, 640, false},
        {"H=0.225", 790, 470, true},
        {"Fb=0.156", 790, 300, true},
        {"W=0.300", 350, -20, false}}},
      {"JSY_PAGE1", [] { return uniform(drasin::JSY_PAGE1); }, &kSupercriticalHeading, &kJsyRows, 12 + 35, 1000,
       {321, 555, 945}, true,
       {{"H+Fbc=0.267", -20, 470, true},
        {"B=0.300", 350, 640, false},
        {"H=0.225", 790, 470, true},
        {"Fbc=0.042", 790, 300, true},
        {"W=0.300", 350, -20, false}}},
      {"SY_PAGE1", [] { return critical(drasin::SY_PAGE1); }, &kCriticalHeading, &kSyRows, 12 + 36, 1000,
       {321, 516, 906}, true,
       {{"Hc+Fbc=0.210", -20, 470, true},
        {"B=0.300", 350, 640, false},
        {"Hc=0.160", 790, 490, true},
        {"Fbc=0.050", 790, 300, true},
        {"Wc=0.300", 330, -20, false}}},
      {"SN_PAGE1", [] { return critical(drasin::SN_PAGE1); }, &kCriticalHeading, &kSnRows, 12 + 35, 950,
       {321, 516, 867}, false,
       {{"B=0.300", 350, 640, false}, {"Hc=0.160", 790, 470, true}, {"Wc=0.300", 330, -20, false}}},
  };
  return cases;
}

TEST(DrasinPages, DefaultsPrintEveryLineAsTheSheetSaysIt) {
  for (const PageCase& c : pages()) {
    Lines expected = sheet_heading(*c.heading);
    expected.insert(expected.end(), c.rows->begin(), c.rows->end());
    EXPECT_EQ(printed_texts(c.record_defaults()), expected) << c.name;
  }
}

TEST(DrasinPages, EqualsSignsOfConditionsAndResultsStandInOneColumn) {
  for (const PageCase& c : pages()) {
    const auto rows = condition_and_result_rows(printed_lines(c.record_defaults()));
    for (const auto& l : rows) EXPECT_EQ(cell_column(l.text, "="), c.equals_column) << c.name << ": " << l.text;
    EXPECT_GE(rows.size(), 10u) << c.name;
  }
}

TEST(DrasinPages, SectionHeadingsStandWhereRowsAndSketchPutThem) {
  for (const PageCase& c : pages()) {
    expect_section_heights(printed_lines(c.record_defaults()),
                           {c.section_ys[0], c.section_ys[1], c.section_ys[2], c.y0 + 721}, c.name);
  }
}

TEST(DrasinPages, GoldenRecordings) {
  for (const PageCase& c : pages())
    EXPECT_EQ(compare_with_golden(GOLDEN_DIR, std::string("drasin_") + c.name, c.record_defaults().dump()), "");
}

TEST(DrasinSheetSketch, RectangleLabelsStandBesideTheirDimensionLines) {
  for (const PageCase& c : pages()) expect_sketch_labels(c.record_defaults(), {450, c.y0}, c.labels, c.name);
}

TEST(DrasinSheetSketch, RectangleWithTheFreeboardDimensionOnlyWhereTheSheetHasOne) {
  for (const PageCase& c : pages()) {
    const auto lines = c.record_defaults().lines();
    // Outline, then (freeboard pages) the left dimension of H+Fb.
    ASSERT_EQ(lines.size(), c.freeboard ? 29u : 24u) << c.name;
    // The walls and the bottom, as offsets from the origin (450, y0).
    const double outline[][4] = {{200, 200, 200, 495}, {200, 500, 645, 500}, {650, 500, 650, 200}};
    const auto at = [&c](double dx, double dy) { return rt::Point{450 + dx, c.y0 + dy}; };
    for (int k = 0; k < 3; ++k) {
      EXPECT_EQ(lines[k].from, at(outline[k][0], outline[k][1])) << c.name;
      EXPECT_EQ(lines[k].to, at(outline[k][2], outline[k][3])) << c.name;
      EXPECT_EQ(lines[k].pen.width, 10) << c.name;
    }
    EXPECT_EQ(lines[3].pen.width, 1) << c.name;
    const bool left_dimension = lines[3].from == at(0, 200) && lines[3].to == at(180, 200);
    EXPECT_EQ(left_dimension, c.freeboard) << c.name;
  }
}

TEST(DrasinSheetSketch, NothingDependsOnTheSideSlope) {
  // drasin has no side slope: a value left in the sheet's m changes nothing.
  UniformSheet u = drasin_default_sheet();
  u.m = 2.5f;
  CriticalSheet k = drasin_default_critical_sheet();
  k.m = 2.5f;
  EXPECT_EQ(record_page(drasin::JY_PAGE1, u).dump(), record_page(drasin::JY_PAGE1, drasin_default_sheet()).dump());
  EXPECT_EQ(record_page(drasin::SY_PAGE1, k).dump(),
            record_page(drasin::SY_PAGE1, drasin_default_critical_sheet()).dump());
}

TEST(DrasinPages, DepthAtOnePointTwoQIsPrintedOnlyWhenAsked) {
  const std::string plain = M + "            H  =    0.225 m";
  const std::string with_12q = M + "            H  =    0.225 m    ( 1.2Q =    0.072 m^(3)/s   H' =    0.261 m )";
  for (const auto page : {drasin::JN_PAGE1, drasin::JY_PAGE1, drasin::JSY_PAGE1}) {
    UniformSheet s = drasin_default_sheet();
    for (const float option : {0.0f, 1.0f}) {
      s.opt_print_h12 = option;
      const auto lines = printed_texts(record_page(page, s));
      EXPECT_EQ(std::count(lines.begin(), lines.end(), plain), option == 0 ? 1 : 0);
      EXPECT_EQ(std::count(lines.begin(), lines.end(), with_12q), option == 1 ? 1 : 0);
    }
  }
}

TEST(DrasinPages, ValuesReceivedButNotPrintedChangeNothing) {
  // No page prints dH or dHc; the critical pages never print I or Fr, nor
  // SN_PAGE1 the freeboard; JN_PAGE1 prints no hv, Fb+, Fb*, Fb or Fbs.
  UniformSheet u = drasin_default_sheet();
  u.dH = 99;
  u.hv = 99;
  u.Fb_plus = 99;
  u.Fb_star = 99;
  u.Fb = 99;
  u.Fbs = 99;
  EXPECT_EQ(record_page(drasin::JN_PAGE1, u).dump(), record_page(drasin::JN_PAGE1, drasin_default_sheet()).dump());
  for (const auto page : {drasin::SY_PAGE1, drasin::SN_PAGE1}) {
    CriticalSheet k = drasin_default_critical_sheet();
    k.I = 99;
    k.Fr = 99;
    k.dHc = 99;
    if (page == drasin::SN_PAGE1) k.Fbc = 99;
    EXPECT_EQ(record_page(page, k).dump(), record_page(page, drasin_default_critical_sheet()).dump());
  }
}

}  // namespace
