// What every page of a calculation sheet shares: tenths of a millimetre,
// the type face chosen by 明朝体印刷, the three sizes, the option-driven block
// at the top of the page, lines that start with the left margin, numbers in
// their fields and raised unit powers and exponents.
//
// A page procedure reads as the sheet does, line by line:
//
//   frame::Sheet s(p);
//   s.open_page(options, title, "　　台形水路水理計算書　－　常流");
//   s.row({"　　［計画流量］                Q  =   ", f5_3(Q), " m", raised("3"), "/s"});
//   s.empty_lines(1);
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

#include "runtime/number.hpp"
#include "runtime/printer/printer.hpp"

namespace frame {

using rt::Single;

// The print options a page receives, as the check boxes held them. A page
// tests each for equality with 1 (ticked); every other value is off.
struct SheetOptions {
  Single opt_header;
  Single opt_title;
  Single opt_mincho;
};

inline bool option_on(Single option) { return option == 1; }

inline constexpr std::string_view kGothicFace = "ＭＳ ゴシック";
inline constexpr std::string_view kMinchoFace = "ＭＳ 明朝";
inline constexpr double kTitleSize = 12;   // the sheet heading block
inline constexpr double kBodySize = 11;    // everything else, sketch labels included
inline constexpr double kRaisedSize = 8;   // unit powers and exponents

// A number in a field of the sheets: "#####.###" and its narrower kin.
struct Field {
  Single value;
  std::string_view format;
};
inline Field f5_3(Single v) { return {v, "#####.###"}; }
inline Field f4_3(Single v) { return {v, "####.###"}; }
inline Field f3_3(Single v) { return {v, "###.###"}; }
inline Field f2_3(Single v) { return {v, "##.###"}; }
inline Field f5_1(Single v) { return {v, "#####.#"}; }

// Characters printed in the raised size on the same line ("3" of m³, "1/2").
struct Raised {
  std::string_view text;
};
inline Raised raised(std::string_view text) { return {text}; }

// The end of a Froude-number line of section (2), chosen by the Froude
// number as the page received it (already rounded to three decimals, so a
// value that rounds to 1.000 is critical flow).
inline std::string_view froude_comparison(Single Fr) {
  if (Fr < 1) return "    < 1  (常　流)";
  if (Fr == 1) return "    = 1  (限界流)";
  return "    > 1  (射　流)";
}

// One item of a sheet line: literal text, a number in its field, or raised
// characters.
using SheetItem = std::variant<std::string_view, Field, Raised>;

class Sheet {
 public:
  explicit Sheet(rt::Printer& printer);

  // The opening of every page, before its own content: units, face, the
  // header line (`sheet_title` after 18 blanks when opt_header is 1), the
  // sheet heading block in the title size (`heading` and the formula's name
  // when opt_title is 1, else as many empty lines) and last the first
  // section heading "（１）計算条件". Every combination of the options leaves
  // that heading at the same height (y 321). A page that wants more room
  // under its heading block asks for `extra_title_lines` more empty lines in
  // the title size there (each moves the rest of the page down by 42).
  void open_page(const SheetOptions& options, const std::string& sheet_title, std::string_view heading,
                 int extra_title_lines = 0);

  // The opening of a page after the first of a sheet of several pages: the
  // units, the face and the body size only, with neither the header line
  // nor the sheet heading; the page's own lines start at the top (y 0).
  void open_following_page(const SheetOptions& options);

  // One line: the left margin, then the items one after the other, then the
  // line break in the body size.
  void row(std::initializer_list<SheetItem> items);

  // A line whose last piece, `raised_end`, is printed in the raised size and
  // ends the line there: its advance is the raised size's line height (28),
  // not the body size's. The body size is set again afterwards.
  void row_ending_raised(std::initializer_list<SheetItem> items, std::string_view raised_end);

  // Empty lines in the body size (section breaks, the room of the sketch).
  void empty_lines(int count);

  // The printer object, for the sketch of section (3).
  rt::Printer& printer() { return printer_; }
  const std::string& left_margin() const { return left_margin_; }

 private:
  void print_item(const SheetItem& item);

  rt::Printer& printer_;
  std::string left_margin_;
};

}  // namespace frame
