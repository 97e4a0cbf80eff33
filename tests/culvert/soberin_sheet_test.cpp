// soberin's sheet with the default inputs, line by line as it prints them,
// with the heights of its section headings and against its golden
// recording; the options, the Froude number and the values it receives
// without printing.
#include <gtest/gtest.h>

#include "culvert/sheet_values.hpp"
#include "culvert/sheets.hpp"
#include "golden_file.hpp"
#include "page_checks.hpp"
#include "page_lines.hpp"
#include "recorded_page.hpp"
#include "sheet_support.hpp"

namespace {

using namespace sheet_test;
using culvert::CapacitySheet;
using testing_support::compare_with_golden;
namespace soberin = culvert::soberin;

const std::string M(12, ' ');  // the left margin

CapacitySheet defaults() { return culvert::capacity_sheet(culvert_sheet::soberin_defaults()); }

// clang-format off
const Lines kRows = {
    "（１）計算条件",
    "　　［水路勾配］                      I    = 1/  200.000",
    "　　［管　　径］                      D    =       0.600 m",
    "　　［粗度係数］                      n    =       0.013",
    "（２）計算結果",
    "　　［最大流量］                      Qmax =       0.467 m^(3)/s",
    "　　［水深］                          H    =       0.562 m",
    "　　［流積］                          A    =       0.275 m^(2)",
    "　　［潤辺］                          P    =       1.582 m",
    "　　［径深］                          R    =       0.174 m",
    "　　［流速］                          V    =       1.696 m/s",
    "　　［余裕高］                        Fb   =       0.038 m",
    "　　［フルード数］                    Fr   =       0.722    < 1  (常　流)",
    "　　［水深の管径に対する割合］                    93.740 %",
    "（３）断面形状",
    "（４）計算",
    "　　　流量が最大となるθを試算により求め、各数値を計算する。",
    "　　［水深］",
    "            θ   =  5.272 rad",
    "            H    = D／2×(1-cos(θ／2))",
    "                 =    0.600／2×(1-cos(  5.272／2)) =    0.562 m",
    "　　［流積］",
    "            A    = 1／8×(θ-sinθ)×D^(2)",
    "                 = 1／8×(  5.272-sin  5.272)×    0.600^(2) =    0.275 m^(2)",
    "　　［潤辺］",
    "            P    = D／2×θ =    0.600／2×  5.272 =    1.582 m",
    "　　［径深］",
    "            R    = A／P =    0.275／    1.582 =    0.174 m",
    "　　［流速］",
    "            V    = 1／n × I^(1/2) × R^(2/3)",
    "                 = 1／ 0.013×(1／  200.000)^(1/2)×    0.174^(2/3) =    1.696 m/s",
    "　　［最大流量］",
    "            Qmax = A × V =    0.275×    1.696",
    "                 =    0.467 m^(3)/s",
    "　　［余裕高］",
    "            Fb   = D－H =    0.600－    0.562 =    0.038 m",
    "　　［フルード数］  (g m/s^(2) : 重力加速度)",
    "            Fr   = V／(g×H)^(1/2) =    1.696／(9.8×    0.562)^(1/2) =    0.722",
};
// clang-format on

const Lines kHeading = sheet_heading("　　管渠断面流下能力水理計算書　－　常流");

Lines expected_lines(bool with_heading) {
  Lines lines = with_heading ? kHeading : Lines{};
  for (const std::string& r : kRows) lines.push_back(M + r);
  return lines;
}

// The height of the first line that starts with `text` after the margin.
double y_of(const std::vector<PageLine>& lines, const std::string& text) {
  for (const auto& l : lines)
    if (l.text.rfind(M + text, 0) == 0) return l.y;
  return -1;
}

TEST(SoberinSheet, DefaultsPrintEveryLineAsTheSheetSaysIt) {
  EXPECT_EQ(printed_texts(record_page(soberin::JY_PAGE1, defaults())), expected_lines(true));
}

// タイトル印刷 cleared leaves three empty lines and ヘッダ印刷 prints the title
// after 18 blanks; the headings keep their heights, "（４）計算" 16 body lines
// below the sketch origin (450, 910). The formula lines of section (4) start
// with the explanation and an empty line around it.
TEST(SoberinSheet, OptionsNeverMoveTheRestOfThePage) {
  struct Options {
    float header, title;
  };
  for (const Options o : {Options{0, 1}, Options{1, 1}, Options{0, 0}, Options{1, 0}}) {
    CapacitySheet s = defaults();
    s.opt_header = o.header;
    s.opt_title = o.title;
    auto lines = printed_lines(record_page(soberin::JY_PAGE1, s));
    ASSERT_FALSE(lines.empty());
    if (o.header == 1) {
      EXPECT_EQ(lines.front().text, std::string(18, ' ') + "SP0.00 管渠流下能力");
      EXPECT_EQ(lines.front().y, 78);
      lines.erase(lines.begin());
    }
    Lines texts;
    for (const auto& l : lines) texts.push_back(l.text);
    EXPECT_EQ(texts, expected_lines(o.title == 1));
    EXPECT_EQ(y_of(lines, "（１）計算条件"), 321);
    EXPECT_EQ(y_of(lines, "（２）計算結果"), 516);
    EXPECT_EQ(y_of(lines, "（３）断面形状"), 945);
    EXPECT_EQ(y_of(lines, "（４）計算"), 910 + 16 * 39);
    EXPECT_EQ(y_of(lines, "　　　流量が最大となるθ"), 910 + 18 * 39);
    EXPECT_EQ(y_of(lines, "            θ   ="), 910 + 21 * 39);
  }
}

TEST(SoberinSheet, EqualsSignsOfConditionsAndResultsStandInOneColumn) {
  const auto rows = condition_and_result_rows(printed_lines(record_page(soberin::JY_PAGE1, defaults())));
  for (const auto& l : rows) EXPECT_EQ(cell_column(l.text, "="), 12 + 43) << l.text;
  EXPECT_EQ(rows.size(), 11u);
}

// 明朝体印刷 prints the whole page in Mincho: headings, values, raised
// characters and the sketch's labels.
TEST(SoberinSheet, MinchoPrintsEverythingInMincho) {
  CapacitySheet s = defaults();
  s.opt_mincho = 1;
  const rt::Recorder page = record_page(soberin::JY_PAGE1, s);
  int raised = 0;
  for (const rt::TextOp& t : page.texts()) {
    EXPECT_EQ(t.font.face, "ＭＳ 明朝") << t.text;
    raised += t.font.points == 8;
  }
  EXPECT_GT(raised, 10);
}

TEST(SoberinSheet, FroudeLineFollowsTheReceivedFroudeNumber) {
  expect_froude_rows(soberin::JY_PAGE1, defaults(),
                     {
                         {0.722f, "　　［フルード数］                    Fr   =       0.722    < 1  (常　流)"},
                         {1.0f, "　　［フルード数］                    Fr   =       1.000    = 1  (限界流)"},
                         {1.113f, "　　［フルード数］                    Fr   =       1.113    > 1  (射　流)"},
                     });
}

TEST(SoberinSheet, ValuesReceivedButNotPrintedChangeNothing) {
  const std::string page = record_page(soberin::JY_PAGE1, defaults()).dump();
  CapacitySheet s = defaults();
  s.Q = 99;
  s.W = 99;
  EXPECT_EQ(record_page(soberin::JY_PAGE1, s).dump(), page);
}

TEST(SoberinSheet, GoldenRecording) {
  EXPECT_EQ(compare_with_golden(GOLDEN_DIR, "soberin_JY_PAGE1", record_page(soberin::JY_PAGE1, defaults()).dump()), "");
}

}  // namespace
