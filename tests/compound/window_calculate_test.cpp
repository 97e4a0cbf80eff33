// 計算 in the windows of quorvel and mestra: the used values and results it
// shows, the order of its checks, the section and flow states, the wall
// height it leaves rounded, and what a refused or unfinished calculation
// leaves alone.
#include <gtest/gtest.h>

#include "drive_checks.hpp"
#include "drive_run.hpp"
#include "window_labels.hpp"

namespace {

using testing_support::drive;
using testing_support::expect_labels;
using testing_support::Labels;
using testing_support::TempDir;
using testing_support::without;

// The solver's results for the defaults, as `solve quorvel CALC` and
// `solve mestra CALC` give them.
TEST(CompoundCalculate, DefaultsShowTheUsedValuesAndTheSolversResults) {
  const Labels used = {{"TEXT16", "3.450"}, {"TEXT17", "200.000"}, {"TEXT18", "0.800"}, {"TEXT19", "0.800"},
                       {"TEXT20", "0.600"}, {"TEXT21", "0.016"},   {"TEXT22", "0.030"}, {"TEXT23", "0.030"},
                       {"TEXT24", "0.030"}, {"TEXT26", "5.000"},   {"TEXT27", "1.000"}, {"TEXT28", "1.000"},
                       {"TEXT29", "0.100"}, {"TEXT30", "0.070"},   {"menu PRNT", "enabled"}};
  const struct {
    const char* program;
    Labels results;
  } cases[] = {
      {"quorvel",
       {{"TEXT25", "0.300"}, {"TEXT45", "1.069"}, {"TEXT46", "0.239"}, {"TEXT47", "0.030"}, {"TEXT48", "0.995"},
        {"TEXT58", "<1 常　流"}, {"TEXT52", "3.454"}, {"TEXT53", "2.246"}, {"TEXT54", "0.432"},
        {"TEXT60", "複断面"}}},
      {"mestra",
       {{"TEXT45", "1.291"}, {"TEXT46", "0.461"}, {"TEXT47", "0.030"}, {"TEXT48", "0.770"},
        {"TEXT58", "<1 常　流"}, {"TEXT52", "3.454"}, {"TEXT53", "1.901"}, {"TEXT54", "0.375"},
        {"TEXT60", "複断面"}}},
  };
  for (const auto& c : cases) {
    TempDir dir;
    const auto run = drive(dir, c.program, "menu CALC\ndump\n");
    EXPECT_TRUE(run.message_boxes().empty()) << c.program;
    expect_labels(run.dump(), used, c.program);
    expect_labels(run.dump(), c.results, c.program);
    EXPECT_EQ(run.dump().at("focus"), "EDIT1") << "the focus comes back to the field last used";
  }
}

TEST(CompoundCalculate, SectionAndFlowStatesFollowTheSolver) {
  const struct {
    const char* program;
    const char* q;
    Labels shown;
  } cases[] = {
      // The main channel carries Q with the water at the berm edges.
      {"mestra", "1", {{"TEXT60", "＞＞＞ 単断面 ＜＜＜"}, {"TEXT46", "0.000"}, {"TEXT45", "0.830"},
                       {"TEXT48", "1.001"}, {"TEXT58", ">1 射　流"}, {"TEXT54", "0.167"}}},
      {"quorvel", "1", {{"TEXT60", "＞＞＞ 単断面 ＜＜＜"}, {"TEXT52", "1.921"}, {"TEXT58", ">1 射　流"}}},
      // A rounded Fr of 1.000 whose unrounded value lies below 1 keeps the
      // subcritical freeboard; 1.001 takes the supercritical one.
      {"quorvel", "3.32", {{"TEXT48", "1.000"}, {"TEXT58", "=1 限界流"}, {"TEXT54", "0.428"}, {"TEXT60", "複断面"}}},
      {"quorvel", "3.33", {{"TEXT48", "0.999"}, {"TEXT58", "<1 常　流"}, {"TEXT54", "0.428"}}},
      {"quorvel", "3.34", {{"TEXT48", "1.001"}, {"TEXT58", ">1 射　流"}, {"TEXT54", "0.299"}}},
  };
  for (const auto& c : cases) {
    TempDir dir;
    const auto run = drive(dir, c.program, std::string("type EDIT1 ") + c.q + "\nmenu CALC\ndump\n");
    EXPECT_TRUE(run.message_boxes().empty());
    expect_labels(run.dump(), c.shown, std::string(c.program) + " Q " + c.q);
    const bool single = c.shown.count("TEXT60") && c.shown.at("TEXT60") != "複断面";
    EXPECT_EQ(run.printed("beep"), single) << "one beep with the single-section line only: Q " << c.q;
  }
}

// The input method stays on in the compound tools' fields: 4.5 typed there
// reads ４．５, and that is the Q used.
TEST(CompoundCalculate, AQTypedInFullWidthIsUsed) {
  TempDir full_dir, half_dir;
  const auto full = drive(full_dir, "quorvel", "type EDIT1 ４．５\nmenu CALC\ndump\n");
  const auto half = drive(half_dir, "quorvel", "type EDIT1 4.5\nmenu CALC\ndump\n");
  EXPECT_TRUE(full.message_boxes().empty());
  expect_labels(full.dump(), {{"TEXT16", "4.500"}, {"menu PRNT", "enabled"}}, "quorvel Q ４．５");
  EXPECT_EQ(without(full.dump(), {"EDIT1"}), without(half.dump(), {"EDIT1"})) << "the results of Q 4.5";
}

// The input method commits -0.5 as −０．５ (U+2212 MINUS SIGN) and .3 as
// 。３: the same checks and results as the half-width keys give.
TEST(CompoundCalculate, TheMinusAndLeadingPointTheInputMethodCommitsAreRead) {
  TempDir minus_dir, point_dir, half_dir;
  const auto minus = drive(minus_dir, "mestra", "type EDIT14 −０．５\nmenu CALC\n");
  EXPECT_EQ(minus.message_boxes(), std::vector<std::string>{"入力エラー: [ Fb+ ≧ 0 ] にしてください"});
  const auto point = drive(point_dir, "quorvel", "type EDIT12 。３\ntype EDIT14 。１\nmenu CALC\ndump\n");
  const auto half = drive(half_dir, "quorvel", "type EDIT12 .3\ntype EDIT14 .1\nmenu CALC\ndump\n");
  EXPECT_EQ(without(point.dump(), {"EDIT12", "EDIT14"}), without(half.dump(), {"EDIT12", "EDIT14"}));
  EXPECT_EQ(point.dump().at("TEXT27"), "0.300") << "m2 used";
}

TEST(CompoundCalculate, ChecksRunInFieldOrderAndStopAtTheFirst) {
  const struct {
    const char* program;
    const char* script;
    const char* message;
  } cases[] = {
      {"quorvel", "type EDIT1 0\ntype EDIT2 -1\n", "[ Q > 0 ] にしてください"},
      {"quorvel", "type EDIT2 x\n", "[ I > 0 ] にしてください"},
      {"mestra", "type EDIT3 -1\n", "[ B > 0 ] にしてください"},
      {"quorvel", "type EDIT4 \ntype EDIT5 0\n", "[ h1 > 0 ] にしてください"},
      {"mestra", "type EDIT5 0\n", "[ w > 0 ] にしてください"},
      {"quorvel", "type EDIT6 0\n", "[ n1 > 0 ] にしてください"},
      {"quorvel", "type EDIT7 0\n", "[ n2 > 0 ] にしてください"},
      {"mestra", "type EDIT8 0\n", "[ n3 > 0 ] にしてください"},
      {"quorvel", "type EDIT9 0\ntype EDIT10 -1\n", "[ n4 > 0 ] にしてください"},
      {"quorvel", "type EDIT10 -0.001\ntype EDIT11 -1\n", "[ m ≧ 0 ] にしてください"},
      {"mestra", "type EDIT9 0\ntype EDIT11 -1\n", "[ n4 > 0 ] にしてください"},
      {"mestra", "type EDIT11 -1\n", "[ m1 ≧ 0 ] にしてください"},
      {"quorvel", "type EDIT12 -1\n", "[ m2 ≧ 0 ] にしてください"},
      {"mestra", "type EDIT13 -1\n", "[ m3 ≧ 0 ] にしてください"},
      {"quorvel", "type EDIT14 -1\n", "[ Fb+ ≧ 0 ] にしてください"},
      {"mestra", "type EDIT15 -1\n", "[ Fb* ≧ 0 ] にしてください"},
      // A number typed beyond the single range is refused by name, and so is
      // one whose used value cannot be rounded for display.
      {"quorvel", "type EDIT10 1E39\n", "[ m ] の値が範囲外です"},
      {"mestra", "type EDIT2 1E36\n", "[ I ] の値が範囲外です"},
  };
  for (const auto& c : cases) {
    testing_support::expect_refused_calculation(c.program, c.script, std::string("入力エラー: ") + c.message, "TEXT16");
  }
}

TEST(CompoundCalculate, ZeroSlopesFallsAndFreeboardsPass) {
  TempDir dir;
  const auto run = drive(dir, "quorvel",
                         "type EDIT10 0\ntype EDIT11 0\ntype EDIT12 0\ntype EDIT13 0\ntype EDIT14 0\n"
                         "type EDIT15 0\nmenu CALC\ndump\n");
  EXPECT_TRUE(run.message_boxes().empty());
  expect_labels(run.dump(), {{"TEXT25", "0.000"}, {"TEXT47", "0.000"}, {"TEXT45", "1.345"}, {"TEXT54", "0.203"},
                             {"menu PRNT", "enabled"}},
                "zeros");
}

TEST(CompoundCalculate, TheWallHeightIsUsedAndKeptRoundedToThreeDecimals) {
  TempDir dir;
  const auto run = drive(dir, "quorvel", "type EDIT4 0.8123456\nmenu CALC\ndump\nend\n");
  EXPECT_EQ(run.dump().at("TEXT19"), "0.812");
  EXPECT_EQ(run.dump().at("EDIT4"), "0.8123456") << "the edit keeps what was typed";
  const std::string saved = dir.read("LOM_FV.DTA");
  EXPECT_EQ(saved.substr(42, 14), " .812         ") << "the fourth zone holds the rounded h1";
}

TEST(CompoundCalculate, ACalculationThatCannotFinishSaysSoAndKeepsTheLastResults) {
  const struct {
    const char* program;
    const char* script;
    const char* message;
  } cases[] = {
      {"quorvel", "type EDIT1 1E30\ntype EDIT4 0.8123456\n",
       "計算エラー: 複断面計算の水深が求まりませんでした。\\n入力値を確認してください。"},
      {"mestra", "type EDIT6 1E-30\ntype EDIT7 1E-30\ntype EDIT8 1E-30\ntype EDIT9 1E-30\n",
       "計算エラー: 複断面計算で数値が計算できる範囲を超えました。\\n入力値を確認してください。"},
  };
  for (const auto& c : cases) {
    TempDir dir;
    const auto run = drive(dir, c.program, std::string("menu CALC\ndump\n") + c.script + "menu CALC\ndump\nend\n");
    ASSERT_EQ(run.message_boxes().size(), 1u) << c.program;
    EXPECT_EQ(run.message_boxes()[0], c.message);
    const auto typed = {"EDIT1", "EDIT4", "EDIT6", "EDIT7", "EDIT8", "EDIT9"};
    EXPECT_EQ(without(run.dump(0), typed), without(run.dump(1), typed))
        << c.program << ": used values, results and 印刷 as they were";
  }
  // The failed run left the typed wall height unrounded in the saved inputs.
  TempDir dir;
  drive(dir, "quorvel", std::string(cases[0].script) + "menu CALC\nend\n");
  EXPECT_EQ(dir.read("LOM_FV.DTA").substr(0, 56),
            std::string(" 1E+30        ") + " 200          " + " .8           " + " .812346      ");
}

TEST(CompoundCalculate, OnlyKeyMovesAndTheInputCommandClearTheResults) {
  TempDir dir;
  const auto run = drive(dir, "mestra",
                         "menu CALC\nclick EDIT5\ntype EDIT5 0.7\ndump\nkey Enter\ndump\nmenu CALC\nmenu INPDATA\ndump\n");
  EXPECT_EQ(run.dump(0).at("TEXT45"), "1.291") << "a click and typing keep the results";
  EXPECT_EQ(run.dump(0).at("menu PRNT"), "enabled");
  for (int n : {1, 2}) {
    expect_labels(run.dump(n), {{"TEXT16", "0.000"}, {"TEXT30", "0.000"}, {"TEXT45", "0.000"}, {"TEXT54", "0.000"},
                                {"TEXT58", ""}, {"TEXT60", ""}, {"menu PRNT", "grey"}},
                  "after a move");
  }
  EXPECT_EQ(run.dump(1).at("focus"), "EDIT6");
  EXPECT_EQ(run.dump(2).at("focus"), "EDIT1");
}

}  // namespace
