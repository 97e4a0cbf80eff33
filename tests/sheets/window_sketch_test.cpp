// The window sketches of velmora and drasin on the recorder: outline with
// the thick pen, everything else thin, labels at their points in the
// picture box's own font, and each drawing against its golden recording.
#include <gtest/gtest.h>

#include "golden_file.hpp"
#include "open_channel/window_sketch.hpp"
#include "recorded_page.hpp"

namespace {

using testing_support::compare_with_golden;

rt::Recorder record_sketch(const open_channel::WindowSketch& sketch) {
  return sheet_test::record_in_picture_box([&](rt::Printer& p) { open_channel::draw_window_sketch(p, sketch); });
}

struct SketchCase {
  const char* name;
  const open_channel::WindowSketch& (*sketch)();
  rt::LineOp first_outline;
  std::vector<std::string> labels;
};

TEST(WindowSketch, OutlineThickRestThinLabelsAtTheirPoints) {
  const SketchCase cases[] = {
      {"velmora", open_channel::velmora_window_sketch, {{220, 200}, {270, 395}, {}},
       {"H+Fb", "B", "Fb", "H", "W", "1:m"}},
      {"drasin", open_channel::drasin_window_sketch, {{250, 200}, {250, 395}, {}},
       {"H+Fb", "B", "Fb", "H", "W"}},
  };
  for (const SketchCase& c : cases) {
    const rt::Recorder r = record_sketch(c.sketch());
    const auto lines = r.lines();
    ASSERT_EQ(lines.size(), 3u + 14u + 3u + 1u + 8u) << c.name;
    EXPECT_EQ(lines[0].from, c.first_outline.from) << c.name;
    EXPECT_EQ(lines[0].to, c.first_outline.to) << c.name;
    for (std::size_t k = 0; k < lines.size(); ++k) EXPECT_EQ(lines[k].pen.width, k < 3 ? 5 : 1) << c.name << k;
    // The last two water strokes are single points, at (225, 220) and (225, 230).
    EXPECT_EQ(lines[lines.size() - 2].from, (rt::Point{375, 320}));
    EXPECT_EQ(lines[lines.size() - 2].to, (rt::Point{375, 320}));
    EXPECT_EQ(lines.back().from, (rt::Point{375, 330}));
    std::vector<std::string> labels;
    for (const rt::TextOp& t : r.texts()) {
      labels.push_back(t.text);
      EXPECT_EQ(t.font.face, "ＭＳ Ｐゴシック");
    }
    EXPECT_EQ(labels, c.labels) << c.name;
    EXPECT_EQ(compare_with_golden(GOLDEN_DIR, std::string(c.name) + "_window_sketch", r.dump()), "");
  }
}

}  // namespace
