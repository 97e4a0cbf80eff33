// The fixed-pitch cell model of the sheets: every character takes as many
// cells as its cp932 encoding has bytes (half-width one, full-width two),
// and a cell is half the character height wide. Laying text out by cells,
// not by the widths of whatever font is found, keeps the columns of the
// sheets in place.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rt {

struct CellChar {
  std::string text;  // one UTF-8 character
  int first_cell = 0;
  int cells = 1;
};

// The characters of UTF-8 text with their cell positions. A character that
// cp932 cannot hold takes two cells when it is an East Asian wide character
// (from U+2E80 up), one otherwise.
std::vector<CellChar> cell_layout(std::string_view utf8);

// Number of cells of UTF-8 text.
int cell_count(std::string_view utf8);

}  // namespace rt
