// palwick's two sheets with the default inputs, line by line as the sheets
// print them, with the heights of their section headings; each page against
// its golden recording. Then what changes a page: the options, the Froude
// number, and what it receives without printing.
#include <gtest/gtest.h>

#include <algorithm>

#include "culvert/sheet_values.hpp"
#include "culvert/sheets.hpp"
#include "golden_file.hpp"
#include "page_checks.hpp"
#include "page_lines.hpp"
#include "recorded_page.hpp"
#include "sheet_support.hpp"

namespace {

using namespace sheet_test;
using culvert::CriticalSheet;
using culvert::UniformSheet;
using culvert_sheet::palwick_defaults;
using testing_support::compare_with_golden;
namespace palwick = culvert::palwick;

const std::string M(12, ' ');  // the left margin

UniformSheet uniform_defaults() { return culvert::uniform_sheet(palwick_defaults()); }
CriticalSheet critical_defaults() { return culvert::critical_sheet(palwick_defaults()); }

// clang-format off
const Lines kUniformLines = joined({
    sheet_heading("　　管渠水路水理計算書　－　常流"),
    with_margin({
        "（１）計算条件",
        "　　［計画流量］                      Q  =       0.300 m^(3)/s",
        "　　［水路勾配］                      I  = 1/  200.000",
        "　　［管　　径］                      D  =       0.600 m",
        "　　［粗度係数］                      n  =       0.016",
        "（２）計算結果",
        "　　［水深］                          H  =       0.425 m",
        "　　［流積］                          A  =       0.214 m^(2)",
        "　　［潤辺］                          P  =       1.201 m",
        "　　［径深］                          R  =       0.178 m",
        "　　［流速］                          V  =       1.401 m/s",
        "　　［逆算流量］                      QD =       0.300 m^(3)/s",
        "　　［余裕高］                        Fb =       0.175 m",
        "　　［フルード数］                    Fr =       0.686    < 1  (常　流)",
        "　　［余裕部分の流積に対する割合］              32.004 %",
        "（３）断面形状",
        "（４）計算",
        "　　［水深］",
        "            θ =  4.00185 rad",
        "            H  = D／2×(1-cos(θ／2))",
        "               =    0.600／2×(1-cos(  4.00185／2)) =    0.425 m",
        "　　［流積］",
        "            A  = 1／8×(θ-sinθ)×D^(2)",
        "               = 1／8×(  4.00185-sin  4.00185)×    0.600^(2) =    0.214 m^(2)",
        "　　［潤辺］",
        "            P  = D／2×θ =    0.600／2×  4.00185 =    1.201 m",
        "　　［径深］",
        "            R  = A／P =    0.214／    1.201 =    0.178 m",
        "　　［流速］",
        "            V  = 1／n × I^(1/2) × R^(2/3)",
        "               = 1／ 0.016×(1／  200.000)^(1/2)×    0.178^(2/3) =    1.401 m/s",
        "　　［逆算流量］",
        "            QD = A × V =    0.214×    1.401",
        "               =    0.300 m^(3)/s    ≧    Q =    0.300 m^(3)/s",
        "　　［余裕高］",
        "            Fb = D－H =    0.600－    0.425 =    0.175 m",
        "　　［フルード数］  (g m/s^(2) : 重力加速度)",
        "            Fr = V／(g×H)^(1/2) =    1.401／(9.8×    0.425)^(1/2) =    0.686",
    }),
});

const Lines kCriticalLines = joined({
    sheet_heading("　　管渠水路水理計算書　－　限界流"),
    with_margin({
        "（１）計算条件",
        "　　［計画流量］                     Q   =       0.300 m^(3)/s",
        "　　［管　　径］                     D   =       0.600 m",
        "　　［粗度係数］                     n   =       0.016",
        "（２）計算結果",
        "　　［限界水深］                     Hc  =       0.357 m",
        "　　［流積］                         Ac  =       0.176 m^(2)",
        "　　［潤辺］                         Pc  =       1.058 m",
        "　　［径深］                         Rc  =       0.166 m",
        "　　［限界流速］                     Vc  =       1.709 m/s",
        "　　［逆算流量］                     QDc =       0.300 m^(3)/s",
        "　　［余裕高］                       Fbc =       0.243 m",
        "　　［限界勾配］                     Ic  = 1/  121.961",
        "　　［余裕部分の流積に対する割合］              61.074 %",
        "（３）断面形状",
        "（４）計算",
        "　　［流積］",
        "            Ac  = 1／8×(θ-sinθ)×D^(2)   m^(2)",
        "　　［水面幅］",
        "            Wc  = D／2×sin(π-θ／2)×2   m",
        "　　［水理水深］",
        "            Hhc = Ac／Wc   m",
        "　　［流速］",
        "            Vc  = Q／Ac   m/s",
        "　　［限界水深］  (Fr:フルード数、g:重力加速度)",
        "            以下の数値を用い、限界条件(Fr=1)を満足するようなθを求める。",
        "              Fr = Vc／(g×Hhc)^(1/2) = 1  のとき    θ =  3.52589 rad",
        "                   Q =    0.300 m^(3)/s  ,  D =    0.600 m",
        "                   g =    9.8   m/s^(2)",
        "　　［限界水深］",
        "            Hc  = D／2×(1-cos(θ／2))",
        "                =    0.600／2×(1-cos(  3.52589／2)) =    0.357 m",
        "　　［潤辺］",
        "            Pc  = D／2×θ =    0.600／2×  3.52589 =    1.058 m",
        "　　［径深］",
        "            Rc  = A／Pc =    0.176／    1.058 =    0.166 m",
        "　　［逆算流量］",
        "            QDc = Ac × Vc =    0.176×    1.709",
        "                =    0.300 m^(3)/s    ≧    Q =    0.300 m^(3)/s",
        "　　［余裕高］",
        "            Fbc = D－Hc =    0.600－    0.357 =    0.243 m",
        "　　［限界勾配］",
        "            Ic  = (Vc×n／R^(2/3))^(2) = (  1.709× 0.016／    0.166^(2/3))^(2) = 1/  121.961",
    }),
});
// clang-format on

// The lines are kept while the found line is read: find_line points into them.
double y_of(const rt::Recorder& page, const std::string& text) {
  const auto lines = printed_lines(page);
  const auto* line = find_line(lines, M + text);
  return line ? line->y : -1;
}

TEST(PalwickSheets, DefaultsPrintEveryLineAsTheSheetSaysIt) {
  EXPECT_EQ(printed_texts(record_page(palwick::JY_PAGE1, uniform_defaults())), kUniformLines);
  EXPECT_EQ(printed_texts(record_page(palwick::SY_PAGE1, critical_defaults())), kCriticalLines);
}

// Section (1) starts one title-size line lower on the critical sheet; the
// heading of section (4) stands 16 body lines below the sketch origin
// (450, 900) on both.
TEST(PalwickSheets, SectionHeadingsStandAtTheirHeights) {
  struct Case {
    const char* name;
    rt::Recorder page;
    double conditions, results, sketch;
  };
  const Case cases[] = {
      {"JY_PAGE1", record_page(palwick::JY_PAGE1, uniform_defaults()), 321, 555, 984},
      {"SY_PAGE1", record_page(palwick::SY_PAGE1, critical_defaults()), 363, 558, 987},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(y_of(c.page, "（１）計算条件"), c.conditions) << c.name;
    EXPECT_EQ(y_of(c.page, "（２）計算結果"), c.results) << c.name;
    EXPECT_EQ(y_of(c.page, "（３）断面形状"), c.sketch) << c.name;
    EXPECT_EQ(y_of(c.page, "（４）計算"), 900 + 16 * 39) << c.name;
  }
}

// The line of g ends in the raised size: the next line follows 28 lower,
// then the empty line of the body size.
TEST(PalwickSheets, TheLineOfGravityAdvancesByTheRaisedLineHeight) {
  const auto lines = printed_lines(record_page(palwick::SY_PAGE1, critical_defaults()));
  const auto g = std::find_if(lines.begin(), lines.end(),
                              [](const auto& l) { return l.text.find("g =    9.8") != std::string::npos; });
  ASSERT_NE(g, lines.end());
  ASSERT_NE(g + 1, lines.end());
  EXPECT_EQ((g + 1)->text, M + "　　［限界水深］");
  EXPECT_EQ((g + 1)->y - g->y, 28 + 39);
}

TEST(PalwickSheets, EqualsSignsOfConditionsAndResultsStandInOneColumn) {
  struct Case {
    const char* name;
    rt::Recorder page;
    int column;
  };
  const Case cases[] = {{"JY_PAGE1", record_page(palwick::JY_PAGE1, uniform_defaults()), 12 + 41},
                        {"SY_PAGE1", record_page(palwick::SY_PAGE1, critical_defaults()), 12 + 41}};
  for (const Case& c : cases) {
    const auto rows = condition_and_result_rows(printed_lines(c.page));
    for (const auto& l : rows) EXPECT_EQ(cell_column(l.text, "="), c.column) << c.name << ": " << l.text;
    EXPECT_GE(rows.size(), 11u) << c.name;
  }
}

// ヘッダ印刷 prints the title after 18 blanks; タイトル印刷 cleared leaves three
// empty lines; neither moves anything from "（１）計算条件" down.
TEST(PalwickSheets, OptionsNeverMoveTheRestOfThePage) {
  struct Options {
    float header, title;
  };
  const Options options[] = {{0, 1}, {1, 1}, {0, 0}, {1, 0}};
  const std::string header = std::string(18, ' ') + "SP0.00～SP1000.00 右側道路側溝";
  for (const Options& o : options) {
    UniformSheet u = uniform_defaults();
    CriticalSheet c = critical_defaults();
    u.opt_header = c.opt_header = o.header;
    u.opt_title = c.opt_title = o.title;
    const rt::Recorder pages[] = {record_page(palwick::JY_PAGE1, u), record_page(palwick::SY_PAGE1, c)};
    const Lines* expected[] = {&kUniformLines, &kCriticalLines};
    for (int k = 0; k < 2; ++k) {
      auto lines = printed_lines(pages[k]);
      ASSERT_FALSE(lines.empty());
      if (o.header == 1) {
        EXPECT_EQ(lines.front().text, header);
        EXPECT_EQ(lines.front().y, 2 * 39);
        lines.erase(lines.begin());
      }
      const Lines& want = *expected[k];
      const std::size_t skip = o.title == 1 ? 0 : 2;  // the heading and the formula's name
      ASSERT_EQ(lines.size(), want.size() - skip);
      for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i].text, want[i + skip]);
      EXPECT_EQ(y_of(pages[k], "（１）計算条件"), k == 0 ? 321 : 363);
      EXPECT_EQ(y_of(pages[k], "（４）計算"), 1524);
    }
  }
}

TEST(PalwickSheets, MinchoPrintsEverythingInMincho) {
  for (const float mincho : {0.0f, 1.0f, 2.0f}) {
    UniformSheet u = uniform_defaults();
    u.opt_mincho = mincho;
    const std::string face = mincho == 1 ? "ＭＳ 明朝" : "ＭＳ ゴシック";
    for (const rt::TextOp& t : record_page(palwick::JY_PAGE1, u).texts()) EXPECT_EQ(t.font.face, face) << t.text;
  }
}

TEST(PalwickSheets, FroudeLineFollowsTheReceivedFroudeNumber) {
  expect_froude_rows(palwick::JY_PAGE1, uniform_defaults(),
                     {
                         {0.686f, "　　［フルード数］                    Fr =       0.686    < 1  (常　流)"},
                         {1.0f, "　　［フルード数］                    Fr =       1.000    = 1  (限界流)"},
                         {1.113f, "　　［フルード数］                    Fr =       1.113    > 1  (射　流)"},
                     });
}

// θ = 4.0018487 in "###.#####" is two blanks and 4.00185; a value too large
// for its field is printed after "%" and moves the rest of the row.
TEST(PalwickSheets, NumberFieldsOfTheAngleAndTheRows) {
  UniformSheet s = uniform_defaults();
  s.theta = 4.0018487f;
  s.Q = 123456.0f;
  const auto lines = printed_lines(record_page(palwick::JY_PAGE1, s));
  EXPECT_NE(find_line(lines, M + "            θ =  4.00185 rad"), nullptr);
  EXPECT_NE(find_line(lines, M + "　　［計画流量］                      Q  =   %123456 m^(3)/s"), nullptr);
}

TEST(PalwickSheets, ValuesReceivedButNotPrintedChangeNothing) {
  const std::string jy = record_page(palwick::JY_PAGE1, uniform_defaults()).dump();
  const std::string sy = record_page(palwick::SY_PAGE1, critical_defaults()).dump();
  UniformSheet u = uniform_defaults();
  u.W = 99;
  CriticalSheet c = critical_defaults();
  c.I = 99;
  c.Wc = 99;
  EXPECT_EQ(record_page(palwick::JY_PAGE1, u).dump(), jy);
  EXPECT_EQ(record_page(palwick::SY_PAGE1, c).dump(), sy);
}

TEST(PalwickSheets, GoldenRecordings) {
  EXPECT_EQ(
      compare_with_golden(GOLDEN_DIR, "palwick_JY_PAGE1", record_page(palwick::JY_PAGE1, uniform_defaults()).dump()),
      "");
  EXPECT_EQ(
      compare_with_golden(GOLDEN_DIR, "palwick_SY_PAGE1", record_page(palwick::SY_PAGE1, critical_defaults()).dump()),
      "");
}

}  // namespace
