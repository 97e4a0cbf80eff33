// Shift-JIS conversion: the vendor characters that only CP932 maps, the
// byte counts the layouts use, and what happens to text cp932 cannot hold.
#include <gtest/gtest.h>

#include "runtime/cp932.hpp"
#include "runtime/printer/text_cells.hpp"

namespace {

struct Encoding {
  const char* utf8;
  const char* bytes;
};

// clang-format off
const Encoding kVendorAndKana[] = {
    {"A",  "A"},
    {"あ", "\x82\xA0"},
    {"～", "\x81\x60"},   // U+FF5E, the wave dash of the default title
    {"－", "\x81\x7C"},   // U+FF0D
    {"①", "\x87\x40"},
    {"≧", "\x81\x86"},
    {"ｱ",  "\xB1"},       // half-width katakana: one byte
    {"\\", "\\"},
};
// clang-format on

TEST(Cp932, EncodesTheVendorCharactersAndRoundTrips) {
  for (const Encoding& e : kVendorAndKana) {
    const rt::cp932::Encoded encoded = rt::cp932::from_utf8(e.utf8);
    EXPECT_TRUE(encoded.complete) << e.utf8;
    EXPECT_EQ(encoded.bytes, e.bytes) << e.utf8;
    EXPECT_EQ(rt::cp932::to_utf8(encoded.bytes), e.utf8);
  }
}

TEST(Cp932, ByteLengthOfTheDefaultTitle) {
  const char* title = "SP0.00～SP1000.00 右側道路側溝";
  EXPECT_EQ(rt::cp932::byte_length(title), 30u);
  EXPECT_EQ(rt::cp932::to_utf8(rt::cp932::from_utf8(title).bytes), title);
}

TEST(Cp932, UnencodableTextBecomesQuestionMarks) {
  const rt::cp932::Encoded e = rt::cp932::from_utf8("1㎥=\xFF!");
  EXPECT_FALSE(e.complete);
  EXPECT_EQ(e.bytes, "1?=?!");
  EXPECT_EQ(rt::cp932::to_utf8("a\x82"), "a\uFFFD");  // a lead byte cut off
}

TEST(TextCells, OneCellPerCp932Byte) {
  EXPECT_EQ(rt::cell_count("            "), 12);
  EXPECT_EQ(rt::cell_count("　　［計画流量］"), 16);
  EXPECT_EQ(rt::cell_count("ｱｲ"), 2);
  EXPECT_EQ(rt::cell_count("㎥"), 2);  // not in cp932, but wide
  EXPECT_EQ(rt::cell_count("³"), 1);
  const std::vector<rt::CellChar> cells = rt::cell_layout("Q=あb");
  ASSERT_EQ(cells.size(), 4u);
  EXPECT_EQ(cells[2].first_cell, 2);
  EXPECT_EQ(cells[2].cells, 2);
  EXPECT_EQ(cells[3].first_cell, 4);
}

}  // namespace
