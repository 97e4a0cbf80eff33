// The conventions every page shares, seen through velmora's real pages on
// the recorder: the option block at the top never moves what follows, the
// options count only when they are exactly 1, raised characters keep the
// line, and the heading of section (4) stands 721 units below the origin of
// the sketch whatever sections (1) and (2) hold.
#include <gtest/gtest.h>

#include "open_channel/velmora_sheets.hpp"
#include "page_lines.hpp"
#include "recorded_page.hpp"
#include "sheet_support.hpp"

namespace {

using open_channel::UniformSheet;
using sheet_test::find_line;
using sheet_test::printed_lines;
using sheet_test::record_page;
using sheet_test::velmora_default_sheet;

const std::string kMargin(12, ' ');

std::vector<sheet_test::PageLine> lines_from_first_section(const rt::Recorder& page) {
  auto lines = printed_lines(page);
  while (!lines.empty() && lines.front().text != kMargin + "（１）計算条件") lines.erase(lines.begin());
  return lines;
}

TEST(PageOpening, EveryCombinationOfHeaderAndTitleKeepsTheSameLayoutBelow) {
  struct Options {
    float header, title;
  };
  const Options combinations[] = {{0, 0}, {0, 1}, {1, 0}, {1, 1}};
  UniformSheet both = velmora_default_sheet();
  both.opt_header = 1;
  both.opt_title = 1;
  const auto reference = lines_from_first_section(record_page(open_channel::velmora::JN_PAGE1, both));
  ASSERT_FALSE(reference.empty());
  EXPECT_EQ(reference.front().y, 321);

  for (const Options& o : combinations) {
    UniformSheet s = velmora_default_sheet();
    s.opt_header = o.header;
    s.opt_title = o.title;
    const rt::Recorder page = record_page(open_channel::velmora::JN_PAGE1, s);
    const rt::TextOp* first = page.find_text("（１）計算条件");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->at.y, 321) << o.header << "/" << o.title;
    EXPECT_EQ(first->at.x, 234) << "one left margin of 12 cells of 19.5";
    const auto lines = lines_from_first_section(page);
    ASSERT_EQ(lines.size(), reference.size());
    for (std::size_t k = 0; k < lines.size(); ++k) {
      EXPECT_EQ(lines[k].y, reference[k].y) << lines[k].text;
      EXPECT_EQ(lines[k].text, reference[k].text);
    }
    const auto all = printed_lines(page);
    EXPECT_EQ(find_line(all, "右側道路側溝") != nullptr, o.header == 1);
    EXPECT_EQ(find_line(all, "台形水路水理計算書") != nullptr, o.title == 1);
  }
}

TEST(PageOpening, HeaderAndHeadingBlockStandWhereTheSizesPutThem) {
  UniformSheet s = velmora_default_sheet();
  s.opt_header = 1;
  const auto lines = printed_lines(record_page(open_channel::velmora::JN_PAGE1, s));
  ASSERT_GE(lines.size(), 3u);
  // Two empty body lines, the header, an empty line, then the heading block
  // in the title size (42 a line).
  EXPECT_EQ(lines[0].y, 78);
  EXPECT_EQ(lines[0].text, std::string(18, ' ') + "SP0.00～SP1000.00 右側道路側溝");
  EXPECT_EQ(lines[1].y, 156);
  EXPECT_EQ(lines[1].text, kMargin + kMargin + "　　台形水路水理計算書　－　常流");
  EXPECT_EQ(lines[2].y, 240);
  EXPECT_EQ(lines[2].text, kMargin + kMargin + "　　（マニング平均流速公式による）");
  const rt::Recorder page = record_page(open_channel::velmora::JN_PAGE1, s);
  EXPECT_EQ(page.find_text("　　台形水路水理計算書　－　常流")->font.points, 12);
  EXPECT_EQ(page.find_text("（１）計算条件")->font.points, 11);
}

TEST(PageOpening, HeaderWithAnEmptyTitleHoldsOnlyTheBlanks) {
  UniformSheet s = velmora_default_sheet();
  s.opt_header = 1;
  s.title = "";
  const auto lines = printed_lines(record_page(open_channel::velmora::JN_PAGE1, s));
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0].y, 78);
  EXPECT_EQ(lines[0].text, std::string(18, ' '));
}

TEST(PageOpening, OptionsCountOnlyWhenTheyAreExactlyOne) {
  struct Case {
    const char* name;
    float value;
    bool on;
  };
  const Case cases[] = {{"ticked", 1, true}, {"not ticked", 0, false}, {"two", 2, false},
                        {"minus one", -1, false}, {"nearly one", 0.999f, false}};
  for (const Case& c : cases) {
    UniformSheet s = velmora_default_sheet();
    s.opt_header = c.value;
    s.opt_title = c.value;
    s.opt_mincho = c.value;
    s.opt_print_h12 = c.value;
    const rt::Recorder page = record_page(open_channel::velmora::JN_PAGE1, s);
    const auto lines = printed_lines(page);
    EXPECT_EQ(find_line(lines, "右側道路側溝") != nullptr, c.on) << c.name;
    EXPECT_EQ(find_line(lines, "台形水路水理計算書") != nullptr, c.on) << c.name;
    EXPECT_EQ(find_line(lines, "( 1.2Q = ") != nullptr, c.on) << c.name;
    const std::string face = c.on ? "ＭＳ 明朝" : "ＭＳ ゴシック";
    for (const rt::TextOp& t : page.texts()) EXPECT_EQ(t.font.face, face) << c.name << ": " << t.text;
  }
}

TEST(RaisedCharacters, SitAtTheTopOfTheirLineAndKeepTheBodyLineAdvance) {
  const rt::Recorder page = record_page(open_channel::velmora::JN_PAGE1, velmora_default_sheet());
  const auto texts = page.texts();
  // The first row of section (1): "... Q  =   ", "    0.060", " m", raised "3", "/s".
  std::size_t k = 0;
  while (k < texts.size() && texts[k].text.find("［計画流量］") == std::string::npos) ++k;
  ASSERT_LT(k + 4, texts.size());
  const rt::TextOp& m = texts[k + 2];
  const rt::TextOp& three = texts[k + 3];
  const rt::TextOp& per_s = texts[k + 4];
  EXPECT_EQ(m.text, " m");
  EXPECT_EQ(three.text, "3");
  EXPECT_EQ(three.font.points, 8);
  EXPECT_EQ(three.cell_height, 28);
  EXPECT_EQ(three.at.y, m.at.y) << "tops level";
  EXPECT_EQ(three.at.x, m.at.x + 2 * 19.5);
  EXPECT_EQ(per_s.font.points, 11);
  EXPECT_EQ(per_s.at.x, three.at.x + 14);
  // A line whose last item is raised (A … m²) still advances by 39.
  const auto lines = printed_lines(page);
  const auto* area = find_line(lines, "［流積］                    A  =");
  const auto* perimeter = find_line(lines, "［潤辺］                    P  =");
  ASSERT_TRUE(area && perimeter);
  EXPECT_EQ(perimeter->y - area->y, 39);
}

TEST(SketchPlacement, FourthSectionFollowsTheSketchAt721BelowItsOrigin) {
  struct Case {
    const char* page;
    open_channel::UniformPage procedure;
    double y0;
  };
  const Case cases[] = {{"JN_PAGE1", open_channel::velmora::JN_PAGE1, 1020},
                        {"JY_PAGE1", open_channel::velmora::JY_PAGE1, 1050},
                        {"JSY_PAGE1", open_channel::velmora::JSY_PAGE1, 1050}};
  for (const Case& c : cases) {
    const rt::Recorder page = record_page(c.procedure, velmora_default_sheet());
    const rt::TextOp* fourth = page.find_text("（４）計算");
    ASSERT_NE(fourth, nullptr) << c.page;
    EXPECT_EQ(fourth->at.y, c.y0 + 721) << c.page;
    const rt::TextOp* width = page.find_text("W=0.410");
    ASSERT_NE(width, nullptr) << c.page;
    EXPECT_EQ(width->at.x, 800) << c.page;
    EXPECT_EQ(width->at.y, c.y0 - 20) << c.page;
    EXPECT_EQ(width->font.points, 11) << "labels in the body size";
  }
}

}  // namespace
