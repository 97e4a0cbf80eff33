// The print position on the recorder: line advances by font, continued
// statements, raised characters, and how lines, moves and drawn texts move
// the one point that printing starts from.
#include <gtest/gtest.h>

#include "runtime/printer/printer.hpp"
#include "runtime/printer/recorder.hpp"
#include "runtime/runtime_error.hpp"

namespace {

using rt::LineEnd;
using rt::Point;

const std::string kGothic = "ＭＳ ゴシック";
const std::string kMargin(12, ' ');

class TextFlow : public testing::Test {
 protected:
  TextFlow() : p(rec) {
    p.start_document("台形断面");
    p.start_page();
    p.set_map_mode(rt::MapMode::TenthMillimetre);
    p.set_font({kGothic, 11, {}});
  }

  // Steps 4 to 11 of a sheet's page opening, with both options.
  void page_opening(bool header, bool title) {
    p.set_font_size(11);
    p.print();
    p.print();
    if (header) p.print({std::string(18, ' '), "SP0.00～SP1000.00 右側道路側溝"});
    else p.print();
    p.print();
    p.set_font_size(12);
    if (title) {
      p.print({kMargin, kMargin, "　　台形水路水理計算書　－　常流"});
      p.print();
      p.print({kMargin, kMargin, "　　（マニング平均流速公式による）"});
    } else {
      p.print();
      p.print();
      p.print();
    }
    p.set_font_size(11);
    p.print();
    p.print({kMargin, "（１）計算条件"});
  }

  rt::Recorder rec;
  rt::Printer p;
};

struct Advance {
  double points;
  double line_height;
};

TEST_F(TextFlow, LineAdvanceIsTheCharacterHeightOfTheFontInUse) {
  for (const Advance a : {Advance{12, 42}, Advance{11, 39}, Advance{8, 28}, Advance{10, 35}}) {
    p.set_font_size(a.points);
    const Point before = p.position();
    p.print({"x"});
    EXPECT_EQ(p.position(), (Point{0, before.y + a.line_height})) << a.points;
  }
}

TEST_F(TextFlow, ContinuedStatementStaysOnTheLine) {
  p.print({kMargin, "　　［水深］"}, LineEnd::Continue);
  EXPECT_EQ(p.position(), (Point{(12 + 12) * 19.5, 0}));
  p.print_using("#####.###@", {0.5f, " m"});
  const std::vector<rt::TextOp> texts = rec.texts();
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[2].text, "    0.500");
  EXPECT_EQ(texts[2].at, (Point{24 * 19.5, 0}));
  EXPECT_EQ(texts[3].at, (Point{33 * 19.5, 0}));
  EXPECT_EQ(p.position(), (Point{0, 39}));
}

TEST_F(TextFlow, RaisedCharactersSitAtTheTopAndTheLineStillAdvances39) {
  p.print_using("@@#####.###@", {kMargin, "Q  =   ", 0.06f, " m"}, LineEnd::Continue);
  p.set_font_size(8);
  p.print({"3"}, LineEnd::Continue);
  p.set_font_size(11);
  p.print({""});  // the empty item in the body size that ends the line
  const rt::TextOp* m = rec.find_text(" m");
  const rt::TextOp* raised = rec.find_text("3");
  ASSERT_TRUE(m && raised);
  EXPECT_EQ(raised->at, (Point{m->at.x + 2 * 19.5, m->at.y}));
  EXPECT_EQ(raised->font.points, 8);
  EXPECT_EQ(raised->cell_height, 28);
  EXPECT_EQ(p.position(), (Point{0, 39}));
}

TEST_F(TextFlow, ALineEndedInTheRaisedSizeAdvancesItsHeight) {
  p.set_font_size(8);
  p.print({"2"});
  EXPECT_EQ(p.position().y, 28);
}

TEST_F(TextFlow, OptionsNeverMoveTheFirstSection) {
  for (const bool on : {false, true}) {
    rec.clear();
    p.start_page();
    page_opening(on, on);
    const rt::TextOp* heading = rec.find_text("（１）計算条件");
    ASSERT_TRUE(heading);
    EXPECT_EQ(heading->at, (Point{234, 2 * 39 + 39 + 39 + 3 * 42 + 39})) << on;
  }
}

TEST_F(TextFlow, TheCalculationHeadingFollowsTheLastSketchLabel) {
  // The width label of a sketch at origin (450, 1020), then 19 empty lines.
  p.draw_text(450 + 350, 1020 - 20, "W=1.234");
  for (int i = 0; i < 19; ++i) p.print();
  p.print({kMargin, "（４）計算"});
  EXPECT_EQ(rec.find_text("（４）計算")->at, (Point{234, 1741}));
}

TEST_F(TextFlow, LinesMovesAndDrawnTextsSetThePrintPosition) {
  p.line(10, 20, 30, 40);
  EXPECT_EQ(p.position(), (Point{30, 40}));
  p.move_to(425, 300);
  p.line_relative(15, -15);
  p.line_relative(-30, 0);
  p.line_relative(15, 15);
  EXPECT_EQ(p.position(), (Point{425, 300}));
  p.circle(875, 1250, 200);
  p.arc(875, 1250, 50, 0.96, 0.54);
  EXPECT_EQ(p.position(), (Point{425, 300}));  // circles and arcs leave it
  p.draw_text(830, 1400, "H=0.500", rt::TextAngle::QuarterTurn);
  EXPECT_EQ(p.position(), (Point{830, 1400}));
  p.print({"x"});
  EXPECT_EQ(rec.texts().back().at, (Point{830, 1400}));
  ASSERT_EQ(rec.lines().size(), 4u);
  EXPECT_EQ(rec.lines()[1].from, (Point{425, 300}));
  EXPECT_EQ(rec.lines()[1].to, (Point{440, 285}));
  EXPECT_EQ(rec.texts()[0].quarter_turns, 1);
}

TEST_F(TextFlow, PensAndPagesAreRecorded) {
  p.set_pen_width(10);
  p.circle(875, 1250, 200);
  p.set_pen_width(1);
  p.set_line_style(rt::LineStyle::Dash);
  p.line(875, 1250, 680, 1200);
  p.new_page();
  EXPECT_EQ(p.position(), (Point{0, 0}));
  p.end_page();
  EXPECT_TRUE(p.end_document().ok());
  EXPECT_EQ(rec.dump(),
            "document \"台形断面\"\n"
            "page 1\n"
            "circle 875,1250 r200 w10\n"
            "line 875,1250 680,1200 w1 dash\n"
            "end page\n"
            "page 2\n"
            "end page\n"
            "end document\n");
}

TEST_F(TextFlow, FormatStartsAgainWhenItemsOutnumberFields) {
  p.print_using("#.#", {1.0f, 2.25f});
  ASSERT_EQ(rec.texts().size(), 2u);
  EXPECT_EQ(rec.texts()[1].text, "2.3");
  EXPECT_EQ(rec.texts()[1].at.x, 3 * 19.5);
}

TEST_F(TextFlow, OverflowMovesTheRestOfTheLineRight) {
  p.print_using("#####.###@", {1234567.0f, " m"});
  EXPECT_EQ(rec.texts()[0].text, "%1.23457E+06");
  EXPECT_EQ(rec.texts()[1].at.x, 12 * 19.5);
}

TEST_F(TextFlow, MismatchedItemIsARuntimeError) {
  EXPECT_THROW(p.print_using("@", {1.0f}), rt::RuntimeError);
  EXPECT_THROW(p.print_using("##.#", {"text"}), rt::RuntimeError);
}

}  // namespace
