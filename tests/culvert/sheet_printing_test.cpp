// palwick's and soberin's sheets printed by the real programs through the
// test driver to PDF and read back with poppler's pdftotext and pdfinfo: the
// lines of each page, the document names, the options read at every print,
// a cancelled dialog, a failed job, and a print item that is grey while its
// solution is not on display. And the window sketch, drawn once into the
// picture box and kept.
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
using testing_support::pdf_fonts;
using testing_support::pdf_info;
using testing_support::pdf_text;
using testing_support::TempDir;

void expect_parts(const std::string& text, std::initializer_list<const char*> parts, const std::string& context) {
  for (const char* part : parts) EXPECT_TRUE(contains(text, part)) << context << ": " << part << "\n" << text;
}

void expect_one_page_named(const std::string& pdf, const std::string& document) {
  const std::string info = pdf_info(pdf);
  EXPECT_TRUE(contains(info, document)) << info;
  EXPECT_TRUE(contains(info, "Pages:           1")) << info;
}

class CulvertSheetPrinting : public testing::Test {
 protected:
  void SetUp() override {
    if (!testing_support::poppler_installed()) GTEST_SKIP() << "poppler-utils not installed";
  }
  TempDir dir;
};

TEST_F(CulvertSheetPrinting, PalwickPrintsBothSheetsToPdf) {
  const auto result = drive(dir, "palwick",
                            "menu CALC\nprint-to uniform.pdf\nmenu JYORYU\nprint-to critical.pdf\nmenu GENKAIRYU\n");
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_TRUE(result.message_boxes().empty());
  ASSERT_TRUE(dir.exists("uniform.pdf"));
  ASSERT_TRUE(dir.exists("critical.pdf"));

  const std::string uniform = pdf_text(dir.file("uniform.pdf"));
  expect_parts(uniform,
               {"管渠水路水理計算書 － 常流", "（マニング平均流速公式による）",
                "（１）計算条件 ［計画流量］ Q = 0.300 m", "［水路勾配］ I = 1/ 200.000", "［管 径］ D = 0.600 m",
                "（２）計算結果 ［水深］ H = 0.425 m", "［フルード数］ Fr = 0.686 < 1 (常 流)",
                "［余裕部分の流積に対する割合］ 32.004 %", "（３）断面形状", "D=0.600", "H=0.425", "Fb=0.175",
                "（４）計算", "θ = 4.00185 rad", "= 0.600／2×(1-cos( 4.00185／2)) = 0.425 m",
                "Fb = D－H = 0.600－ 0.425 = 0.175 m"},
               "常流");
  EXPECT_FALSE(contains(uniform, "右側道路側溝")) << "ヘッダ印刷 is off";
  expect_one_page_named(dir.file("uniform.pdf"), "管渠断面");

  const std::string critical = pdf_text(dir.file("critical.pdf"));
  expect_parts(critical,
               {"管渠水路水理計算書 － 限界流", "［限界水深］ Hc = 0.357 m", "［限界勾配］ Ic = 1/ 121.961",
                "［余裕部分の流積に対する割合］ 61.074 %", "Hc=0.357", "Fbc=0.243", "θ = 3.52589 rad",
                "g = 9.8 m/s", "= 1/ 121.961"},
               "限界流");
  EXPECT_FALSE(contains(critical, "水路勾配")) << "the critical sheet has no slope row";
  expect_one_page_named(dir.file("critical.pdf"), "管渠断面");
}

TEST_F(CulvertSheetPrinting, SoberinPrintsItsSheetToPdfWithTheOptionsOfTheMoment) {
  const auto result = drive(dir, "soberin",
                            "menu CALC\nprint-to plain.pdf\nmenu PRNT\n"
                            "check CHECK1 1\ncheck CHECK2 0\ncheck CHECK3 1\nprint-to ticked.pdf\nmenu PRNT\n");
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_TRUE(result.message_boxes().empty());
  const std::string plain = pdf_text(dir.file("plain.pdf"));
  expect_parts(plain,
               {"管渠断面流下能力水理計算書 － 常流", "［水路勾配］ I = 1/ 200.000", "［粗度係数］ n = 0.013",
                "［最大流量］ Qmax = 0.467 m", "［水深］ H = 0.562 m", "Fr = 0.722 < 1 (常 流)",
                "［水深の管径に対する割合］ 93.740 %", "H=0.562", "Fb=0.038",
                "流量が最大となるθを試算により求め、各数値を計算する。", "θ = 5.272 rad"},
               "soberin");
  EXPECT_FALSE(contains(plain, "計画流量")) << "Q is not printed";
  EXPECT_TRUE(contains(pdf_fonts(dir.file("plain.pdf")), "IPAGothic"));
  expect_one_page_named(dir.file("plain.pdf"), "管渠断面最大流量");

  const std::string ticked = pdf_text(dir.file("ticked.pdf"));
  EXPECT_TRUE(contains(ticked, "SP0.00 管渠流下能力")) << ticked;
  EXPECT_FALSE(contains(ticked, "流下能力水理計算書")) << "タイトル印刷 is off";
  EXPECT_TRUE(contains(ticked, "［最大流量］ Qmax = 0.467 m")) << ticked;
  const std::string fonts = pdf_fonts(dir.file("ticked.pdf"));
  EXPECT_TRUE(contains(fonts, "IPAMincho")) << fonts;
  EXPECT_FALSE(contains(fonts, "IPAGothic")) << fonts;
}

TEST_F(CulvertSheetPrinting, CancelPrintsNothingAndSaysNothing) {
  struct Case {
    const char* program;
    const char* item;
  };
  for (const Case c : {Case{"palwick", "JYORYU"}, Case{"palwick", "GENKAIRYU"}, Case{"soberin", "PRNT"}}) {
    TempDir own;
    const auto result = drive(own, c.program, std::string("menu CALC\ncancel-print\nmenu ") + c.item + "\ndump\n");
    EXPECT_EQ(result.exit_code, 0) << c.program << " " << c.item;
    EXPECT_TRUE(result.message_boxes().empty()) << c.program << " " << c.item;
    EXPECT_EQ(result.dump().at("menu PRNT"), "enabled") << c.program << " " << c.item;
    for (const auto& entry : std::filesystem::directory_iterator(own.path()))
      EXPECT_NE(entry.path().extension(), ".pdf") << c.program << " " << c.item;
  }
}

TEST_F(CulvertSheetPrinting, AFailedPrintSaysSoAndTheProgramKeepsItsResults) {
  const auto result = drive(dir, "palwick", "menu CALC\nprint-to missing-folder/out.pdf\nmenu GENKAIRYU\ndump\n");
  EXPECT_EQ(result.exit_code, 0);
  ASSERT_EQ(result.message_boxes().size(), 1u);
  EXPECT_EQ(result.message_boxes()[0],
            "印刷: 印刷できませんでした。\\nファイル「missing-folder/out.pdf」に印刷できません。");
  EXPECT_EQ(result.dump().at("TEXT30"), "0.357");
  EXPECT_EQ(result.dump().at("menu GENKAIRYU"), "enabled");
}

// A sheet always shows results that are on display: the item of a failed
// solution is grey, and every field move greys 印刷.
TEST_F(CulvertSheetPrinting, OnlySheetsOfTheResultsOnDisplayPrint) {
  const auto result = drive(dir, "palwick",
                            "type EDIT2 1000\nmenu CALC\nmenu JYORYU\n"
                            "print-to critical.pdf\nmenu GENKAIRYU\nkey Enter\nmenu GENKAIRYU\n");
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_TRUE(result.printed("menu JYORYU is grey"));
  ASSERT_TRUE(dir.exists("critical.pdf"));
  EXPECT_TRUE(contains(pdf_text(dir.file("critical.pdf")), "管渠水路水理計算書 － 限界流"));
  EXPECT_TRUE(result.printed("menu GENKAIRYU is grey")) << "after a field move";

  TempDir own;
  const auto soberin = drive(own, "soberin", "menu PRNT\nmenu CALC\nkey Down\nmenu PRNT\n");
  EXPECT_EQ(soberin.exit_code, 0);
  int grey = 0;
  for (const std::string& line : soberin.lines) grey += line == "menu PRNT is grey";
  EXPECT_EQ(grey, 2) << "before the first calculation and after a field move";
}

TEST_F(CulvertSheetPrinting, WindowSketchIsDrawnOnceAndKept) {
  struct Case {
    const char* program;
    const char* calculation;
    double water_y;  // the water surface, in box units
  };
  const Case cases[] = {{"palwick", "type EDIT1 1.0\ntype EDIT3 0.3\nmenu CALC\n", 250},
                        {"soberin", "type EDIT3 2.5\nmenu CALC\n", 200}};
  for (const Case& c : cases) {
    TempDir own;
    const auto result = drive(own, c.program,
                              std::string("save-picture PICTURE1 start.png\n") + c.calculation +
                                  "save-picture PICTURE1 after.png\n");
    EXPECT_EQ(result.exit_code, 0) << c.program;
    QImage start(QString::fromStdString(own.file("start.png")));
    QImage after(QString::fromStdString(own.file("after.png")));
    ASSERT_FALSE(start.isNull()) << c.program;
    EXPECT_TRUE(dark_at(start, 375 - 150, 300)) << c.program << ": the wall on the left";
    EXPECT_TRUE(dark_at(start, 375, 450)) << c.program << ": the wall at the bottom";
    EXPECT_TRUE(dark_at(start, 375 - 100, c.water_y)) << c.program << ": the water surface";
    EXPECT_TRUE(dark_at(start, 100, 300)) << c.program << ": the dimension line of D";
    EXPECT_FALSE(dark_at(start, 20, 20)) << c.program << ": white corner";
    EXPECT_FALSE(dark_at(start, 375, c.water_y - 40)) << c.program << ": white above the water";
    EXPECT_TRUE(start == after) << c.program << ": inputs and results change nothing";
  }
}

}  // namespace
