// The three pages of quorvel's and mestra's calculation sheet with the
// default inputs, line by line as the sheet prints them, where each section
// stands on its page, and each page against its golden recording (texts,
// positions, fonts, lines and pens).
#include "compound/sheet_pages.hpp"

#include <gtest/gtest.h>

#include "compound_sheet_support.hpp"
#include "golden_file.hpp"
#include "page_lines.hpp"
#include "recorded_page.hpp"

namespace {

using namespace compound_sheet_test;
using namespace sheet_test;
using testing_support::compare_with_golden;

const std::string M(12, ' ');  // the left margin

// clang-format off
const Lines kQuorvelHeading = sheet_heading("　　台形水路Morvath書　－　常流");
const Lines kMestraHeading = sheet_heading("　　矩形水路Morvath書　－　常流");

const Lines kConditionsTop = with_margin({
    "（１）計算条件",
    "　　［計画流量］                Q   =      3.450 m^(3)/s",
    "　　［水路勾配］                I   =  1/ 200.000",
    "　　［水路壁高］                h1  =       0.800 m",
    "　　［水路敷幅］                B   =       0.800 m",
    "　　［ステップ］                w   =       0.600 m",
    "　　　　　　　　                h3  =       0.030 m",
});
const Lines kQuorvelSlopes = with_margin({
    "　　［法勾配］                1:m   =  1:   0.300",
    "　　　　　　　                  m1  =       5.000 %",
});
const Lines kMestraSlopes = with_margin({
    "　　［法勾配］                  m1  =       5.000 %",
});
const Lines kConditionsBottom = with_margin({
    "　　　　　　　                1:m2  =  1:   1.000",
    "　　　　　　　                1:m3  =  1:   1.000",
    "　　［粗度係数］                n1  =       0.016",
    "　　　　　　　　                n2  =       0.030",
    "　　　　　　　　                n3  =       0.030",
    "　　　　　　　　                n4  =       0.030",
    "（２）断面形状",
    "　　　　①②③は流量計算区分であり、流量は各断面毎に算定し合計する。",
    "　　　　区分の境界面は潤辺と見なさない。",
    "（３）計算結果",
});

const Lines kQuorvelResults = with_margin({
    "　　［水深］                        h1  =   0.800 m",
    "　　　　　　                        h2  =   0.239 m",
    "　　　　　　                        h3  =   0.030 m",
    "　　　　　　                        H   =  h1+h2+h3  =    1.069 m",
    "　　［流積］                        A1  =   1.176 m^(2)",
    "　　　　　　                        A2  =   0.181 m^(2)",
    "　　　　　　                        A3  =   0.181 m^(2)",
    "　　　　　　                        A   =  A1+A2+A3  =    1.538 m^(2)",
    "　　［潤辺］                        P1  =   2.470 m",
    "　　　　　　                        P2  =   0.939 m",
    "　　　　　　                        P3  =   0.939 m",
    "　　［径深］                        R1  =   0.476 m",
    "　　　　　　                        R2  =   0.193 m",
    "　　　　　　                        R3  =   0.193 m",
    "　　［合成粗度係数］                N1  =   0.016",
    "　　　　　　　　　　                N2  =   0.030",
    "　　　　　　　　　　                N3  =   0.030",
    "　　　　　　　　　　      　　全体  N   =   0.023",
});
const Lines kMestraResults = with_margin({
    "　　［水深］                        h1  =   0.800 m",
    "　　　　　　                        h2  =   0.461 m",
    "　　　　　　                        h3  =   0.030 m",
    "　　　　　　                        H   =  h1+h2+h3  =    1.291 m",
    "　　［流積］                        A1  =   1.033 m^(2)",
    "　　　　　　                        A2  =   0.392 m^(2)",
    "　　　　　　                        A3  =   0.392 m^(2)",
    "　　　　　　                        A   =  A1+A2+A3  =    1.817 m^(2)",
    "　　［潤辺］                        P1  =   2.400 m",
    "　　　　　　                        P2  =   1.253 m",
    "　　　　　　                        P3  =   1.253 m",
    "　　［径深］                        R1  =   0.430 m",
    "　　　　　　                        R2  =   0.313 m",
    "　　　　　　                        R3  =   0.313 m",
    "　　［合成粗度係数］                N1  =   0.016",
    "　　　　　　　　　　                N2  =   0.030",
    "　　　　　　　　　　                N3  =   0.030",
    "　　　　　　　　　　          全体  N   =   0.024",
});

const Lines kQuorvelPage2Values = with_margin({
    "　　［流速］                        V1  =   2.695 m/s",
    "　　　　　　                        V2  =   0.787 m/s",
    "　　　　　　                        V3  =   0.787 m/s",
    "　　　　　　                        V   =  CQ/A  =    2.246 m/s",
    "　　［計算流量］                    Q1  =   3.170 m^(3)/s",
    "　　　　　　　　                    Q2  =   0.142 m^(3)/s",
    "　　　　　　　　                    Q3  =   0.142 m^(3)/s",
    "　　　　　　　　                    CQ  =  Q1+Q2+Q3  =    3.454 m^(3)/s",
    "　　　　　　　　                          (  ≧   Q  =    3.450 m^(3)/s … OK )",
    "　　［フルード数］                  Fr  =   0.995　＜　1　常流",
    "　　［余裕高(常流式)］              Fb  =   0.432 m",
    "（４）計算",
    "  ａ）計算式",
});
const Lines kMestraPage2Values = with_margin({
    "　　［流速］                        V1  =   2.519 m/s",
    "　　　　　　                        V2  =   1.086 m/s",
    "　　　　　　                        V3  =   1.086 m/s",
    "　　　　　　                        V   =  CQ/A  =    1.901 m/s",
    "　　［計算流量］                    Q1  =   2.602 m^(3)/s",
    "　　　　　　　　                    Q2  =   0.426 m^(3)/s",
    "　　　　　　　　                    Q3  =   0.426 m^(3)/s",
    "　　　　　　　　                    CQ  =  Q1+Q2+Q3  =    3.454 m^(3)/s",
    "　　　　　　　　                          (  ≧   Q  =    3.450 m^(3)/s … OK )",
    "　　［フルード数］                  Fr  =   0.770　＜　1　常流",
    "　　［余裕高(常流式)］              Fb  =   0.375 m",
    "（４）計算",
    "  ａ）計算式",
});
const Lines kQuorvelLengths = with_margin({
    "　　［各代数値］                    L1  =  ( h1^(2) ＋ L5^(2) )^(1/2)  m",
    "                                    L2  =  ( h3^(2) ＋ w^(2)  )^(1/2)  m",
    "                                    L3  =  ( h2^(2) ＋ L6^(2) )^(1/2)  m",
    "                                    L4  =  ( h2^(2) ＋ L7^(2) )^(1/2)  m",
    "                                    L5  =  h1 × m   m",
    "                                    L6  =  h2 × m2  m",
    "                                    L7  =  h2 × m3  m",
    "                                    W1  =  2 × L5 ＋ B  m",
    "                                    W2  =  w ＋ L6  m",
    "                                    W3  =  w ＋ L7  m",
});
// The rectangle's walls have no run: L5 and L6 are the banks' runs.
const Lines kMestraLengths = with_margin({
    "　　［各代数値］                    L1  =  h1  m",
    "                                    L2  =  ( h3^(2) ＋ w^(2)  )^(1/2)  m",
    "                                    L3  =  ( h2^(2) ＋ L5^(2) )^(1/2)  m",
    "                                    L4  =  ( h2^(2) ＋ L6^(2) )^(1/2)  m",
    "                                    L5  =  h2 × m2  m",
    "                                    L6  =  h2 × m3  m",
    "                                    W1  =  B  m",
    "                                    W2  =  w ＋ L5  m",
    "                                    W3  =  w ＋ L6  m",
});
const Lines kPage2Formulas = with_margin({
    "                                    WA  =  W1 ＋ W2 ＋ W3  m",
    "                                    h3  =  w × m1 ／ 100  m",
    "　　［径深］                        R   =  A／P  m",
    "　　［流速］                        V   =  1／N × I^(1/2) × R^(2/3)  m/s",
    "　　［計算流量］                    CQ  =  A × V  m^(3)/s",
    "                  ”L1,L2,L3,L4,B”は潤辺の長さ",
    "                  ”W1,W2,W3”は各計算区分の水面幅",
});

const Lines kQuorvelPage3 = with_margin({
    "  ｂ）各断面の計算",
    "　　［断面①の計算］",
    "        A1 = (W1＋B)×h1／2＋W1×(h2＋h3) =   1.176 m^(2)",
    "        P1 = 2×L1＋B =   2.470 m",
    "        N1 = {1／P1×(2×L1＋B)×n1^(3/2)}^(2/3) =   0.016",
    "        V1 = 1／N1×I^(1/2)×R^(2/3) =   2.695 m/s",
    "        Q1 = A1×V1 =   3.170 m^(3)/s",
    "　　［断面②の計算］",
    "        A2 = (w＋W2)×h2／2＋w×h3／2 =   0.181 m^(2)",
    "        P2 = L2＋L3 =   0.939 m",
    "        N2 = {1／P2×(L2×n2^(3/2)＋L3×n3^(3/2))}^(2/3) =   0.030",
    "        V2 = 1／N2×I^(1/2)×R^(2/3) =   0.787 m/s",
    "        Q2 = A2×V2 =   0.142 m^(3)/s",
    "　　［断面③の計算］",
    "        A3 = (w＋W3)×h2／2＋w×h3／2 =   0.181 m^(2)",
    "        P3 = L2＋L4 =   0.939 m",
    "        N3 = {1／P3×(L2×n2^(3/2)＋L4×n4^(3/2))}^(2/3) =   0.030",
    "        V3 = 1／N3×I^(1/2)×R^(2/3) =   0.787 m/s",
    "        Q3 = A3×V3 =   0.142 m^(3)/s",
    "  ｃ）断面全体の計算",
    "　　［水深］",
    "        H  = h1＋h2＋h3 =   0.800＋  0.239＋  0.030 =   1.069 m",
    "　　［水面幅］",
    "        WA = W1＋W2＋W3 =   1.280＋  0.839＋  0.839 =   2.958 m",
    "　　［断面積］",
    "        A  = A1＋A2＋A3 =   1.176＋  0.181＋  0.181 =   1.538 m^(2)",
    "　　［流速］",
    "        V  = CQ／A =   3.454／  1.538 =   2.246 m/s",
    "　　［水理水深］",
    "        SH = A／WA =   1.538／  2.958 =   0.520 m",
    "　　［フルード数］  (g : 重力加速度)",
    "        Fr = V／(g×SH)^(1/2) =   2.246／(9.8×  0.520)^(1/2) =   0.995 ＜ 1.0  (常流)",
    "　　［速度水頭］",
    "        hv = V^(2)／(2×g) =   2.246^(2)／(2×9.8) =   0.257 m",
    "　　［余裕高(常流式)］",
    "        Fb =   0.070×H＋hv＋  0.100 =   0.070×  1.069＋  0.257＋  0.100 =   0.432 m",
});
// clang-format on

struct PageCase {
  const char* name;  // also the golden file's
  MainChannel channel;
  PageProcedure procedure;
  Lines lines;
};

const PageCase kPages[] = {
    {"quorvel_PAGE1", kQuorvel, compound::PAGE1,
     joined({kQuorvelHeading, kConditionsTop, kQuorvelSlopes, kConditionsBottom, kQuorvelResults})},
    {"mestra_PAGE1", kMestra, compound::PAGE1,
     joined({kMestraHeading, kConditionsTop, kMestraSlopes, kConditionsBottom, kMestraResults})},
    {"quorvel_PAGE2", kQuorvel, compound::PAGE2, joined({kQuorvelPage2Values, kQuorvelLengths, kPage2Formulas})},
    {"mestra_PAGE2", kMestra, compound::PAGE2, joined({kMestraPage2Values, kMestraLengths, kPage2Formulas})},
    {"quorvel_PAGE3", kQuorvel, compound::PAGE3, kQuorvelPage3},
    // mestra's page 3 differs from quorvel's only in its numbers (and in the
    // supercritical coefficient, see the Froude number cases): golden only.
    {"mestra_PAGE3", kMestra, compound::PAGE3, {}},
};

TEST(CompoundSheetPages, DefaultsPrintEveryLineAsTheSheetSaysIt) {
  for (const PageCase& c : kPages) {
    const rt::Recorder page = record_page(c.procedure, c.channel, solved_sheet(c.channel));
    if (!c.lines.empty()) {
      EXPECT_EQ(printed_texts(page), c.lines) << c.name;
    }
    EXPECT_EQ(compare_with_golden(GOLDEN_DIR, c.name, page.dump()), "") << c.name;
  }
}

// Where the sections and the lines after the sketches stand: page 1's top
// block as on every sheet, its sketch room counted from the last label
// (y 1190) and page 2's from its last label (y 2060); pages 2 and 3 start
// after four empty lines.
TEST(CompoundSheetPages, SectionsStandWhereTheSheetPutsThem) {
  struct Place {
    const char* name;
    MainChannel channel;
    PageProcedure procedure;
    const char* line;
    double y;
  };
  const Place places[] = {
      {"quorvel_PAGE1", kQuorvel, compound::PAGE1, "（１）計算条件", 321},
      {"quorvel_PAGE1", kQuorvel, compound::PAGE1, "（２）断面形状", 321 + 17 * 39},
      {"mestra_PAGE1", kMestra, compound::PAGE1, "（２）断面形状", 321 + 16 * 39},
      {"quorvel_PAGE1", kQuorvel, compound::PAGE1, "①②③は流量計算区分", 1697},
      {"mestra_PAGE1", kMestra, compound::PAGE1, "①②③は流量計算区分", 1697},
      {"mestra_PAGE1", kMestra, compound::PAGE1, "（３）計算結果", 1697 + 4 * 39},
      {"quorvel_PAGE2", kQuorvel, compound::PAGE2, "V1  =", 4 * 39},
      {"quorvel_PAGE2", kQuorvel, compound::PAGE2, "（４）計算", 21 * 39},
      {"quorvel_PAGE2", kQuorvel, compound::PAGE2, "”L1,L2,L3,L4,B”", 2333},
      {"mestra_PAGE2", kMestra, compound::PAGE2, "”W1,W2,W3”", 2333 + 39},
      {"quorvel_PAGE3", kQuorvel, compound::PAGE3, "ｂ）各断面の計算", 4 * 39},
      {"mestra_PAGE3", kMestra, compound::PAGE3, "ｃ）断面全体の計算", 43 * 39},
  };
  for (const Place& place : places) {
    const auto lines = printed_lines(record_page(place.procedure, place.channel, solved_sheet(place.channel)));
    const auto* line = find_line(lines, place.line);
    ASSERT_NE(line, nullptr) << place.name << ": " << place.line;
    EXPECT_EQ(line->y, place.y) << place.name << ": " << place.line;
  }
}

// The "=" of the rows of sections (1) and (3) stand in one column, and so
// do those of page 2's velocities, discharges, Froude number and freeboard.
TEST(CompoundSheetPages, EqualsSignsOfARowGroupStandInOneColumn) {
  struct Group {
    const char* name;
    MainChannel channel;
    PageProcedure procedure;
    const char* first;
    const char* last;
    int column;
    int rows;
  };
  const Group groups[] = {
      {"quorvel conditions", kQuorvel, compound::PAGE1, "［計画流量］", "n4  =", 12 + 36, 14},
      {"mestra conditions", kMestra, compound::PAGE1, "［計画流量］", "n4  =", 12 + 36, 13},
      {"quorvel results", kQuorvel, compound::PAGE1, "［水深］", "全体", 12 + 40, 18},
      {"mestra results", kMestra, compound::PAGE1, "［水深］", "全体", 12 + 40, 18},
      {"page 2 velocities and discharges", kQuorvel, compound::PAGE2, "V1  =", "CQ  =", 12 + 40, 8},
      {"page 2 Froude number and freeboard", kMestra, compound::PAGE2, "Fr  =", "Fb  =", 12 + 40, 2},
  };
  for (const Group& g : groups) {
    const auto lines = printed_lines(record_page(g.procedure, g.channel, solved_sheet(g.channel)));
    bool inside = false;
    int rows = 0;
    for (const auto& l : lines) {
      if (l.text.find(g.first) != std::string::npos) inside = true;
      if (!inside) continue;
      EXPECT_EQ(cell_column(l.text, "="), g.column) << g.name << ": " << l.text;
      ++rows;
      if (l.text.find(g.last) != std::string::npos) break;
    }
    EXPECT_EQ(rows, g.rows) << g.name;
  }
}

}  // namespace
