// The compound-section sketches on the recorder: the window's (thick
// outline, thin rest, two dotted continuations that stop at the berm edges,
// the names in the picture box's font), against its golden recording, and
// the sheet's two (labels at size 8 with their values, the last label where
// the page counts its empty lines from; the page goldens hold them whole).
#include <gtest/gtest.h>

#include "compound/sheet_sketch.hpp"
#include "compound/window_sketch.hpp"
#include "compound_sheet_support.hpp"
#include "frame/sheet.hpp"
#include "golden_file.hpp"
#include "recorded_page.hpp"

namespace {

using namespace compound_sheet_test;
using testing_support::compare_with_golden;

rt::Recorder record_window_sketch(MainChannel channel) {
  return sheet_test::record_in_picture_box([channel](rt::Printer& p) { compound::draw_window_sketch(p, channel); });
}

struct Label {
  std::string text;
  rt::Point at;
  bool turned;
  friend bool operator==(const Label&, const Label&) = default;
};

std::vector<Label> labels_of(const rt::Recorder& r) {
  std::vector<Label> labels;
  for (const rt::TextOp& t : r.texts()) labels.push_back({t.text, t.at, t.quarter_turns == 1});
  return labels;
}

void PrintTo(const Label& l, std::ostream* os) {
  *os << l.text << " at " << l.at.x << "," << l.at.y << (l.turned ? " turned" : "");
}

TEST(CompoundWindowSketch, OutlineThickRestThinDottedContinuationsNamesInTheBoxFont) {
  struct Case {
    const char* name;
    MainChannel channel;
    std::size_t lines;
    rt::LineOp left_wall;  // origin (220, 250)
    std::vector<std::string> names;
  };
  const std::vector<std::string> common_tail = {"m1", "m1", "1:m2", "1:m3", "n1", "n2", "n2", "n3", "n4"};
  std::vector<std::string> quorvel = {"B", "w", "w", "H", "h1", "h2", "h3", "①", "②", "③", "1:m"};
  std::vector<std::string> mestra = {"B", "w", "w", "H", "h1", "h2", "h3", "①", "②", "③"};
  quorvel.insert(quorvel.end(), common_tail.begin(), common_tail.end());
  mestra.insert(mestra.end(), common_tail.begin(), common_tail.end());
  const Case cases[] = {
      {"quorvel", kQuorvel, 7 + 11 + 6 + 7 + 3 + 1 + 8, {{290, 350}, {340, 545}, {}}, quorvel},
      {"mestra", kMestra, 7 + 9 + 6 + 7 + 3 + 1 + 8, {{290, 350}, {290, 545}, {}}, mestra},
  };
  for (const Case& c : cases) {
    const rt::Recorder r = record_window_sketch(c.channel);
    const auto lines = r.lines();
    ASSERT_EQ(lines.size(), c.lines) << c.name;
    EXPECT_EQ(lines[2].from, c.left_wall.from) << c.name;
    EXPECT_EQ(lines[2].to, c.left_wall.to) << c.name;
    std::vector<rt::LineOp> dotted;
    for (std::size_t k = 0; k < lines.size(); ++k) {
      EXPECT_EQ(lines[k].pen.width, k < 7 ? 5 : 1) << c.name << " line " << k;
      if (lines[k].pen.style == rt::LineStyle::Dot) dotted.push_back(lines[k]);
    }
    // The dividers' continuations under the water line end at the berm
    // edges (y0 + 90), not at the bed.
    ASSERT_EQ(dotted.size(), 2u) << c.name;
    EXPECT_EQ(dotted[0].from, (rt::Point{290, 290}));
    EXPECT_EQ(dotted[0].to, (rt::Point{290, 340}));
    EXPECT_EQ(dotted[1].from, (rt::Point{600, 290}));
    EXPECT_EQ(dotted[1].to, (rt::Point{600, 340}));
    // The last two water strokes are single points.
    EXPECT_EQ(lines.back().from, (rt::Point{445, 360}));
    EXPECT_EQ(lines.back().to, (rt::Point{445, 360}));
    std::vector<std::string> names;
    for (const rt::TextOp& t : r.texts()) {
      names.push_back(t.text);
      EXPECT_EQ(t.font.face, "ＭＳ Ｐゴシック");
    }
    EXPECT_EQ(names, c.names) << c.name;
    EXPECT_EQ(compare_with_golden(GOLDEN_DIR, std::string(c.name) + "_window_sketch", r.dump()), "") << c.name;
  }
}

rt::Recorder record_values_sketch(MainChannel channel, const CompoundSheet& sheet) {
  rt::Recorder recorder;
  rt::Printer p(recorder);
  p.set_font({"ＭＳ ゴシック", frame::kBodySize, {}});
  compound::draw_values_sketch(p, channel, sheet);
  EXPECT_EQ(p.position(), (rt::Point{1210, 1190})) << "the page counts its empty lines from the label n4=";
  return recorder;
}

// clang-format off
const std::vector<Label> kQuorvelValueLabels = {
    {"B=0.800", {780, 1585}, false},  {"w=0.600", {550, 1585}, false},   {"w=0.600", {990, 1585}, false},
    {"H=1.069", {1485, 1420}, true},  {"h1=0.800", {1400, 1450}, true},  {"h2=0.239", {1400, 1280}, true},
    {"h3=0.030", {1450, 1312}, true}, {"①", {810, 1015}, false},          {"W1=1.280", {780, 1050}, false},
    {"②", {565, 1015}, false},         {"W2=0.839", {515, 1050}, false},  {"③", {1060, 1015}, false},
    {"W3=0.839", {1010, 1050}, false}, {"1:m=    1:0.300", {600, 1380}, false},
    {"m1=5.000", {550, 1245}, false}, {"m1=5.000", {1000, 1245}, false}, {"1:m2=1:1.000", {490, 1180}, false},
    {"1:m3=1:1.000", {990, 1180}, false}, {"n1=0.016", {780, 1510}, false}, {"n2=0.030", {550, 1310}, false},
    {"n2=0.030", {985, 1310}, false}, {"n3=0.030", {320, 1190}, false},  {"n4=0.030", {1210, 1190}, false},
};
// clang-format on

TEST(CompoundSheetSketches, ValuesSketchLabelsEveryDimensionAtSize8) {
  const rt::Recorder quorvel = record_values_sketch(kQuorvel, solved_sheet(kQuorvel));
  EXPECT_EQ(labels_of(quorvel), kQuorvelValueLabels);
  for (const rt::TextOp& t : quorvel.texts()) EXPECT_EQ(t.font.points, 8) << t.text;
  const auto lines = quorvel.lines();
  ASSERT_EQ(lines.size(), 7u + 11u + 6u + 5u + 3u + 1u + 8u);
  for (std::size_t k = 0; k < lines.size(); ++k) EXPECT_EQ(lines[k].pen.width, k < 7 ? 10 : 1) << k;

  // mestra: vertical walls, the bed width between the berms' extension
  // lines, no wall slope.
  const rt::Recorder mestra = record_values_sketch(kMestra, solved_sheet(kMestra));
  const auto mestra_labels = labels_of(mestra);
  ASSERT_EQ(mestra_labels.size(), kQuorvelValueLabels.size() - 1);
  for (const Label& l : mestra_labels) EXPECT_EQ(l.text.find("1:m="), std::string::npos);
  EXPECT_EQ(mestra_labels[0], (Label{"B=0.800", {780, 1585}, false}));
  EXPECT_EQ(mestra_labels[1], (Label{"w=0.600", {550, 1585}, false}));
  EXPECT_EQ(mestra_labels[4], (Label{"h1=0.800", {1400, 1450}, true}));
  EXPECT_EQ(mestra.lines().size(), 7u + 9u + 6u + 5u + 3u + 1u + 8u);
}

TEST(CompoundSheetSketches, WettedLengthsSketchNamesTheLengthsAndWidths) {
  struct Case {
    const char* name;
    MainChannel channel;
    double left_l1, right_l1;
  };
  const Case cases[] = {{"quorvel", kQuorvel, 745, 1085}, {"mestra", kMestra, 730, 1100}};
  for (const Case& c : cases) {
    rt::Recorder recorder;
    rt::Printer p(recorder);
    p.set_font({"ＭＳ ゴシック", frame::kBodySize, {}});
    compound::draw_wetted_lengths_sketch(p, c.channel);
    EXPECT_EQ(p.position(), (rt::Point{1125, 2060})) << "the page counts its empty lines from the label L2";
    const std::vector<Label> expected = {
        {"W1", {910, 1800}, false},       {"W2", {665, 1800}, false},        {"W3", {1160, 1800}, false},
        {"L1", {c.left_l1, 2130}, false}, {"L1", {c.right_l1, 2130}, false}, {"L3", {550, 1995}, false},
        {"L4", {1280, 1995}, false},      {"B", {920, 2260}, false},         {"L2", {680, 2060}, false},
        {"L2", {1125, 2060}, false},
    };
    EXPECT_EQ(labels_of(recorder), expected) << c.name;
    for (const rt::TextOp& t : recorder.texts()) EXPECT_EQ(t.font.points, 8) << t.text;
    EXPECT_EQ(recorder.lines().size(), 7u + 5u + 3u + 1u + 8u) << c.name;
  }
}

}  // namespace
