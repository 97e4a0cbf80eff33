// Reads a recorded page back as the lines a reader sees: the texts that the
// print statements put on one line, joined from the left edge, with raised
// characters written as ^(…); the sketch labels apart.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "runtime/printer/recorder.hpp"

namespace sheet_test {

struct PageLine {
  double y = 0;
  std::string text;  // "<gap>" marks texts that do not follow each other
};

// Lines that start at x 0 (the print statements), top to bottom.
std::vector<PageLine> printed_lines(const rt::Recorder& page);
std::vector<std::string> printed_texts(const rt::Recorder& page);

// The first printed line whose text contains `part`, or nullptr.
const PageLine* find_line(const std::vector<PageLine>& lines, const std::string& part);

// The texts drawn elsewhere (sketch labels), in drawing order.
std::vector<rt::TextOp> drawn_texts(const rt::Recorder& page);

// Cell column of the first `mark` in a line of body-size text.
int cell_column(const std::string& text, const std::string& mark);

// The printed rows of sections (1) and (2) that hold an "=": those after
// "（１）計算条件" and before "（３）断面形状", each after the left margin.
std::vector<PageLine> condition_and_result_rows(const std::vector<PageLine>& lines);

// The lines of a page as a test lists them: each row after the left margin
// of 12 blanks; a page put together from its parts in order; a page with
// some of its rows (each taken out once) left out.
using Lines = std::vector<std::string>;
Lines with_margin(const Lines& rows);
// The heading that タイトル印刷 prints: the sheet's title ("　　台形水路水理計算書
// －　常流") and the formula's name, each after twice the margin.
Lines sheet_heading(const std::string& title);
Lines joined(std::initializer_list<Lines> parts);
Lines without_rows(Lines lines, const Lines& left_out);

// The height of each printed line whose text is `text`, top to bottom.
std::vector<double> heights_of(const std::vector<PageLine>& lines, const std::string& text);

}  // namespace sheet_test
