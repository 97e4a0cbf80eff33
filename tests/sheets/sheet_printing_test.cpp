// Sheets printed by the real programs through the test driver: the PDF of
// 常流 › 余裕高あり holds the page's lines in the Gothic or the Mincho stand-in
// and the document name as its title; the options are read at every print;
// a cancelled dialog prints and says nothing; a print job that fails says so
// and the program keeps its results. And the window sketch, drawn once into
// the picture box and kept.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdio>
#include <string>

#include "drive_run.hpp"

namespace {

using testing_support::drive;
using testing_support::TempDir;

std::string run(const std::string& command) {
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    pclose(pipe);
  }
  return out;
}

// The text of a PDF in drawing order, runs of blanks and line ends as one blank.
std::string pdf_text(const std::string& path) {
  std::string collapsed;
  for (const char c : run(std::string(PDFTOTEXT) + " -raw '" + path + "' -")) {
    const bool blank = c == ' ' || c == '\n' || c == '\f';
    if (blank && (collapsed.empty() || collapsed.back() == ' ')) continue;
    collapsed += blank ? ' ' : c;
  }
  return collapsed;
}

std::string pdf_fonts(const std::string& path) { return run(std::string(PDFFONTS) + " '" + path + "'"); }
std::string pdf_info(const std::string& path) { return run(std::string(PDFINFO) + " '" + path + "'"); }

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class SheetPrinting : public testing::Test {
 protected:
  void SetUp() override {
    if (std::string(PDFTOTEXT).empty() || std::string(PDFFONTS).empty() || std::string(PDFINFO).empty())
      GTEST_SKIP() << "poppler-utils not installed";
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

TEST_F(SheetPrinting, SheetsStillToComePrintAnEmptyPageUnderTheProgramsName) {
  struct Case {
    const char* program;
    const char* item;
    const char* document;
  };
  const Case cases[] = {{"velmora", "G_YOYU_ARI", "台形断面"}, {"drasin", "J_YOYU_SYA", "矩形断面"}};
  for (const Case& c : cases) {
    TempDir own;
    const auto result = drive(own, c.program, std::string("menu CALC\nprint-to s.pdf\nmenu ") + c.item + "\n");
    EXPECT_EQ(result.exit_code, 0) << c.program << " " << c.item;
    EXPECT_TRUE(result.message_boxes().empty());
    const std::string info = pdf_info(own.file("s.pdf"));
    EXPECT_TRUE(contains(info, c.document)) << c.program << " " << c.item << "\n" << info;
    EXPECT_TRUE(contains(info, "Pages:           1")) << info;
  }
}

// Dark pixels of the kept picture at points of the sketch (in 0.1 mm from
// the box's corner, 96 pixels to the inch).
bool dark_at(const QImage& image, double x, double y) {
  const int px = qRound(x * 96 / 254), py = qRound(y * 96 / 254);
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (qGray(image.pixel(px + dx, py + dy)) < 100) return true;
  return false;
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
