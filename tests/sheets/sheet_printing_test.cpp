// Sheets printed by the real programs through the test driver: the PDF of
// 常流 › 余裕高あり holds the page's lines in the Gothic or the Mincho stand-in
// and the document name as its title, and so do the critical-flow sheets of
// both programs; every print item of both prints its own sheet; the options
// are read at every print; a cancelled dialog prints and says nothing; a
// print job that fails says so and the program keeps its results. And the
// window sketch, drawn once into the picture box and kept.
#include <gtest/gtest.h>

#include <QImage>
#include <string>
#include <vector>

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

class SheetPrinting : public testing::Test {
 protected:
  void SetUp() override {
    if (!testing_support::poppler_installed()) GTEST_SKIP() << "poppler-utils not installed";
  }
  TempDir dir;
};

TEST_F(SheetPrinting, VelmoraPrintsItsSheetWithFreeboardToPdf) {
  const auto result = drive(dir, "velmora", "menu CALC\nprint-to out.pdf\nmenu J_YOYU_ARI\n");
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_TRUE(result.message_boxes().empty());
  ASSERT_TRUE(dir.exists("out.pdf"));
  const std::string text = pdf_text(dir.file("out.pdf"));
  const char* const parts[] = {
      "台形水路水理計算書 － 常流",
      "（マニング平均流速公式による）",
      "（１）計算条件 ［計画流量］ Q = 0.060 m",
      "［水路勾配］ I = 1/ 200.000",
      "［水路側法勾配］ 1:m = 1: 0.300",
      "（２）計算結果 ［水深］ H = 0.183 m",
      "［余裕高］ Fb = 0.156 m",
      "［フルード数］ Fr = 0.739 < 1 (常 流)",
      "（３）断面形状",
      "W=0.410",
      "（４）計算",
      "P = 0.191×2＋ 0.300 = 0.682 m",
      "= 0.070× 0.183＋ 0.043＋ 0.100 = 0.156 m",
  };
  for (const char* part : parts) EXPECT_TRUE(contains(text, part)) << part << "\n" << text;
  EXPECT_FALSE(contains(text, "1.2Q")) << "1.2Q水深の印刷 is off";
  EXPECT_FALSE(contains(text, "右側道路側溝")) << "ヘッダ印刷 is off";
  EXPECT_TRUE(contains(pdf_fonts(dir.file("out.pdf")), "IPAGothic"));
  const std::string info = pdf_info(dir.file("out.pdf"));
  EXPECT_TRUE(contains(info, "台形断面")) << info;
  EXPECT_TRUE(contains(info, "Pages:           1")) << info;
  EXPECT_TRUE(contains(info, "(A4)")) << info;
}

TEST_F(SheetPrinting, OptionsAreReadAtEveryPrintCommand) {
  const auto result = drive(dir, "velmora",
                            "menu CALC\n"
                            "print-to plain.pdf\nmenu J_YOYU_NASHI\n"
                            "check CHECK1 1\ncheck CHECK3 1\ncheck CHECK4 1\n"
                            "print-to ticked.pdf\nmenu J_YOYU_NASHI\n");
  EXPECT_EQ(result.exit_code, 0);
  const std::string plain = pdf_text(dir.file("plain.pdf"));
  const std::string ticked = pdf_text(dir.file("ticked.pdf"));
  EXPECT_FALSE(contains(plain, "( 1.2Q ="));
  EXPECT_TRUE(contains(ticked, "( 1.2Q = 0.072 m")) << ticked;
  EXPECT_TRUE(contains(ticked, "H' = 0.206 m )")) << ticked;
  // (The PDF's text layer gives the title's full-width tilde back as a wave
  // dash, the same glyph; the check leaves it out.)
  EXPECT_TRUE(contains(ticked, "SP1000.00 右側道路側溝")) << ticked;
  EXPECT_TRUE(contains(pdf_fonts(dir.file("plain.pdf")), "IPAGothic"));
  const std::string mincho = pdf_fonts(dir.file("ticked.pdf"));
  EXPECT_TRUE(contains(mincho, "IPAMincho")) << mincho;
  EXPECT_FALSE(contains(mincho, "IPAGothic")) << mincho;
}

TEST_F(SheetPrinting, CancelPrintsNothingAndSaysNothing) {
  const auto result = drive(dir, "velmora", "menu CALC\ncancel-print\nmenu J_YOYU_ARI\ndump\n");
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_TRUE(result.message_boxes().empty());
  EXPECT_FALSE(dir.exists("out.pdf"));
  EXPECT_EQ(result.dump().at("TEXT23"), "0.183");
  EXPECT_EQ(result.dump().at("menu PRNT"), "enabled");
}

TEST_F(SheetPrinting, AFailedPrintSaysSoAndTheProgramKeepsItsResults) {
  const auto result = drive(dir, "velmora",
                            "menu CALC\nprint-to missing-folder/out.pdf\nmenu J_YOYU_ARI\ndump\n"
                            "print-to out.pdf\nmenu J_YOYU_ARI\n");
  EXPECT_EQ(result.exit_code, 0);
  ASSERT_EQ(result.message_boxes().size(), 1u);
  EXPECT_EQ(result.message_boxes()[0],
            "印刷: 印刷できませんでした。\\nファイル「missing-folder/out.pdf」に印刷できません。");
  const auto d = result.dump();
  EXPECT_EQ(d.at("TEXT23"), "0.183");
  EXPECT_EQ(d.at("TEXT41"), "<1 常　流");
  EXPECT_EQ(d.at("EDIT1"), "0.060");
  EXPECT_EQ(d.at("menu PRNT"), "enabled");
  EXPECT_TRUE(dir.exists("out.pdf")) << "the next print works";
}

TEST_F(SheetPrinting, CriticalSheetWithFreeboardToPdf) {
  struct Case {
    const char* program;
    const char* document;
    std::vector<std::string> parts;
    std::vector<std::string> absent;  // no bed slope, no Froude number, what the other program prints
  };
  const Case cases[] = {
      {"velmora",
       "台形断面",
       {"台形水路水理計算書 － 限界流",
        "（１）計算条件 ［計画流量］ Q = 0.060 m",
        "［水路側法勾配］ 1:m = 1: 0.300",
        "（２）計算結果 ［限界水深］ Hc = 0.152 m",
        "［余裕高］ Fbc = 0.058 m ［限界勾配］ Ic = 1/ 111.110",
        "（３）断面形状 Hc+Fbc=0.210 B=0.300 Hc=0.152 Fbc=0.058 Lc=0.158 1:0.300 Wc=0.391 （４）計算",
        "以下の数値を用い、限界条件(Fr=1)を満足するようなHcを求める。",
        "g = 9.8 m/s2 , m = 0.300",
        "Fbc = C × Vc × Hc1/2 = 0.13× 1.146 × 0.1521/2 = 0.058 m",
        "= ( 1.146× 0.016／ 0.0852/3)2 = 1/ 111.110"},
       {"水路勾配", "フルード数］", "0.739"}},
      {"drasin",
       "矩形断面",
       {"矩形水路水理計算書 － 限界流",
        "（１）計算条件 ［計画流量］ Q = 0.060 m",
        "（２）計算結果 ［限界水深］ Hc = 0.160 m",
        "［余裕高］ Fbc = 0.050 m ［限界勾配］ Ic = 1/ 82.372",
        "（３）断面形状 Hc+Fbc=0.210 B=0.300 Hc=0.160 Fbc=0.050 Wc=0.300 （４）計算",
        "= ( 0.0602／(9.8× 0.3002))1/3 = 0.160 m",
        "Vc = Q／A = 0.060／ 0.048 = 1.251 m/s",
        "Fbc = C × Vc × Hc1/2 = 0.10× 1.251× 0.1601/2 = 0.050 m",
        "= ( 1.251× 0.016／ 0.0772/3)2 = 1/ 82.372"},
       {"水路勾配", "フルード数", "0.597", "水路側法勾配", "Lc="}},
  };
  for (const Case& c : cases) {
    TempDir own;
    const auto result = drive(own, c.program, "menu CALC\nprint-to critical.pdf\nmenu G_YOYU_ARI\n");
    EXPECT_EQ(result.exit_code, 0) << c.program;
    EXPECT_TRUE(result.message_boxes().empty()) << c.program;
    ASSERT_TRUE(own.exists("critical.pdf")) << c.program;
    const std::string text = pdf_text(own.file("critical.pdf"));
    for (const std::string& part : c.parts)
      EXPECT_TRUE(contains(text, part)) << c.program << ": " << part << "\n" << text;
    for (const std::string& part : c.absent) EXPECT_FALSE(contains(text, part)) << c.program << ": " << part;
    const std::string info = pdf_info(own.file("critical.pdf"));
    EXPECT_TRUE(contains(info, c.document)) << info;
    EXPECT_TRUE(contains(info, "Pages:           1")) << info;
  }
}

TEST_F(SheetPrinting, EveryPrintItemOfBothProgramsPrintsItsSheet) {
  struct Sheet {
    const char* item;
    const char* heading;
    const char* part;
    bool freeboard;  // the sheet prints a freeboard
  };
  struct Case {
    const char* program;
    const char* document;
    std::vector<Sheet> sheets;
  };
  const Case cases[] = {
      {"velmora",
       "台形断面",
       {{"J_YOYU_ARI", "台形水路水理計算書 － 常流", "［余裕高］ Fb = 0.156 m", true},
        {"J_YOYU_NASHI", "台形水路水理計算書 － 常流", "［フルード数］ Fr = 0.739 < 1 (常 流)", false},
        {"J_YOYU_SYA", "台形水路水理計算書 － 常流", "［射流計算余裕高］ Fbc = 0.051 m", true},
        {"G_YOYU_ARI", "台形水路水理計算書 － 限界流", "［余裕高］ Fbc = 0.058 m", true},
        {"G_YOYU_NASHI", "台形水路水理計算書 － 限界流", "［限界勾配］ Ic = 1/ 111.110", false}}},
      {"drasin",
       "矩形断面",
       {{"J_YOYU_ARI", "矩形水路水理計算書 － 常流", "［余裕高］ Fb = 0.156 m", true},
        {"J_YOYU_NASHI", "矩形水路水理計算書 － 常流", "Fr = V／(g×H)1/2 = 0.888／(9.8× 0.225)1/2 = 0.597", false},
        {"J_YOYU_SYA", "矩形水路水理計算書 － 常流(射流計算余裕高)", "［射流計算余裕高］ Fb = 0.042 m", true},
        {"G_YOYU_ARI", "矩形水路水理計算書 － 限界流", "［余裕高］ Fbc = 0.050 m", true},
        {"G_YOYU_NASHI", "矩形水路水理計算書 － 限界流", "QD = A × V = 0.048× 1.251", false}}},
  };
  for (const Case& c : cases) {
    TempDir own;
    std::string script = "menu CALC\n";
    for (const Sheet& s : c.sheets) script += std::string("print-to ") + s.item + ".pdf\nmenu " + s.item + "\n";
    const auto result = drive(own, c.program, script);
    EXPECT_EQ(result.exit_code, 0) << c.program;
    EXPECT_TRUE(result.message_boxes().empty()) << c.program;
    for (const Sheet& s : c.sheets) {
      const std::string pdf = own.file(std::string(s.item) + ".pdf");
      const std::string text = pdf_text(pdf);
      EXPECT_TRUE(contains(text, s.heading)) << c.program << " " << s.item << "\n" << text;
      EXPECT_TRUE(contains(text, s.part)) << c.program << " " << s.item << "\n" << text;
      EXPECT_EQ(contains(text, "余裕高"), s.freeboard) << c.program << " " << s.item;
      const std::string info = pdf_info(pdf);
      EXPECT_TRUE(contains(info, c.document)) << c.program << " " << s.item << "\n" << info;
      EXPECT_TRUE(contains(info, "Pages:           1")) << info;
    }
  }
}

TEST_F(SheetPrinting, WindowSketchIsDrawnOnceAndKept) {
  struct Case {
    const char* program;
    double left_side_x;  // the outline's left side half way down, in box units
  };
  const Case cases[] = {{"velmora", 150 + 95}, {"drasin", 150 + 100}};
  for (const Case& c : cases) {
    TempDir own;
    const auto result = drive(own, c.program,
                              "save-picture PICTURE1 start.png\n"
                              "type EDIT3 2.5\nmenu CALC\nsave-picture PICTURE1 after.png\n");
    EXPECT_EQ(result.exit_code, 0) << c.program;
    QImage start(QString::fromStdString(own.file("start.png")));
    QImage after(QString::fromStdString(own.file("after.png")));
    ASSERT_FALSE(start.isNull()) << c.program;
    EXPECT_TRUE(dark_at(start, c.left_side_x, 100 + 200)) << c.program << ": left side";
    EXPECT_TRUE(dark_at(start, 150 + 225, 100 + 300)) << c.program << ": bottom";
    EXPECT_TRUE(dark_at(start, 150 + 500, 100 + 200)) << c.program << ": dimension line H";
    EXPECT_FALSE(dark_at(start, 20, 20)) << c.program << ": white corner";
    EXPECT_FALSE(dark_at(start, 150 + 225, 100 + 50)) << c.program << ": white above the water";
    EXPECT_TRUE(start == after) << c.program << ": inputs and results change nothing";
  }
}

}  // namespace
