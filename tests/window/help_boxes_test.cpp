// The ﾍﾙﾌﾟ menu: about box, help file, contact box.
#include <gtest/gtest.h>

#include "drive_run.hpp"

namespace {

using testing_support::drive;
using testing_support::TempDir;

TEST(HelpBoxes, TheAboutBoxShowsEachProgramsVersionAndOpensOnce) {
  for (auto [program, version, title] :
       {std::tuple{"velmora", "Version 1.60.04", "Kelbrin(台形断面)"},
        std::tuple{"drasin", "Version 1.50.04", "Kelbrin(矩形断面)"}}) {
    TempDir dir;
    const auto run = drive(dir, program, "menu VER\nmenu VER\ndump\nclick BUTTON1\ndump\nmenu VER\ndump\n");
    const auto open = run.dump(0);
    EXPECT_EQ(open.at("FORM2"), "ﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(open.at("TEXT1"), title);
    EXPECT_EQ(open.at("TEXT2"), version);
    EXPECT_NE(open.at("TEXT3"), "(notice)");
    int boxes = 0;
    for (const auto& l : run.lines) boxes += l.rfind("FORM2=", 0) == 0;
    EXPECT_EQ(boxes, 2) << "one box in the first dump, none after OK, one again";
    EXPECT_EQ(run.dump(1).count("FORM2"), 0u);
    EXPECT_EQ(run.dump(2).at("TEXT2"), version);
  }
}

TEST(HelpBoxes, TheContactBoxOpensOnceAndClosesWithOk) {
  TempDir dir;
  const auto run = drive(dir, "velmora", "menu FAQ\nmenu FAQ\ndump\nclick BUTTON2\ndump\n");
  EXPECT_EQ(run.dump(0).at("FORM3"), "お問い合わせ");
  EXPECT_EQ(run.dump(0).at("TEXT65"), "このソフトについてのお問い合わせは、以下までお願いします");
  EXPECT_EQ(run.dump(1).count("FORM3"), 0u);
}

TEST(HelpBoxes, TheHelpFileOpensWhenPresentAndIsReportedWhenMissing) {
  TempDir dir;
  const auto missing = drive(dir, "velmora", "menu TOPIC\ndump\n");
  EXPECT_EQ(missing.exit_code, 0);
  ASSERT_EQ(missing.message_boxes().size(), 1u);
  EXPECT_EQ(missing.message_boxes()[0],
            "ﾄﾋﾟｯｸの検索: ヘルプファイル「lom.hlp」を開けませんでした。\\n"
            "プログラムと同じフォルダーにあるか確認してください。");
  EXPECT_EQ(missing.dump().at("MAINFORM"), "Kelbrin(台形断面)") << "the program keeps running";

  dir.write("lom.hlp", "<html><body>help</body></html>");
  const auto present = drive(dir, "velmora", "menu TOPIC\n");
  EXPECT_TRUE(present.printed("open lom.hlp"));
  EXPECT_TRUE(present.message_boxes().empty());
}

}  // namespace
