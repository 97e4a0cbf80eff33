// 計算 in the real window: the labels it writes, the order of its checks,
// and what a refused or unfinished calculation leaves alone.
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

TEST(Calculate, VelmoraDefaultsGiveTheDesignResults) {
  TempDir dir;
  const auto run = drive(dir, "velmora", "menu CALC\ndump\n");
  expect_labels(run.dump(),
                {// used values
                 {"TEXT47", "0.060"}, {"TEXT48", "200.000"}, {"TEXT49", "0.300"}, {"TEXT50", "0.016"},
                 {"TEXT76", "0.300"}, {"TEXT51", "0.100"}, {"TEXT52", "0.070"},
                 // uniform flow
                 {"TEXT23", "0.183"}, {"TEXT84", "0.206"}, {"TEXT24", "0.922"}, {"TEXT25", "0.410"},
                 {"TEXT26", "0.156"}, {"TEXT27", "0.339"}, {"TEXT28", "0.051"}, {"TEXT29", "0.234"},
                 {"TEXT79", "0.060"}, {"TEXT35", "0.739"}, {"TEXT41", "<1 常　流"}, {"TEXT45", "0.214"},
                 {"TEXT63", "0.031"},
                 // critical flow
                 {"TEXT30", "0.152"}, {"TEXT85", "0.170"}, {"TEXT31", "1.146"}, {"TEXT32", "0.391"},
                 {"TEXT33", "0.058"}, {"TEXT34", "0.210"}, {"TEXT80", "0.060"}, {"TEXT36", "111.110"},
                 {"TEXT46", "0.178"}, {"TEXT64", "0.026"},
                 {"menu PRNT", "enabled"}},
                "velmora defaults");
  EXPECT_EQ(run.dump().at("focus"), "EDIT1") << "the focus comes back to the field last used";
  EXPECT_TRUE(run.message_boxes().empty());
}

TEST(Calculate, DrasinDefaultsGiveTheDesignResults) {
  TempDir dir;
  const auto run = drive(dir, "drasin", "menu CALC\ndump\n");
  expect_labels(run.dump(),
                {{"TEXT47", "0.060"}, {"TEXT48", "200.000"}, {"TEXT49", "0.300"}, {"TEXT50", "0.016"},
                 {"TEXT51", "0.100"}, {"TEXT52", "0.070"},
                 {"TEXT23", "0.225"}, {"TEXT82", "0.261"}, {"TEXT24", "0.888"}, {"TEXT25", "0.300"},
                 {"TEXT26", "0.156"}, {"TEXT27", "0.381"}, {"TEXT28", "0.042"}, {"TEXT29", "0.267"},
                 {"TEXT77", "0.060"}, {"TEXT41", "<1 常　流"}, {"TEXT45", "0.270"}, {"TEXT63", "0.045"},
                 {"TEXT30", "0.160"}, {"TEXT83", "0.180"}, {"TEXT31", "1.251"}, {"TEXT32", "0.300"},
                 {"TEXT33", "0.050"}, {"TEXT34", "0.210"}, {"TEXT78", "0.060"}, {"TEXT36", "82.372"},
                 {"TEXT46", "0.192"}, {"TEXT64", "0.032"},
                 {"menu PRNT", "enabled"}},
                "drasin defaults");
}

TEST(Calculate, ChecksRunInFieldOrderAndStopAtTheFirst) {
  struct Case {
    const char* program;
    const char* script;
    const char* message;
  };
  const Case cases[] = {
      {"velmora", "type EDIT1 0\ntype EDIT2 -1\ntype EDIT4 abc\n", "入力エラー: [ Q > 0 ] にしてください"},
      {"velmora", "type EDIT2 0\n", "入力エラー: [ I > 0 ] にしてください"},
      {"velmora", "type EDIT3 -0.1\n", "入力エラー: [ B > 0 ] にしてください"},
      {"velmora", "type EDIT4 x\n", "入力エラー: [ n > 0 ] にしてください"},
      {"velmora", "type EDIT8 0\ntype EDIT5 -1\n", "入力エラー: [ m > 0 ] にしてください"},
      {"velmora", "type EDIT5 -0.001\n", "入力エラー: [ Fb+ ≧ 0 ] にしてください"},
      {"velmora", "type EDIT6 -1\n", "入力エラー: [ Fb* ≧ 0 ] にしてください"},
      {"drasin", "type EDIT4 0\ntype EDIT5 -1\n", "入力エラー: [ n > 0 ] にしてください"},
      {"drasin", "type EDIT5 -1\n", "入力エラー: [ Fb+ ≧ 0 ] にしてください"},
      // A number typed beyond the single range is refused by name.
      {"velmora", "type EDIT2 1E39\n", "入力エラー: [ I ] の値が範囲外です"},
      {"drasin", "type EDIT6 -1E99\n", "入力エラー: [ Fb* ] の値が範囲外です"},
      // So is a value whose used value cannot be rounded for display.
      {"velmora", "type EDIT2 1E36\n", "入力エラー: [ I ] の値が範囲外です"},
  };
  for (const Case& c : cases) testing_support::expect_refused_calculation(c.program, c.script, c.message, "TEXT47");
}

TEST(Calculate, ZeroFreeboardsPassAndUsedValuesAreRoundedHalfAwayFromZero) {
  TempDir dir;
  const auto run =
      drive(dir, "velmora", "type EDIT5 0\ntype EDIT6 0\ntype EDIT1 0.0005\nmenu CALC\ndump\ntype EDIT1 0.0004\nmenu CALC\ndump\n");
  EXPECT_TRUE(run.message_boxes().empty());
  EXPECT_EQ(run.dump(0).at("TEXT47"), "0.001");
  EXPECT_EQ(run.dump(0).at("TEXT51"), "0.000");
  EXPECT_EQ(run.dump(1).at("TEXT47"), "0.000") << "computed with 0.0004, shown rounded";
  EXPECT_EQ(run.dump(1).at("menu PRNT"), "enabled");
}

// A used value from a million up is the exact RC45 value: I 6.3E+06 · 1000
// lies halfway between two singles and rounds to the even one.
TEST(Calculate, UsedValuesFromAMillionUpAreRoundedExactly) {
  TempDir dir;
  const auto run = drive(dir, "drasin", "type EDIT2 6300000\nmenu CALC\ndump\n");
  EXPECT_TRUE(run.message_boxes().empty());
  EXPECT_EQ(run.dump().at("TEXT48"), "6300000.500");
}

// With the input method on, 1.5 is typed as １．５: the field shows it and
// the calculation uses it.
TEST(Calculate, NumbersTypedInFullWidthAreUsedAsTheFieldShowsThem) {
  TempDir dir;
  const auto run = drive(dir, "velmora", "type EDIT8 １．５\ntype EDIT5 ０．２\nmenu CALC\ndump\n");
  EXPECT_TRUE(run.message_boxes().empty());
  expect_labels(run.dump(), {{"EDIT8", "１．５"}, {"TEXT76", "1.500"}, {"TEXT51", "0.200"}, {"menu PRNT", "enabled"}},
                "velmora 1:m and Fb+ in full width");
}

TEST(Calculate, ARefusedCalculationChangesNothingButTheFocus) {
  TempDir dir;
  const auto run = drive(dir, "velmora", "menu CALC\ndump\ntype EDIT3 0\nmenu CALC\ndump\n");
  const Labels after = without(run.dump(1), {"EDIT3"});
  EXPECT_EQ(run.message_boxes().size(), 1u);
  EXPECT_EQ(without(run.dump(0), {"EDIT3"}), after);
  EXPECT_EQ(after.at("TEXT23"), "0.183");
  EXPECT_EQ(after.at("menu PRNT"), "enabled");
}

TEST(Calculate, ACalculationThatCannotFinishSaysSoAndKeepsTheLastResults) {
  TempDir dir;
  // A depth of kilometres: beyond what a single can step by 0.0001.
  const auto run =
      drive(dir, "drasin", "menu CALC\ndump\ntype EDIT1 1000\ntype EDIT2 1000000\ntype EDIT3 0.001\nmenu CALC\ndump\n");
  ASSERT_EQ(run.message_boxes().size(), 1u);
  EXPECT_EQ(run.message_boxes()[0].rfind("計算エラー: 常流計算（Q）", 0), 0u) << run.message_boxes()[0];
  const auto typed = {"EDIT1", "EDIT2", "EDIT3"};
  EXPECT_EQ(without(run.dump(0), typed), without(run.dump(1), typed)) << "labels and 印刷 as they were";
}

TEST(Calculate, OnlyKeyMovesAndTheInputCommandClearTheResults) {
  TempDir dir;
  const auto run = drive(dir, "velmora",
                         "menu CALC\nkey Tab\nclick EDIT6\ntype EDIT6 0.5\ndump\n"
                         "key Enter\ndump\nmenu CALC\nmenu INPDATA\ndump\n");
  EXPECT_EQ(run.dump(0).at("TEXT23"), "0.183") << "Tab, a click and typing keep the results";
  EXPECT_EQ(run.dump(0).at("menu PRNT"), "enabled");
  for (int n : {1, 2}) {
    const auto d = run.dump(n);
    EXPECT_EQ(d.at("TEXT23"), "0.000");
    EXPECT_EQ(d.at("TEXT47"), "0.000");
    EXPECT_EQ(d.at("TEXT41"), "");
    EXPECT_EQ(d.at("menu PRNT"), "grey");
  }
  EXPECT_EQ(run.dump(1).at("focus"), "EDIT7") << "Enter in Fb* moves to the title";
  EXPECT_EQ(run.dump(2).at("focus"), "EDIT1");
}

}  // namespace
