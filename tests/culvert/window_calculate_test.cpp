// 計算 in palwick and soberin: the labels it writes, an undersized pipe, the
// order of the checks, and calculations that cannot finish.
#include <gtest/gtest.h>

#include <algorithm>

#include "drive_checks.hpp"
#include "drive_run.hpp"
#include "saved_record.hpp"
#include "window_labels.hpp"

namespace {

using testing_support::drive;
using testing_support::expect_labels;
using testing_support::expect_no_bad_numbers;
using testing_support::Labels;
using testing_support::saved_record;
using testing_support::TempDir;
using testing_support::with;
using testing_support::without;

const Labels kPalwickDefaults = {
    // used values
    {"TEXT47", "0.300"}, {"TEXT48", "200.000"}, {"TEXT49", "0.600"}, {"TEXT50", "0.016"},
    // uniform flow
    {"TEXT23", "0.425"}, {"TEXT24", "1.401"}, {"TEXT25", "0.545"}, {"TEXT26", "0.175"}, {"TEXT27", "0.600"},
    {"TEXT77", "0.300"}, {"TEXT35", "0.686"}, {"TEXT41", "<1 常　流"}, {"TEXT45", "32.004"}, {"TEXT28", ""},
    // critical flow
    {"TEXT30", "0.357"}, {"TEXT31", "1.709"}, {"TEXT32", "0.589"}, {"TEXT33", "0.243"}, {"TEXT34", "0.600"},
    {"TEXT78", "0.300"}, {"TEXT36", "121.961"}, {"TEXT46", "61.074"}, {"TEXT29", ""},
    {"menu PRNT", "enabled"}, {"menu JYORYU", "enabled"}, {"menu GENKAIRYU", "enabled"}};

const Labels kUniformFailed = {
    {"TEXT23", "0.000"}, {"TEXT24", "0.000"}, {"TEXT25", "0.000"}, {"TEXT26", "0.000"}, {"TEXT27", "0.000"},
    {"TEXT77", "0.000"}, {"TEXT35", "0.000"}, {"TEXT41", ""},      {"TEXT45", "0.000"},
    {"TEXT28", "<< 常流時 管径不足 >>"}};

const Labels kCriticalFailed = {
    {"TEXT30", "0.000"}, {"TEXT31", "0.000"}, {"TEXT32", "0.000"}, {"TEXT33", "0.000"}, {"TEXT34", "0.000"},
    {"TEXT78", "0.000"}, {"TEXT36", "0.000"}, {"TEXT46", "0.000"}, {"TEXT29", "<< 限界時 管径不足 >>"}};

TEST(CulvertCalculate, DefaultsGiveTheDesignResults) {
  TempDir dir;
  const auto palwick = drive(dir, "palwick", "menu CALC\ndump\n");
  expect_labels(palwick.dump(), kPalwickDefaults, "palwick defaults");
  EXPECT_EQ(palwick.dump().at("focus"), "EDIT1") << "the focus comes back to the field last used";
  EXPECT_TRUE(palwick.message_boxes().empty());

  const auto soberin = drive(dir, "soberin", "menu CALC\ndump\n");
  expect_labels(soberin.dump(),
                {{"TEXT48", "200.000"}, {"TEXT49", "0.600"}, {"TEXT50", "0.013"},
                 {"TEXT77", "0.467"}, {"TEXT23", "0.562"}, {"TEXT24", "1.696"}, {"TEXT25", "0.291"},
                 {"TEXT26", "0.038"}, {"TEXT27", "0.600"}, {"TEXT35", "0.722"}, {"TEXT41", "<1 常　流"},
                 {"TEXT45", "93.740"}, {"menu PRNT", "enabled"}},
                "soberin defaults");
  EXPECT_EQ(soberin.dump().at("focus"), "EDIT2");
  EXPECT_TRUE(soberin.message_boxes().empty());
}

TEST(CulvertCalculate, OtherPipesShowTheirOwnStateAndLargeRatios) {
  TempDir dir;
  // A steep slope runs supercritical at the largest discharge.
  const auto steep = drive(dir, "soberin", "type EDIT2 100\ntype EDIT3 1.0\nmenu CALC\ndump\n");
  expect_labels(steep.dump(),
                {{"TEXT77", "2.579"}, {"TEXT23", "0.937"}, {"TEXT26", "0.063"}, {"TEXT27", "1.000"},
                 {"TEXT35", "1.113"}, {"TEXT41", ">1 射　流"}, {"TEXT45", "93.720"}},
                "soberin steep");
  // A low flow in a large pipe: the empty part is many times the flow area.
  // Labels show six significant digits: Ic 210.302994 reads 210.303 and a
  // percentage of 2711.96899 reads 2711.970.
  const auto low = drive(dir, "palwick", "type EDIT1 0.02\ntype EDIT2 500\ntype EDIT3 1.0\ntype EDIT4 0.013\n"
                                         "menu CALC\ndump\n");
  expect_labels(low.dump(), {{"TEXT23", "0.095"}, {"TEXT45", "1978.800"}, {"TEXT30", "0.077"},
                             {"TEXT46", "2711.970"}, {"TEXT36", "210.303"}},
                "palwick low flow");
}

TEST(CulvertCalculate, AnUndersizedPipeIsShownInRedWithItsColumnAtZero) {
  struct Case {
    const char* name;
    const char* inputs;
    Labels expected;
    int beeps;  // a pipe too small for the uniform flow beeps twice
  };
  const Case cases[] = {
      {"uniform fails", "type EDIT2 1000\n",
       with(with(kUniformFailed, {{"TEXT30", "0.357"}, {"TEXT29", ""}}),
            {{"menu PRNT", "enabled"}, {"menu JYORYU", "grey"}, {"menu GENKAIRYU", "enabled"}}),
       2},
      // Both fail: 印刷 greys and its items keep the states of the run before.
      {"both fail", "type EDIT1 1.0\ntype EDIT3 0.3\n",
       with(with(kUniformFailed, kCriticalFailed),
            {{"menu PRNT", "grey"}, {"menu JYORYU", "enabled"}, {"menu GENKAIRYU", "enabled"}}),
       2},
      {"critical fails", "type EDIT1 2.0\ntype EDIT3 0.8\ntype EDIT4 0.013\ntype EDIT2 50\n",
       with(kCriticalFailed, {{"TEXT28", ""}, {"menu PRNT", "enabled"}, {"menu JYORYU", "enabled"},
                              {"menu GENKAIRYU", "grey"}}),
       0},
  };
  for (const Case& c : cases) {
    TempDir dir;
    const auto run = drive(dir, "palwick", std::string("menu CALC\n") + c.inputs + "menu CALC\ndump\n");
    expect_labels(run.dump(), c.expected, c.name);
    EXPECT_TRUE(run.message_boxes().empty()) << c.name;
    EXPECT_EQ(std::count(run.lines.begin(), run.lines.end(), "beep"), c.beeps) << c.name;
  }
}

TEST(CulvertCalculate, ASuccessAfterAFailureClearsTheRedLinesAndReopensThePrintItems) {
  TempDir dir;
  const auto run = drive(dir, "palwick",
                         "type EDIT1 1.0\ntype EDIT3 0.3\nmenu CALC\ndump\n"
                         "type EDIT1 0.3\ntype EDIT3 0.6\nmenu CALC\ndump\n");
  expect_labels(run.dump(0), with(kUniformFailed, kCriticalFailed), "both failed");
  expect_labels(run.dump(1), kPalwickDefaults, "then the defaults");
}

TEST(CulvertCalculate, ChecksRunInFieldOrderAndStopAtTheFirst) {
  struct Case {
    const char* program;
    const char* script;
    const char* message;
  };
  const Case cases[] = {
      {"palwick", "type EDIT1 0\ntype EDIT2 -1\n", "入力エラー: [ Q > 0 ] にしてください"},
      {"palwick", "type EDIT2 abc\n", "入力エラー: [ I > 0 ] にしてください"},
      {"palwick", "type EDIT3 0\n", "入力エラー: [ B > 0 ] にしてください"},
      {"palwick", "type EDIT4 -0.013\n", "入力エラー: [ n > 0 ] にしてください"},
      {"soberin", "type EDIT2 0\ntype EDIT3 0\n", "入力エラー: [ I > 0 ] にしてください"},
      {"soberin", "type EDIT3 0\n", "入力エラー: [ B > 0 ] にしてください"},
      {"soberin", "type EDIT4 0\n", "入力エラー: [ n > 0 ] にしてください"},
      // A number typed beyond the single range is refused by name, and so
      // is one whose used value cannot be rounded for display.
      {"palwick", "type EDIT1 1E39\n", "入力エラー: [ Q ] の値が範囲外です"},
      {"soberin", "type EDIT4 -1E99\n", "入力エラー: [ n ] の値が範囲外です"},
      {"palwick", "type EDIT2 1E36\n", "入力エラー: [ I ] の値が範囲外です"},
  };
  for (const Case& c : cases) testing_support::expect_refused_calculation(c.program, c.script, c.message, "TEXT48");
}

TEST(CulvertCalculate, SoberinWithASavedQOfZeroAlwaysStopsAtQ) {
  TempDir dir;
  const std::string saved = saved_record({" 0", " 200", " .6", " .013"}, "管渠");
  dir.write("LOM_O_RYU.DTA", saved);
  const auto run = drive(dir, "soberin", "menu CALC\ntype EDIT3 0.8\nmenu CALC\ndump\nend\n");
  ASSERT_EQ(run.message_boxes().size(), 2u);
  for (const std::string& box : run.message_boxes()) EXPECT_EQ(box, "入力エラー: [ Q > 0 ] にしてください");
  EXPECT_EQ(run.dump().at("TEXT49"), "0.000");
  EXPECT_EQ(run.dump().at("menu PRNT"), "grey");
  EXPECT_EQ(dir.read("LOM_O_RYU.DTA"), saved_record({" 0", " 200", " .8", " .013"}, "管渠"))
      << "Q is saved back as it was";
}

// Inputs whose arithmetic goes beyond the single range: one message box,
// and the window keeps the results, the red lines and 印刷 as they were.
TEST(CulvertCalculate, ACalculationThatCannotFinishSaysSoAndChangesNothing) {
  struct Case {
    const char* program;
    const char* inputs;
    const char* message_start;
  };
  const Case cases[] = {
      {"palwick", "type EDIT3 1E30\n", "計算エラー: 常流計算で数値が計算できる範囲を超えました。"},
      // The uniform flow finds no solution, the critical flow faults.
      {"palwick", "type EDIT4 1E-30\n", "計算エラー: 射流計算で数値が計算できる範囲を超えました。"},
      {"soberin", "type EDIT3 1E30\n", "計算エラー: 最大流量計算で数値が計算できる範囲を超えました。"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    const auto run = drive(dir, c.program, std::string("menu CALC\ndump\n") + c.inputs + "menu CALC\ndump\n");
    ASSERT_EQ(run.message_boxes().size(), 1u) << c.program << ": " << c.inputs;
    EXPECT_EQ(run.message_boxes()[0].rfind(c.message_start, 0), 0u) << run.message_boxes()[0];
    const Labels after = without(run.dump(1), {"EDIT3", "EDIT4"});
    EXPECT_EQ(without(run.dump(0), {"EDIT3", "EDIT4"}), after) << c.program << ": " << c.inputs;
    EXPECT_EQ(std::count(run.lines.begin(), run.lines.end(), "beep"), 0) << "a refused calculation only says so";
    expect_no_bad_numbers(after, c.inputs);
  }
}

}  // namespace
