// Start-up of the real programs: the window filled from the saved inputs,
// the single-copy guard, and what 終了 and the close box do with the file.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>

#include "drive_run.hpp"
#include "runtime/services.hpp"
#include "saved_record.hpp"

namespace {

using testing_support::drive;
using testing_support::saved_record;
using testing_support::TempDir;

const std::string kDefaultTitle = "SP0.00～SP1000.00 右側道路側溝";

TEST(StartUp, FirstStartShowsTheDefaultsOfEachProgram) {
  struct Expected {
    const char* program;
    const char* caption;
    std::map<std::string, std::string> edits;
  };
  const Expected programs[] = {
      {"velmora", "Kelbrin(台形断面)",
       {{"EDIT1", "0.060"}, {"EDIT2", "200.000"}, {"EDIT3", "0.300"}, {"EDIT4", "0.016"},
        {"EDIT8", "0.300"}, {"EDIT5", "0.100"}, {"EDIT6", "0.070"}, {"EDIT7", kDefaultTitle}}},
      {"drasin", "Kelbrin(矩形断面)",
       {{"EDIT1", "0.060"}, {"EDIT2", "200.000"}, {"EDIT3", "0.300"}, {"EDIT4", "0.016"},
        {"EDIT5", "0.100"}, {"EDIT6", "0.070"}, {"EDIT7", kDefaultTitle}}},
  };
  for (const Expected& e : programs) {
    TempDir dir;
    const auto run = drive(dir, e.program, "dump\n");
    EXPECT_EQ(run.exit_code, 0);
    const auto d = run.dump();
    EXPECT_EQ(d.at("MAINFORM"), e.caption);
    for (const auto& [edit, text] : e.edits) EXPECT_EQ(d.at(edit), text) << e.program << " " << edit;
    EXPECT_EQ(d.at("menu PRNT"), "grey");
    EXPECT_EQ(d.at("focus"), "EDIT1");
    EXPECT_EQ(d.at("TEXT23"), "0.000");
    EXPECT_EQ(d.at("TEXT41"), "");
    EXPECT_EQ(d.at("CHECK2"), "1");
    EXPECT_TRUE(run.message_boxes().empty());
    EXPECT_TRUE(dir.exists(std::string(e.program) == "velmora" ? "LOM_V.DTA" : "LOM_U.DTA"));
  }
}

TEST(StartUp, LoadedValuesAreCutToThreeDecimalsAndStoredAsShown) {
  TempDir dir;
  // Q 0.0625 comes back as 0.062; an n whose number text needs an exponent
  // shows in fixed notation; a negative Fb+ keeps its sign.
  dir.write("LOM_V.DTA", saved_record({" .0625", " 200", " .3", " 1.23456E-02", " .3", "-.1", " .07"}, "題"));
  const auto run = drive(dir, "velmora", "dump\nend\n");
  const auto d = run.dump();
  EXPECT_EQ(d.at("EDIT1"), "0.062");
  EXPECT_EQ(d.at("EDIT4"), "0.012");
  EXPECT_EQ(d.at("EDIT5"), "-0.100");
  EXPECT_EQ(d.at("EDIT7"), "題");
  // The change events stored VAL of the shown texts, which 終了 saves.
  EXPECT_EQ(dir.read("LOM_V.DTA"), saved_record({" .062", " 200", " .3", " .012", " .3", "-.1", " .07"}, "題"));
}

TEST(StartUp, ASecondCopyShowsTheDuplicateBoxAndTouchesNoFile) {
  TempDir dir;
  ::setenv("XDG_RUNTIME_DIR", dir.path().c_str(), 1);
  ASSERT_FALSE(rt::another_copy_running("velmora"));  // this test holds the lock now
  const auto run = drive(dir, "velmora", "dump\n");
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_TRUE(run.printed("ended 0")) << "the second copy ends before the script can act";
  ASSERT_EQ(run.message_boxes().size(), 1u);
  EXPECT_EQ(run.message_boxes()[0],
            "プログラムの重複起動: すでに「Kelbrin(台形断面)」が起動されています。\\n"
            "重複起動できないため、このプロセスは終了します。");
  EXPECT_FALSE(dir.exists("LOM_V.DTA"));
  // drasin holds a lock of its own.
  const auto other = drive(dir, "drasin", "end\n");
  EXPECT_TRUE(other.message_boxes().empty());
}

TEST(StartUp, EndSavesAndTheCloseBoxDoesNot) {
  TempDir dir;
  drive(dir, "drasin", "type EDIT1 12.345678\ntype EDIT7 区間A,右岸\nend\n");
  const std::string saved = saved_record({" 12.3457", " 200", " .3", " .016", " .1", " .07"}, "\"区間A,右岸\"");
  EXPECT_EQ(dir.read("LOM_U.DTA"), saved);

  const auto reopened = drive(dir, "drasin", "dump\ntype EDIT1 5\nclose\n");
  EXPECT_EQ(reopened.dump().at("EDIT1"), "12.345");
  EXPECT_EQ(reopened.dump().at("EDIT7"), "区間A,右岸");
  EXPECT_EQ(dir.read("LOM_U.DTA"), saved) << "closing the window does not save";
}

TEST(StartUp, ANumberBeyondTheSingleRangeNeitherEndsTheProgramNorSpoilsTheRecord) {
  TempDir dir;
  const auto run = drive(dir, "velmora", "type EDIT2 1E39\ntype EDIT6 -9E99\ndump\nend\n");
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.dump().at("EDIT2"), "1E39");
  EXPECT_EQ(dir.read("LOM_V.DTA"),
            saved_record({" .06", " 3.40282E+38", " .3", " .016", " .3", " .1", "-3.40282E+38"}, kDefaultTitle));
  const auto next = drive(dir, "velmora", "dump\n");
  EXPECT_TRUE(next.message_boxes().empty());
}

TEST(StartUp, AFolderWhereTheInputsCannotBeSavedIsSaidOnceAndTheProgramRuns) {
  TempDir dir;
  std::filesystem::create_directory(dir.path() / "LOM_V.DTA");  // the file's place is taken
  const auto run = drive(dir, "velmora", "dump\ntype EDIT1 0.5\nend\n");
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.dump().at("EDIT1"), "0.060");
  ASSERT_EQ(run.message_boxes().size(), 2u);
  EXPECT_EQ(run.message_boxes()[0],
            "入力値の保存: このフォルダーには入力値ファイル「LOM_V.DTA」を作成できません。\\n"
            "既定値で起動します。入力値は保存されません。");
  EXPECT_EQ(run.message_boxes()[1], "入力値の保存: 入力値ファイル「LOM_V.DTA」に保存できませんでした。");
}

// A colleague's record in a team folder, saved with umask 077, that this
// user may not read: the window shows the defaults and says so, and the
// record stays as it was.
TEST(StartUp, ARecordThisUserMayNotReadIsSaidAndKept) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs a second user: run as root, the program runs as nobody";
  TempDir dir;
  const std::string theirs = saved_record({" 2.5", " 500", " 1", " .015", " 2", " .25", " 0"}, "同僚の題");
  dir.write("LOM_V.DTA", theirs);
  std::filesystem::permissions(dir.path() / "LOM_V.DTA",
                               std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  const auto run = drive(dir, "velmora", "dump\nclose\n", true);
  EXPECT_EQ(run.dump().at("EDIT1"), "0.060");
  EXPECT_EQ(run.message_boxes(),
            std::vector<std::string>{"入力値の保存: 入力値ファイル「LOM_V.DTA」を読み込めませんでした。\\n"
                                     "既定値で起動します。ファイルはそのまま残します。"});
  EXPECT_EQ(dir.read("LOM_V.DTA"), theirs);
}

}  // namespace
