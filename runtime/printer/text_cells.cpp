#include "runtime/printer/text_cells.hpp"

#include "runtime/cp932.hpp"

namespace rt {

namespace {

char32_t decode(std::string_view ch) {
  const auto b = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(ch[i])); };
  switch (ch.size()) {
    case 2: return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
    case 3: return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
    case 4: return ((b(0) & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) | (b(3) & 0x3F);
    default: return b(0);
  }
}

int cells_of(std::string_view ch) {
  if (ch.size() == 1 && static_cast<unsigned char>(ch[0]) < 0x80) return 1;
  const cp932::Encoded e = cp932::from_utf8(ch);
  if (e.complete) return static_cast<int>(e.bytes.size());
  return decode(ch) >= 0x2E80 ? 2 : 1;
}

}  // namespace

std::vector<CellChar> cell_layout(std::string_view utf8) {
  std::vector<CellChar> chars;
  int cell = 0;
  while (!utf8.empty()) {
    const std::size_t n = cp932::utf8_char_length(utf8);
    const std::string_view ch = utf8.substr(0, n);
    const int cells = cells_of(ch);
    chars.push_back({std::string(ch), cell, cells});
    cell += cells;
    utf8.remove_prefix(n);
  }
  return chars;
}

int cell_count(std::string_view utf8) {
  int cells = 0;
  for (const CellChar& c : cell_layout(utf8)) cells += c.cells;
  return cells;
}

}  // namespace rt
