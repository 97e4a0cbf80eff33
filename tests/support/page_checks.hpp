// Expectations on a recorded page of an open-channel or pipe sheet: where
// its section headings stand, the labels of its sketch, and its Froude
// number line.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "page_lines.hpp"
#include "recorded_page.hpp"
#include "runtime/printer/recorder.hpp"

namespace sheet_test {

// "（１）計算条件", "（２）計算結果", "（３）断面形状" and "（４）計算" each
// printed once, at these heights.
void expect_section_heights(const std::vector<PageLine>& lines, const std::array<double, 4>& heights,
                            const std::string& context);

// A label of a sheet's sketch: its text, its corner as an offset from the
// sketch's origin, and whether it is turned to read upward.
struct SketchLabel {
  std::string text;
  double dx, dy;
  bool turned;
};

// The page's sketch draws exactly these labels, in this order, in 11 pt.
void expect_sketch_labels(const rt::Recorder& page, rt::Point origin, const std::vector<SketchLabel>& labels,
                          const std::string& context);

// A Froude number the page receives and the row it prints for it.
struct FroudeCase {
  float Fr;
  const char* row;
};

// For each case, `page` drawn with `sheet` whose Fr is the case's prints the
// case's row (after the left margin).
template <class Page, class Sheet>
void expect_froude_rows(Page page, Sheet sheet, std::initializer_list<FroudeCase> cases) {
  for (const FroudeCase& c : cases) {
    sheet.Fr = c.Fr;
    EXPECT_NE(find_line(printed_lines(record_page(page, sheet)), std::string(12, ' ') + c.row), nullptr) << c.Fr;
  }
}

}  // namespace sheet_test
