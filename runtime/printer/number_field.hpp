// Format texts of print statements: "@" takes a text item whole, a run of
// "#" with one "." takes a number, with as many places before the point as
// "#" before it and as many decimals as "#" after it ("#####.###" is nine
// characters wide). Any other character of a format is printed as it is.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace rt {

struct NumberField {
  int places = 0;    // characters before the point, the minus sign included
  int decimals = 0;  // characters after the point
  bool point = true;
  friend bool operator==(const NumberField&, const NumberField&) = default;
};

// The number in its field: rounded to the field's decimals on the exact
// decimal digits of the single-precision value (a first dropped digit of 5
// or more rounds the magnitude up, so halves go away from zero), right
// aligned with leading blanks, "0" before the point of a value below 1 when
// a place is free for it, and the minus sign in one of the places. A value
// whose integer part (with its sign) needs more places than the field has
// is written as "%" followed by its number text, wider than the field. A
// value that rounds to zero is written without a minus sign.
std::string format_number_field(float value, const NumberField& field);

// One piece of a parsed format: literal text, a text field or a number field.
struct TextField {
  friend bool operator==(const TextField&, const TextField&) = default;
};
using FormatPiece = std::variant<std::string, TextField, NumberField>;

// Splits a format text into its pieces, in order.
std::vector<FormatPiece> parse_format(std::string_view format);

}  // namespace rt
