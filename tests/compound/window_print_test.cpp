// 印刷 in quorvel and mestra through the test driver: after 計算 the whole
// three-page sheet goes to a PDF under the program's document name, each
// page with its own sections; a cancelled dialog prints and says nothing;
// typing into a field after 計算 does not reach the sheet. And the window
// sketch, drawn once into the picture box and kept.
#include <gtest/gtest.h>

#include <QImage>
#include <string>

#include "drive_run.hpp"
#include "pdf_reader.hpp"
#include "picture_pixels.hpp"

namespace {

using testing_support::contains;
using testing_support::dark_at;
using testing_support::drive;
using testing_support::pdf_info;
using testing_support::pdf_page_text;
using testing_support::TempDir;

class CompoundPrinting : public testing::Test {
 protected:
  void SetUp() override {
    if (!testing_support::poppler_installed()) GTEST_SKIP() << "poppler-utils not installed";
  }
};

TEST_F(CompoundPrinting, CalculateThenPrintGivesTheThreePageSheet) {
  struct Case {
    const char* program;
    const char* document;
    std::vector<std::string> page1, page2, page3;
  };
  const Case cases[] = {
      {"quorvel",
       "台形水路複断面",
       {"台形水路Morvath書 － 常流", "（１）計算条件 ［計画流量］ Q = 3.450 m3/s", "［法勾配］ 1:m = 1: 0.300",
        "（２）断面形状 B=0.800", "1:m= 1:0.300", "①②③は流量計算区分であり", "（３）計算結果 ［水深］ h1 = 0.800 m",
        "全体 N = 0.023"},
       {"［流速］ V1 = 2.695 m/s", "( ≧ Q = 3.450 m3/s … OK )", "Fr = 0.995 ＜ 1 常流", "（４）計算 ａ）計算式",
        "L5 = h1 × m m", "”W1,W2,W3”は各計算区分の水面幅"},
       {"ｂ）各断面の計算 ［断面①の計算］", "ｃ）断面全体の計算",
        "Fb = 0.070×H＋hv＋ 0.100 = 0.070× 1.069＋ 0.257＋ 0.100 = 0.432 m"}},
      {"mestra",
       "矩形水路複断面",
       {"矩形水路Morvath書 － 常流", "［法勾配］ m1 = 5.000 %", "h2 = 0.461 m", "全体 N = 0.024"},
       {"Fr = 0.770 ＜ 1 常流", "L1 = h1 m", "L5 = h2 × m2 m"},
       {"SH = A／WA = 1.817／ 2.922 = 0.622 m", "= 0.375 m"}},
  };
  for (const Case& c : cases) {
    TempDir dir;
    const auto result = drive(dir, c.program, "menu PRNT\nmenu CALC\nprint-to sheet.pdf\nmenu PRNT\ndump\n");
    EXPECT_EQ(result.exit_code, 0) << c.program;
    EXPECT_TRUE(result.printed("menu PRNT is grey")) << c.program << ": 印刷 waits for 計算";
    EXPECT_TRUE(result.message_boxes().empty()) << c.program;
    EXPECT_EQ(result.dump().at("menu PRNT"), "enabled") << c.program;
    ASSERT_TRUE(dir.exists("sheet.pdf")) << c.program;
    const std::string pdf = dir.file("sheet.pdf");
    const std::string info = pdf_info(pdf);
    EXPECT_TRUE(contains(info, c.document)) << info;
    EXPECT_TRUE(contains(info, "Pages:           3")) << info;
    const std::string pages[] = {pdf_page_text(pdf, 1), pdf_page_text(pdf, 2), pdf_page_text(pdf, 3)};
    const std::vector<std::string>* parts[] = {&c.page1, &c.page2, &c.page3};
    for (int k = 0; k < 3; ++k) {
      for (const std::string& part : *parts[k])
        EXPECT_TRUE(contains(pages[k], part)) << c.program << " page " << k + 1 << ": " << part << "\n" << pages[k];
    }
    EXPECT_FALSE(contains(pages[1], "Morvath書")) << "the heading is on page 1 only";
    EXPECT_FALSE(contains(pages[2], "（マニング平均流速公式による）"));
  }
}

TEST_F(CompoundPrinting, CancelPrintsNothingAndSaysNothing) {
  TempDir dir;
  const auto result = drive(dir, "mestra", "menu CALC\ncancel-print\nmenu PRNT\ndump\n");
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_TRUE(result.message_boxes().empty());
  EXPECT_FALSE(dir.exists("sheet.pdf"));
  EXPECT_EQ(result.dump().at("TEXT45"), "1.291");
  EXPECT_EQ(result.dump().at("menu PRNT"), "enabled");
}

// Typing changes an input but leaves the results and 印刷 as they were; the
// sheet prints the inputs its results came from. The title and the options
// are taken as they are when 印刷 is chosen.
TEST_F(CompoundPrinting, TheSheetPrintsTheInputsOfTheLastCalculation) {
  TempDir dir;
  const auto result = drive(dir, "quorvel",
                            "type EDIT4 0.8004\nmenu CALC\n"
                            "type EDIT1 5\ntype EDIT3 1.2\ntype EDIT16 右岸ブロック\ncheck CHECK1 1\n"
                            "dump\nprint-to sheet.pdf\nmenu PRNT\n");
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.dump().at("menu PRNT"), "enabled") << "typing alone leaves 印刷 enabled";
  EXPECT_EQ(result.dump().at("EDIT1"), "5");
  const std::string page1 = pdf_page_text(dir.file("sheet.pdf"), 1);
  EXPECT_TRUE(contains(page1, "右岸ブロック")) << page1;
  EXPECT_TRUE(contains(page1, "Q = 3.450 m3/s")) << page1;
  EXPECT_TRUE(contains(page1, "［水路壁高］ h1 = 0.800 m")) << "the wall height as the solver rounded it\n" << page1;
  EXPECT_TRUE(contains(page1, "［水路敷幅］ B = 0.800 m")) << page1;
  EXPECT_FALSE(contains(page1, "5.000 m3/s")) << page1;
  EXPECT_TRUE(contains(pdf_page_text(dir.file("sheet.pdf"), 2), "( ≧ Q = 3.450 m3/s … OK )"));
}

TEST(CompoundWindowSketchPicture, DrawnOnceAtStartAndKept) {
  struct Case {
    const char* program;
    double left_wall_x;  // half way down the left wall, origin (220, 250)
  };
  for (const Case& c : {Case{"quorvel", 220 + 95.6}, Case{"mestra", 220 + 70}}) {
    TempDir dir;
    const auto result = drive(dir, c.program,
                              "save-picture PICTURE1 start.png\n"
                              "type EDIT3 2.5\nmenu CALC\nsave-picture PICTURE1 after.png\n");
    EXPECT_EQ(result.exit_code, 0) << c.program;
    const QImage start(QString::fromStdString(dir.file("start.png")));
    const QImage after(QString::fromStdString(dir.file("after.png")));
    ASSERT_FALSE(start.isNull()) << c.program;
    EXPECT_TRUE(dark_at(start, c.left_wall_x, 250 + 200)) << c.program << ": left wall";
    EXPECT_TRUE(dark_at(start, 220 + 225, 250 + 300)) << c.program << ": bed";
    EXPECT_TRUE(dark_at(start, 220 + 640, 250 + 200)) << c.program << ": dimension line of h1";
    EXPECT_TRUE(dark_at(start, 220 + 0, 250 + 30)) << c.program << ": water line";
    EXPECT_FALSE(dark_at(start, 20, 20)) << c.program << ": white corner";
    EXPECT_FALSE(dark_at(start, 220 + 225, 250 + 200)) << c.program << ": white inside the main channel";
    EXPECT_TRUE(start == after) << c.program << ": inputs and results change nothing";
  }
}

}  // namespace
