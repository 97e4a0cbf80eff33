#include "page_lines.hpp"

#include <algorithm>
#include <cmath>
#include <map>

#include "runtime/printer/text_cells.hpp"

namespace sheet_test {

namespace {

constexpr double kRaisedPoints = 8;

// The left margin of the print statements. (A function, not a string
// object: the tests build their expected lines during static
// initialisation.)
std::string margin() { return std::string(12, ' '); }

double end_of(const rt::TextOp& t) { return t.at.x + rt::cell_count(t.text) * t.cell_height / 2; }

// Texts of one height, in drawing order.
std::map<double, std::vector<rt::TextOp>> texts_by_height(const rt::Recorder& page) {
  std::map<double, std::vector<rt::TextOp>> rows;
  for (const rt::TextOp& t : page.texts())
    if (t.quarter_turns == 0) rows[t.at.y].push_back(t);
  return rows;
}

bool is_printed_line(const std::vector<rt::TextOp>& row) { return !row.empty() && row.front().at.x == 0; }

}  // namespace

std::vector<PageLine> printed_lines(const rt::Recorder& page) {
  std::vector<PageLine> lines;
  for (const auto& [y, row] : texts_by_height(page)) {
    if (!is_printed_line(row)) continue;
    PageLine line{y, {}};
    double x = 0;
    for (const rt::TextOp& t : row) {
      if (std::abs(t.at.x - x) > 1e-9) line.text += "<gap>";
      line.text += t.font.points == kRaisedPoints ? "^(" + t.text + ")" : t.text;
      x = end_of(t);
    }
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> printed_texts(const rt::Recorder& page) {
  std::vector<std::string> texts;
  for (const PageLine& l : printed_lines(page)) texts.push_back(l.text);
  return texts;
}

const PageLine* find_line(const std::vector<PageLine>& lines, const std::string& part) {
  for (const PageLine& l : lines)
    if (l.text.find(part) != std::string::npos) return &l;
  return nullptr;
}

std::vector<rt::TextOp> drawn_texts(const rt::Recorder& page) {
  const auto rows = texts_by_height(page);
  std::vector<rt::TextOp> drawn;
  for (const rt::TextOp& t : page.texts()) {
    if (t.quarter_turns != 0 || !is_printed_line(rows.at(t.at.y))) drawn.push_back(t);
  }
  return drawn;
}

int cell_column(const std::string& text, const std::string& mark) {
  const auto at = text.find(mark);
  return at == std::string::npos ? -1 : rt::cell_count(text.substr(0, at));
}

std::vector<PageLine> condition_and_result_rows(const std::vector<PageLine>& lines) {
  std::vector<PageLine> rows;
  bool in_rows = false;
  for (const PageLine& l : lines) {
    if (l.text == margin() + "（１）計算条件") in_rows = true;
    if (l.text == margin() + "（３）断面形状") break;
    if (in_rows && l.text.find('=') != std::string::npos) rows.push_back(l);
  }
  return rows;
}

Lines with_margin(const Lines& rows) {
  Lines lines;
  for (const std::string& r : rows) lines.push_back(margin() + r);
  return lines;
}

Lines sheet_heading(const std::string& title) {
  return {margin() + margin() + title, margin() + margin() + "　　（マニング平均流速公式による）"};
}

Lines joined(std::initializer_list<Lines> parts) {
  Lines all;
  for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

Lines without_rows(Lines lines, const Lines& left_out) {
  for (const std::string& row : left_out) {
    if (const auto at = std::find(lines.begin(), lines.end(), row); at != lines.end()) lines.erase(at);
  }
  return lines;
}

std::vector<double> heights_of(const std::vector<PageLine>& lines, const std::string& text) {
  std::vector<double> heights;
  for (const PageLine& l : lines)
    if (l.text == text) heights.push_back(l.y);
  return heights;
}

}  // namespace sheet_test
