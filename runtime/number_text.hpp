// Number text: how the runtime writes a single precision number as text
// (the text behind every displayed number and every saved input), and VAL,
// the runtime's conversion from text to number.
#pragma once

#include <string>
#include <string_view>

namespace rt {

// The plain text of a single precision number: a blank or "-" in the sign
// column, then at most six significant digits. Eight significant digits are
// generated (the correctly rounded 8-digit decimal of the float); the seventh
// alone decides whether the sixth goes up. Fixed notation for values from 1
// up to 999999, and below 1 when six decimals suffice (no "0" before the
// point); exponent notation otherwise ("1.23457E+06", "1.23456E-02").
std::string number_text(float x);

// Result of VAL: the number read. A number beyond the single precision range
// is marked out of range and given as an infinity of its sign, so that a
// Single that stores it holds the out-of-range mark.
struct ValResult {
  double value = 0.0;
  bool out_of_range = false;
};

// VAL: leading blanks are skipped; "&H" and "&O" read a hexadecimal or octal
// whole number; otherwise an optional sign, digits with an optional point and
// an optional exponent (E or D), read up to the first character that cannot
// continue the number (a blank ends it). Text that does not start like a
// number gives 0. A number beyond the single precision range is reported as
// out of range instead of being stored. The text is the program's own
// (UTF-8): the full-width forms of U+FF01 to U+FF5E ("４．５") read as their
// half-width characters and the ideographic space as a blank, so that a
// number typed with the input method on is the number the field shows.
ValResult VAL(std::string_view text);

// How many leading bytes of `text` form a number of half-width characters
// as VAL reads it (after leading blanks, which are counted), or 0 when none
// does: a number field of a file, where no full-width form is a digit.
std::size_t val_number_length(std::string_view text);

}  // namespace rt
