// velmora's uniform-flow pages with the default inputs, line by line as the
// sheets print them; each page also against its golden recording (texts,
// positions, fonts, lines and pens). Then what changes a page: 1.2Q水深の印刷,
// the side slope (steep or flat sketch), the Froude number, and what it
// receives without printing.
#include <gtest/gtest.h>

#include "golden_file.hpp"
#include "open_channel/velmora_sheets.hpp"
#include "page_checks.hpp"
#include "page_lines.hpp"
#include "recorded_page.hpp"
#include "sheet_support.hpp"

namespace {

using namespace sheet_test;
using open_channel::UniformPage;
using open_channel::UniformSheet;
using testing_support::compare_with_golden;
namespace velmora = open_channel::velmora;

const std::string M(12, ' ');  // the left margin

const Lines kHeading = sheet_heading("　　台形水路水理計算書　－　常流");

// clang-format off
// Sections (1) and (2) of 余裕高なし and 余裕高あり down to the
// back-calculated discharge.
const Lines kConditionsAndResults = with_margin({
    "（１）計算条件",
    "　　［計画流量］                Q  =       0.060 m^(3)/s",
    "　　［水路勾配］                I  = 1/  200.000",
    "　　［水路敷幅］                B  =       0.300 m",
    "　　［粗度係数］                n  =       0.016",
    "　　［水路側法勾配］          1:m  = 1:    0.300",
    "（２）計算結果",
    "　　［水深］                    H  =       0.183 m",
    "　　［流積］                    A  =       0.065 m^(2)",
    "　　［潤辺］                    P  =       0.682 m",
    "　　［径深］                    R  =       0.095 m",
    "　　［流速］                    V  =       0.922 m/s",
    "　　［逆算流量］                QD =       0.060 m^(3)/s",
});

// Section (4) of 余裕高なし and 余裕高あり down to the velocity's name.
const Lines kCalculationToVelocity = with_margin({
    "（４）計算",
    "　　［水深］",
    "            H  =    0.183 m",
    "　　［流積］",
    "            A  = 1／2×(    0.300＋    0.410)×    0.183 =    0.065 m^(2)",
    "　　［潤辺］",
    "            P  =    0.191×2＋    0.300 =    0.682 m",
    "　　［径深］",
    "            R  = A／P =    0.065／    0.682 =    0.095 m",
    "　　［流速］",
});

const Lines kJnRows = joined({
    kConditionsAndResults,
    with_margin({
        "　　［フルード数］              Fr =       0.739    < 1  (常　流)",
        "（３）断面形状",
    }),
    kCalculationToVelocity,
    with_margin({
        "            V  = 1／n × I^(1/2)×R^(2/3)",
        "               = 1／ 0.016×(1／  200.000)^(1/2)×    0.095^(2/3) =    0.922 m/s",
        "　　［逆算流量］",
        "            QD = A × V =    0.065×    0.922",
        "               =    0.060 m^(3)/s    ≧    Q =    0.060 m^(3)/s",
        "　　［水理水深］",
        "            Hh = A／W =    0.065／    0.410 =    0.159 m",
        "　　［フルード数］  (g m/s^(2) : 重力加速度)",
        "            Fr = V／(g×Hh)^(1/2) =    0.922／(9.8×    0.159)^(1/2) =    0.739",
    }),
});

const Lines kJyRows = joined({
    kConditionsAndResults,
    with_margin({
        "　　［余裕高］                  Fb =       0.156 m",
        "　　［フルード数］              Fr =       0.739    < 1  (常　流)",
        "（３）断面形状",
    }),
    kCalculationToVelocity,
    with_margin({
        "            V  = 1／n × I^(1/2) × R^(2/3)",
        "               = 1／ 0.016×(1／  200.000)^(1/2)×    0.095^(2/3) =    0.922 m/s",
        "　　［逆算流量］",
        "            QD = A × V =    0.065×    0.922",
        "               =    0.060 m^(3)/s    ≧    Q =    0.060 m^(3)/s",
        "　　［速度水頭］",
        "            hv = V^(2)／(2×g)",
        "               =    0.922^(2)／(2×9.8) =    0.043 m",
        "　　［余裕高］",
        "            Fb =    0.070×H＋hv＋    0.100",
        "               =    0.070×    0.183＋    0.043＋   0.100 =    0.156 m",
        "　　［水理水深］",
        "            Hh = A／W =    0.065／    0.410 =    0.159 m",
        "　　［フルード数］  (g m/s^(2) : 重力加速度)",
        "            Fr = V／(g×Hh)^(1/2) =    0.922／(9.8×    0.159)^(1/2) =    0.739",
    }),
});

const Lines kJsyRows = with_margin({
    "（１）計算条件",
    "　　［計画流量］                Q   =       0.060 m^(3)/s",
    "　　［水路勾配］                I   = 1/  200.000",
    "　　［水路敷幅］                B   =       0.300 m",
    "　　［粗度係数］                n   =       0.016",
    "　　［水路側法勾配］          1:m   = 1:    0.300",
    "（２）計算結果",
    "　　［水深］                    H   =       0.183 m",
    "　　［流積］                    A   =       0.065 m^(2)",
    "　　［潤辺］                    P   =       0.682 m",
    "　　［径深］                    R   =       0.095 m",
    "　　［流速］                    V   =       0.922 m/s",
    "　　［逆算流量］                QD  =       0.060 m^(3)/s",
    "　　［射流計算余裕高］          Fbc =       0.051 m",
    "　　［フルード数］              Fr  =       0.739    < 1  (常　流)",
    "（３）断面形状",
    "（４）計算",
    "　　［水深］",
    "            H  =    0.183 m",
    "　　［流積］",
    "            A   = 1／2×(    0.300＋    0.410)×    0.183 =    0.065 m^(2)",
    "　　［潤辺］",
    "            P   =    0.191×2＋    0.300 =    0.682 m",
    "　　［径深］",
    "            R   = A／P =    0.065／    0.682 =    0.095 m",
    "　　［流速］",
    "            V   = 1／n × I^(1/2) × R^(2/3)",
    "                = 1／ 0.016×(1／  200.000)^(1/2)×    0.095^(2/3) =    0.922 m/s",
    "　　［逆算流量］",
    "            QD  = A × V =    0.065×    0.922",
    "                =    0.060 m^(3)/s    ≧    Q =    0.060 m^(3)/s",
    "　　［速度水頭］",
    "            hv  = V^(2)／(2×g)",
    "                =    0.922^(2)／(2×9.8) =    0.043 m",
    "　　［射流計算余裕高］  (C=0.13 : 台形断面余裕高係数)",
    "            Fbc = C×V×H^(1/2) = 0.13×    0.922×    0.183^(1/2) =    0.051 m",
    "　　［水理水深］",
    "            Hh  = A／W =    0.065／    0.410 =    0.159 m",
    "　　［フルード数］  (g m/s^(2) : 重力加速度)",
    "            Fr  = V／(g×Hh)^(1/2) =    0.922／(9.8×    0.159)^(1/2) =    0.739",
});
// clang-format on

struct PageCase {
  const char* name;
  UniformPage procedure;
  const Lines* rows;
  int equals_column;  // cell column of "=" in the rows of sections (1) and (2)
  std::vector<std::string> labels;
};

const PageCase kPages[] = {
    {"JN_PAGE1", velmora::JN_PAGE1, &kJnRows, 12 + 35,
     {"B=0.300", "H=0.183", "L=0.191", "1:0.300", "W=0.410"}},
    {"JY_PAGE1", velmora::JY_PAGE1, &kJyRows, 12 + 35,
     {"H+Fb=0.339", "B=0.300", "H=0.183", "Fb=0.156", "L=0.191", "1:0.300", "W=0.410"}},
    {"JSY_PAGE1", velmora::JSY_PAGE1, &kJsyRows, 12 + 36,
     {"H+Fbc=0.234", "B=0.300", "H=0.183", "Fbc=0.051", "L=0.191", "1:0.300", "W=0.410"}},
};

TEST(VelmoraUniformPages, DefaultsPrintEveryLineAsTheSheetSaysIt) {
  for (const PageCase& c : kPages) {
    Lines expected = kHeading;
    expected.insert(expected.end(), c.rows->begin(), c.rows->end());
    EXPECT_EQ(printed_texts(record_page(c.procedure, velmora_default_sheet())), expected) << c.name;
  }
}

TEST(VelmoraUniformPages, EqualsSignsOfConditionsAndResultsStandInOneColumn) {
  for (const PageCase& c : kPages) {
    const auto lines = printed_lines(record_page(c.procedure, velmora_default_sheet()));
    const auto rows = condition_and_result_rows(lines);
    for (const auto& l : rows) EXPECT_EQ(cell_column(l.text, "="), c.equals_column) << c.name << ": " << l.text;
    EXPECT_GE(rows.size(), 12u) << c.name;
  }
}

TEST(VelmoraUniformPages, SketchLabelsFollowTheirDimensionLines) {
  for (const PageCase& c : kPages) {
    std::vector<std::string> labels;
    for (const rt::TextOp& t : drawn_texts(record_page(c.procedure, velmora_default_sheet()))) labels.push_back(t.text);
    EXPECT_EQ(labels, c.labels) << c.name;
  }
}

TEST(VelmoraUniformPages, GoldenRecordings) {
  for (const PageCase& c : kPages) {
    const std::string dump = record_page(c.procedure, velmora_default_sheet()).dump();
    EXPECT_EQ(compare_with_golden(GOLDEN_DIR, std::string("velmora_") + c.name, dump), "");
  }
}

TEST(VelmoraUniformPages, DepthAtOnePointTwoQIsPrintedOnlyWhenAsked) {
  const std::string plain = M + "            H  =    0.183 m";
  const std::string with_12q = M + "            H  =    0.183 m    ( 1.2Q =    0.072 m^(3)/s   H' =    0.206 m )";
  for (const PageCase& c : kPages) {
    UniformSheet s = velmora_default_sheet();
    for (const float option : {0.0f, 1.0f}) {
      s.opt_print_h12 = option;
      const auto lines = printed_texts(record_page(c.procedure, s));
      const bool has_plain = std::find(lines.begin(), lines.end(), plain) != lines.end();
      const bool has_12q = std::find(lines.begin(), lines.end(), with_12q) != lines.end();
      EXPECT_EQ(has_plain, option == 0) << c.name;
      EXPECT_EQ(has_12q, option == 1) << c.name;
    }
  }
}

TEST(VelmoraUniformPages, OnePointTwoQTooWideForItsFieldPushesTheLineRight) {
  UniformSheet s = velmora_default_sheet();
  s.opt_print_h12 = 1;
  s.Q12 = 12345.5f;
  const auto lines = printed_lines(record_page(velmora::JN_PAGE1, s));
  EXPECT_NE(find_line(lines, "( 1.2Q = %12345.5 m^(3)/s   H' =    0.206 m )"), nullptr);
}

TEST(VelmoraUniformPages, SideSlopeBelowOneDrawsTheSteepShapeAndOneTheFlat) {
  struct Case {
    float m;
    double left_top_dx;  // the outline starts at the top of the left side
    double bottom_right_dx;
    const char* label;
  };
  const Case cases[] = {{0.999f, 160, 610, "1:0.999"}, {1.0f, 130, 550, "1:1.000"}, {2.5f, 130, 550, "1:2.500"}};
  for (const PageCase& c : kPages) {
    const double x0 = 450, y0 = c.procedure == velmora::JN_PAGE1 ? 1020 : 1050;
    for (const Case& k : cases) {
      UniformSheet s = velmora_default_sheet();
      s.m = k.m;
      const rt::Recorder page = record_page(c.procedure, s);
      const auto lines = page.lines();
      ASSERT_GE(lines.size(), 3u);
      EXPECT_EQ(lines[0].from, (rt::Point{x0 + k.left_top_dx, y0 + 200})) << c.name << " m " << k.m;
      EXPECT_EQ(lines[0].pen.width, 10);
      EXPECT_EQ(lines[3].pen.width, 1);
      bool bottom_right_found = false;
      for (const rt::LineOp& l : lines)
        bottom_right_found |= l.from == rt::Point{x0 + k.bottom_right_dx, y0 + 500} && l.to.x == x0 + 850;
      EXPECT_TRUE(bottom_right_found) << c.name << " m " << k.m;
      EXPECT_NE(page.find_text(k.label), nullptr) << c.name;
    }
  }
}

TEST(VelmoraUniformPages, FroudeLineFollowsTheReceivedFroudeNumber) {
  expect_froude_rows(velmora::JY_PAGE1, velmora_default_sheet(),
                     {
                         {0.999f, "　　［フルード数］              Fr =       0.999    < 1  (常　流)"},
                         {1.0f, "　　［フルード数］              Fr =       1.000    = 1  (限界流)"},
                         {1.001f, "　　［フルード数］              Fr =       1.001    > 1  (射　流)"},
                     });
}

TEST(VelmoraUniformPages, ValuesReceivedButNotPrintedChangeNothing) {
  // JN_PAGE1 prints no dH, hv, Fb+, Fb*, Fb or Fbs; no page prints dH.
  const std::string jn = record_page(velmora::JN_PAGE1, velmora_default_sheet()).dump();
  const std::string jy = record_page(velmora::JY_PAGE1, velmora_default_sheet()).dump();
  UniformSheet s = velmora_default_sheet();
  s.dH = 99;
  s.hv = 99;
  s.Fb_plus = 99;
  s.Fb_star = 99;
  s.Fb = 99;
  s.Fbs = 99;
  EXPECT_EQ(record_page(velmora::JN_PAGE1, s).dump(), jn);
  UniformSheet t = velmora_default_sheet();
  t.dH = 99;
  EXPECT_EQ(record_page(velmora::JY_PAGE1, t).dump(), jy);
}

TEST(VelmoraUniformPages, FreeboardLabelShowsTheSumOfTheSinglesNotOfTheTexts) {
  // 0.0005 + 0.0005 each show as 0.000, their sum as 0.001.
  UniformSheet s = velmora_default_sheet();
  s.H = 0.0005f;
  s.Fb = 0.0005f;
  s.Fbs = 0.0005f;
  EXPECT_NE(record_page(velmora::JY_PAGE1, s).find_text("H+Fb=0.001"), nullptr);
  EXPECT_NE(record_page(velmora::JSY_PAGE1, s).find_text("H+Fbc=0.001"), nullptr);
  EXPECT_NE(record_page(velmora::JY_PAGE1, s).find_text("H=0.000"), nullptr);
}

}  // namespace
