// Start-up of quorvel and mestra through the driver: the window filled from
// the defaults or from the program's own saved-input file, the record 終了
// writes, the single-copy guard and the ﾍﾙﾌﾟ boxes.
#include <gtest/gtest.h>

#include <cstdlib>

#include "drive_run.hpp"
#include "runtime/services.hpp"
#include "saved_record.hpp"

namespace {

using testing_support::drive;
using testing_support::saved_record;
using testing_support::TempDir;

const std::string kDefaultTitle = "SP0.00～SP1000.00";

const std::vector<std::string> kQuorvelDefaults = {" 3.45", " 200", " .8", " .8", " .6", " .016", " .03", " .03",
                                                   " .03",  " .3",  " 5",  " 1",  " 1",  " .1",   " .07"};
const std::vector<std::string> kMestraDefaults = {" 3.45", " 200", " .8", " .8", " .6", " .016", " .03",
                                                  " .03",  " .03", " 5",  " 1",  " 1",  " .1",   " .07"};

struct Program {
  const char* name;
  const char* caption;
  const char* version;
  const char* file;
  const char* other_file;
};
const Program kPrograms[] = {
    {"quorvel", "Morvath(台形断面)", "Version 1.33.04", "LOM_FV.DTA", "LOM_FU.DTA"},
    {"mestra", "Morvath(矩形断面)", "Version 1.33.10", "LOM_FU.DTA", "LOM_FV.DTA"},
};

TEST(CompoundStartUp, FirstStartShowsTheDefaultsAndWritesThemOnEnd) {
  const std::map<std::string, std::string> common = {
      {"EDIT1", "3.450"},  {"EDIT2", "200.000"}, {"EDIT3", "0.800"},  {"EDIT4", "0.800"},
      {"EDIT5", "0.600"},  {"EDIT6", "0.016"},   {"EDIT7", "0.030"},  {"EDIT8", "0.030"},
      {"EDIT9", "0.030"},  {"EDIT11", "5.000"},  {"EDIT12", "1.000"}, {"EDIT13", "1.000"},
      {"EDIT14", "0.100"}, {"EDIT15", "0.070"},  {"EDIT16", kDefaultTitle}};
  for (const Program& p : kPrograms) {
    TempDir dir;
    const auto run = drive(dir, p.name, "dump\nend\n");
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_TRUE(run.message_boxes().empty());
    const auto d = run.dump();
    EXPECT_EQ(d.at("MAINFORM"), p.caption);
    for (const auto& [edit, text] : common) EXPECT_EQ(d.at(edit), text) << p.name << " " << edit;
    const bool quorvel = std::string(p.name) == "quorvel";
    EXPECT_EQ(d.count("EDIT10"), quorvel ? 1u : 0u) << p.name;
    if (quorvel) {
      EXPECT_EQ(d.at("EDIT10"), "0.300");
    }
    EXPECT_EQ(d.at("menu PRNT"), "grey");
    EXPECT_EQ(d.at("focus"), "EDIT1");
    EXPECT_EQ(d.at("TEXT16"), "0.000");
    EXPECT_EQ(d.at("TEXT60"), "");
    EXPECT_EQ(d.at("CHECK1") + d.at("CHECK2") + d.at("CHECK3"), "010");
    EXPECT_EQ(d.count("CHECK4"), 0u);
    EXPECT_EQ(dir.read(p.file), saved_record(quorvel ? kQuorvelDefaults : kMestraDefaults, kDefaultTitle)) << p.name;
    EXPECT_FALSE(dir.exists(p.other_file)) << p.name << " touches only its own file";
  }
}

TEST(CompoundStartUp, MestraLoadsItsFourteenNumbersIntoTheEditsAroundTheMissingSlope) {
  TempDir dir;
  const std::string quorvel_record = saved_record(kQuorvelDefaults, "台形");
  dir.write("LOM_FV.DTA", quorvel_record);
  dir.write("LOM_FU.DTA", saved_record({" 1.2345", " 500", " 1", " .9", " .5", " .013", " .02", " .025", " .035", " 2",
                                        " 1.5", " 2", " .2", " .05"},
                                       "区間B"));
  const auto run = drive(dir, "mestra", "dump\ntype EDIT12 3\nend\n");
  const auto d = run.dump();
  const std::map<std::string, std::string> expected = {
      {"EDIT1", "1.234"},  {"EDIT2", "500.000"}, {"EDIT3", "1.000"},  {"EDIT4", "0.900"},  {"EDIT5", "0.500"},
      {"EDIT6", "0.013"},  {"EDIT7", "0.020"},   {"EDIT8", "0.025"},  {"EDIT9", "0.035"},  {"EDIT11", "2.000"},
      {"EDIT12", "1.500"}, {"EDIT13", "2.000"},  {"EDIT14", "0.200"}, {"EDIT15", "0.050"}, {"EDIT16", "区間B"}};
  for (const auto& [edit, text] : expected) EXPECT_EQ(d.at(edit), text) << edit;
  // The change events stored VAL of the shown texts, which 終了 saves.
  EXPECT_EQ(dir.read("LOM_FU.DTA"), saved_record({" 1.234", " 500", " 1", " .9", " .5", " .013", " .02", " .025",
                                                  " .035", " 2", " 3", " 2", " .2", " .05"},
                                                 "区間B"));
  EXPECT_EQ(dir.read("LOM_FV.DTA"), quorvel_record);
}

TEST(CompoundStartUp, ASecondCopyIsRefusedWithItsOwnTitle) {
  for (const Program& p : kPrograms) {
    TempDir dir;
    ::setenv("XDG_RUNTIME_DIR", dir.path().c_str(), 1);
    ASSERT_FALSE(rt::another_copy_running(p.name));  // this test holds the lock now
    const auto run = drive(dir, p.name, "dump\n");
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_TRUE(run.printed("ended 0"));
    ASSERT_EQ(run.message_boxes().size(), 1u);
    EXPECT_EQ(run.message_boxes()[0], std::string("プログラムの重複起動: すでに「") + p.caption +
                                          "」が起動されています。\\n重複起動できないため、このプロセスは終了します。");
    EXPECT_FALSE(dir.exists(p.file));
  }
}

TEST(CompoundStartUp, TheAboutBoxShowsTheProgramsTitleAndVersion) {
  for (const Program& p : kPrograms) {
    TempDir dir;
    const auto run = drive(dir, p.name, "menu VER\nmenu VER\ndump\nclick BUTTON1\ndump\nmenu FAQ\ndump\n");
    const auto about = run.dump(0);
    EXPECT_EQ(about.at("FORM2"), "ﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(about.at("TEXT61"), p.caption);
    EXPECT_EQ(about.at("TEXT62"), p.version);
    EXPECT_NE(about.at("TEXT63"), "(notice)");
    EXPECT_EQ(run.dump(1).count("FORM2"), 0u);
    EXPECT_EQ(run.dump(2).at("FORM3"), "お問い合わせ");
    EXPECT_EQ(run.dump(2).at("TEXT64"), "このソフトについてのお問い合わせは、下記までお願いします");
  }
}

}  // namespace
