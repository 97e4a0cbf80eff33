#include "page_checks.hpp"

namespace sheet_test {

void expect_section_heights(const std::vector<PageLine>& lines, const std::array<double, 4>& heights,
                            const std::string& context) {
  const char* const headings[] = {"（１）計算条件", "（２）計算結果", "（３）断面形状", "（４）計算"};
  for (std::size_t k = 0; k < heights.size(); ++k) {
    EXPECT_EQ(heights_of(lines, std::string(12, ' ') + headings[k]), std::vector<double>{heights[k]})
        << context << " " << headings[k];
  }
}

void expect_sketch_labels(const rt::Recorder& page, rt::Point origin, const std::vector<SketchLabel>& labels,
                          const std::string& context) {
  const auto drawn = drawn_texts(page);
  ASSERT_EQ(drawn.size(), labels.size()) << context;
  for (std::size_t k = 0; k < drawn.size(); ++k) {
    const SketchLabel& want = labels[k];
    EXPECT_EQ(drawn[k].text, want.text) << context;
    EXPECT_EQ(drawn[k].at, (rt::Point{origin.x + want.dx, origin.y + want.dy})) << context << " " << want.text;
    EXPECT_EQ(drawn[k].quarter_turns, want.turned ? 1 : 0) << context << " " << want.text;
    EXPECT_EQ(drawn[k].font.points, 11) << context << " " << want.text;
  }
}

}  // namespace sheet_test
