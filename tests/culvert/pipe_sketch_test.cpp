// The pipe sketches on the recorder: the sheet sketch of palwick in its two
// shapes (water above or below the centre) and soberin's nearly full one,
// each against the drawing its sheet describes and its golden recording; and
// the window sketches of both programs.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "culvert/sheet_sketch.hpp"
#include "culvert/sheet_values.hpp"
#include "culvert/sheets.hpp"
#include "culvert/window_sketch.hpp"
#include "frame/number_display.hpp"
#include "golden_file.hpp"
#include "page_lines.hpp"
#include "recorded_page.hpp"
#include "sheet_support.hpp"

namespace {

using rt::Point;
using sheet_test::record_page;
using testing_support::compare_with_golden;

constexpr double x0 = 450;

struct Shape {
  double yw;  // the water level on the page
  double arc_start, arc_end;
  Point theta;
  double depth_label_y, freeboard_label_y;
};

const Shape kHigh{900 + 300, 0.96, 0.54, {x0 + 410, 900 + 410}, 900 + 500, 900 + 300};
const Shape kLow{900 + 400, 0.04, 0.46, {x0 + 410, 900 + 350}, 900 + 550, 900 + 350};

std::vector<rt::LineOp> dashed(const rt::Recorder& page) {
  std::vector<rt::LineOp> lines;
  for (const rt::LineOp& l : page.lines())
    if (l.pen.style != rt::LineStyle::Solid) lines.push_back(l);
  return lines;
}

bool has_line(const rt::Recorder& page, Point from, Point to) {
  const auto lines = page.lines();
  return std::any_of(lines.begin(), lines.end(), [&](const rt::LineOp& l) { return l.from == from && l.to == to; });
}

std::optional<rt::TextOp> drawn(const rt::Recorder& page, const std::string& text) {
  for (const rt::TextOp& t : sheet_test::drawn_texts(page))
    if (t.text == text) return t;
  return std::nullopt;
}

// Checks the common parts and the parts of `shape` on a recorded palwick page.
void expect_palwick_sketch(const rt::Recorder& page, const Shape& shape, const std::string& depth_label,
                           const std::string& freeboard_label, const std::string& context) {
  const Point centre{x0 + 425, 900 + 350};
  ASSERT_EQ(page.circles().size(), 1u) << context;
  EXPECT_EQ(page.circles()[0].centre, centre) << context;
  EXPECT_EQ(page.circles()[0].radius, 200) << context;
  EXPECT_EQ(page.circles()[0].pen.width, 10) << context;
  for (const rt::LineOp& l : page.lines()) EXPECT_EQ(l.pen.width, 1) << context;

  // The water surface and its extension on the right.
  EXPECT_TRUE(has_line(page, {x0 + 230, shape.yw}, {x0 + 620, shape.yw})) << context;
  EXPECT_TRUE(has_line(page, {x0 + 670, shape.yw}, {x0 + 850, shape.yw})) << context;
  // The right-hand dimension line meets at the middle of the pipe whatever
  // the water level.
  EXPECT_TRUE(has_line(page, {x0 + 830, 1050}, {x0 + 830, 1200})) << context;
  EXPECT_TRUE(has_line(page, {x0 + 830, 1200}, {x0 + 830, 1450})) << context;

  // Only the radii to the ends of the surface are dashed.
  const auto radii = dashed(page);
  ASSERT_EQ(radii.size(), 2u) << context;
  EXPECT_EQ(radii[0].from, centre);
  EXPECT_EQ(radii[0].to, (Point{x0 + 230, shape.yw})) << context;
  EXPECT_EQ(radii[1].to, (Point{x0 + 620, shape.yw})) << context;
  EXPECT_EQ(radii[0].pen.style, rt::LineStyle::Dash);

  ASSERT_EQ(page.arcs().size(), 1u) << context;
  const rt::ArcOp arc = page.arcs()[0];
  EXPECT_EQ(arc.centre, centre) << context;
  EXPECT_EQ(arc.radius, 50);
  EXPECT_EQ(arc.start, shape.arc_start) << context;
  EXPECT_EQ(arc.end, shape.arc_end) << context;
  EXPECT_EQ(arc.pen.style, rt::LineStyle::Solid);

  const auto theta = drawn(page, "θ");
  ASSERT_TRUE(theta) << context;
  EXPECT_EQ(theta->at, shape.theta) << context;
  EXPECT_EQ(theta->quarter_turns, 0);
  EXPECT_EQ(theta->font.points, 11);

  // The water mark stands on the surface; the strokes start 10 below it.
  EXPECT_TRUE(has_line(page, {x0 + 425, shape.yw}, {x0 + 440, shape.yw - 15})) << context;
  EXPECT_TRUE(has_line(page, {x0 + 325, shape.yw + 10}, {x0 + 525, shape.yw + 10})) << context;
  EXPECT_TRUE(has_line(page, {x0 + 425, shape.yw + 80}, {x0 + 425, shape.yw + 80})) << context;

  struct Label {
    std::string text;
    Point at;
  };
  const Label labels[] = {{"D=0.600", {x0 - 20, 900 + 420}},
                          {depth_label, {x0 + 790, shape.depth_label_y}},
                          {freeboard_label, {x0 + 790, shape.freeboard_label_y}}};
  for (const Label& l : labels) {
    const auto t = drawn(page, l.text);
    ASSERT_TRUE(t) << context << ": " << l.text;
    EXPECT_EQ(t->at, l.at) << context << ": " << l.text;
    EXPECT_EQ(t->quarter_turns, 1) << context << ": " << l.text;
  }
}

// A depth of exactly half the diameter draws the water above the centre.
TEST(PipeSheetSketch, PalwickDrawsTheWaterAboveTheCentreFromHalfFull) {
  struct Case {
    float depth;
    const Shape* shape;
  };
  const Case cases[] = {{0.425f, &kHigh}, {0.3f, &kHigh}, {0.299f, &kLow}, {0.095f, &kLow}};
  for (const Case& c : cases) {
    culvert::UniformSheet u = culvert::uniform_sheet(culvert_sheet::palwick_defaults());
    u.H = c.depth;
    u.Fb = 0.6f - c.depth;
    culvert::CriticalSheet s = culvert::critical_sheet(culvert_sheet::palwick_defaults());
    s.Hc = c.depth;
    s.Fbc = 0.6f - c.depth;
    const std::string context = "depth " + std::to_string(c.depth);
    const std::string h = frame::CHR_TO_STR(c.depth), fb = frame::CHR_TO_STR(u.Fb);
    expect_palwick_sketch(record_page(culvert::palwick::JY_PAGE1, u), *c.shape, "H=" + h, "Fb=" + fb,
                          "JY_PAGE1 " + context);
    expect_palwick_sketch(record_page(culvert::palwick::SY_PAGE1, s), *c.shape, "Hc=" + h, "Fbc=" + fb,
                          "SY_PAGE1 " + context);
  }
}

// soberin draws one figure whatever its results; only the three labels
// carry numbers.
TEST(PipeSheetSketch, SoberinDrawsOneFigureWhateverTheResults) {
  const culvert::CapacitySheet defaults = culvert::capacity_sheet(culvert_sheet::soberin_defaults());
  culvert::CapacitySheet other = defaults;
  other.D = 1.0f;
  other.H = 0.937f;
  other.Fb = 0.063f;
  const rt::Recorder a = record_page(culvert::soberin::JY_PAGE1, defaults);
  const rt::Recorder b = record_page(culvert::soberin::JY_PAGE1, other);
  ASSERT_EQ(a.lines().size(), b.lines().size());
  for (std::size_t k = 0; k < a.lines().size(); ++k) {
    EXPECT_EQ(a.lines()[k].from, b.lines()[k].from);
    EXPECT_EQ(a.lines()[k].to, b.lines()[k].to);
  }
  EXPECT_EQ(rt::describe(a.circles()[0]), rt::describe(b.circles()[0]));
  EXPECT_EQ(rt::describe(a.arcs()[0]), rt::describe(b.arcs()[0]));

  const double y0 = 910, yw = y0 + 220;
  const Point centre{x0 + 425, y0 + 350};
  EXPECT_EQ(a.arcs()[0].start, 0.89);
  EXPECT_EQ(a.arcs()[0].end, 0.61);
  const auto radii = dashed(a);
  ASSERT_EQ(radii.size(), 2u);
  EXPECT_EQ(radii[0].from, centre);
  EXPECT_EQ(radii[0].to, (Point{x0 + 277, yw}));
  EXPECT_EQ(radii[1].to, (Point{x0 + 573, yw}));
  EXPECT_TRUE(has_line(a, {x0 + 270, yw}, {x0 + 580, yw}));
  EXPECT_TRUE(has_line(a, {x0 + 600, yw}, {x0 + 850, yw}));

  std::vector<std::string> labels_a, labels_b;
  for (const rt::TextOp& t : sheet_test::drawn_texts(a)) labels_a.push_back(t.text);
  for (const rt::TextOp& t : sheet_test::drawn_texts(b)) labels_b.push_back(t.text);
  EXPECT_EQ(labels_a, (std::vector<std::string>{"θ", "D=0.600", "H=0.562", "Fb=0.038"}));
  EXPECT_EQ(labels_b, (std::vector<std::string>{"θ", "D=1.000", "H=0.937", "Fb=0.063"}));
  EXPECT_EQ(drawn(a, "H=0.562").value().at, (Point{x0 + 790, y0 + 440}));
  EXPECT_EQ(drawn(a, "Fb=0.038").value().at, (Point{x0 + 790, y0 + 260}));
  EXPECT_EQ(drawn(a, "θ").value().at, (Point{x0 + 410, y0 + 410}));
}

TEST(PipeSheetSketch, GoldenRecordingsOfTheThreeShapes) {
  struct Case {
    const char* name;
    const culvert::PipeSheetSketch* shape;
    culvert::Origin origin;
  };
  const Case cases[] = {{"pipe_sheet_sketch_high", &culvert::kPipeHigh, culvert::kPalwickSketchOrigin},
                        {"pipe_sheet_sketch_low", &culvert::kPipeLow, culvert::kPalwickSketchOrigin},
                        {"pipe_sheet_sketch_nearly_full", &culvert::kPipeNearlyFull, culvert::kSoberinSketchOrigin}};
  for (const Case& c : cases) {
    rt::Recorder recorder;
    rt::Printer p(recorder);
    p.set_font({"ＭＳ ゴシック", 11, {}});
    culvert::draw_pipe_sheet_sketch(p, c.origin, *c.shape, {0.6f, "H=", 0.3f, "Fb=", 0.3f});
    EXPECT_EQ(compare_with_golden(GOLDEN_DIR, c.name, recorder.dump()), "");
  }
}

rt::Recorder record_window_sketch(const culvert::PipeWindowSketch& sketch) {
  return sheet_test::record_in_picture_box([&](rt::Printer& p) { culvert::draw_pipe_window_sketch(p, sketch); });
}

// The window sketches: the wall with pen width 5, the rest thin and solid;
// the horizontal dimension lines touch the top and the bottom of the pipe
// and the right-hand one is drawn as two segments.
TEST(PipeWindowSketch, WallThickRestThinLabelsAtTheirPoints) {
  struct Case {
    const char* name;
    const culvert::PipeWindowSketch& sketch;
    double yw;
    Point surface_from, surface_to, extension_from;
    Point fb, h;
  };
  const Case cases[] = {
      {"palwick", culvert::palwick_window_sketch(), 250, {230, 250}, {515, 250}, {540, 250}, {615, 215}, {615, 355}},
      {"soberin", culvert::soberin_window_sketch(), 200, {263, 200}, {482, 200}, {515, 200}, {615, 195}, {615, 330}},
  };
  for (const Case& c : cases) {
    const rt::Recorder r = record_window_sketch(c.sketch);
    ASSERT_EQ(r.circles().size(), 1u) << c.name;
    const rt::CircleOp wall = r.circles()[0];
    EXPECT_EQ(wall.centre, (Point{375, 300})) << c.name;
    EXPECT_EQ(wall.radius, 150);
    EXPECT_EQ(wall.pen.width, 5);
    const auto lines = r.lines();
    ASSERT_EQ(lines.size(), 3u + 5u + 3u + 1u + 8u) << c.name;
    for (const rt::LineOp& l : lines) {
      EXPECT_EQ(l.pen.width, 1) << c.name;
      EXPECT_EQ(l.pen.style, rt::LineStyle::Solid) << c.name;
    }
    EXPECT_TRUE(has_line(r, {90, 150}, {300, 150})) << c.name << ": touches the top";
    EXPECT_TRUE(has_line(r, {90, 450}, {300, 450})) << c.name << ": touches the bottom";
    EXPECT_TRUE(has_line(r, {650, 150}, {650, 250})) << c.name;
    EXPECT_TRUE(has_line(r, {650, 250}, {650, 450})) << c.name;
    EXPECT_TRUE(has_line(r, c.surface_from, c.surface_to)) << c.name;
    EXPECT_TRUE(has_line(r, c.extension_from, {660, c.yw})) << c.name;
    EXPECT_TRUE(has_line(r, {375, c.yw}, {390, c.yw - 20})) << c.name << ": the water mark";
    EXPECT_TRUE(has_line(r, {295, c.yw + 10}, {455, c.yw + 10})) << c.name << ": the first stroke";
    EXPECT_EQ(lines.back().from, (Point{375, c.yw + 80})) << c.name << ": the last stroke is a point";
    EXPECT_EQ(lines.back().to, lines.back().from);

    const auto texts = r.texts();
    ASSERT_EQ(texts.size(), 3u) << c.name;
    EXPECT_EQ(texts[0].text, "D");
    EXPECT_EQ(texts[0].at, (Point{65, 320}));
    EXPECT_EQ(texts[1].text, "Fb");
    EXPECT_EQ(texts[1].at, c.fb) << c.name;
    EXPECT_EQ(texts[2].text, "H");
    EXPECT_EQ(texts[2].at, c.h) << c.name;
    for (const rt::TextOp& t : texts) {
      EXPECT_EQ(t.quarter_turns, 1);
      EXPECT_EQ(t.font.face, "ＭＳ Ｐゴシック");
    }
    EXPECT_EQ(compare_with_golden(GOLDEN_DIR, std::string(c.name) + "_window_sketch", r.dump()), "") << c.name;
  }
}

}  // namespace
