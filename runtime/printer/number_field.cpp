#include "runtime/printer/number_field.hpp"

#include <cmath>
#include <cstdio>

#include "runtime/number_text.hpp"

namespace rt {

namespace {

// Adds one to a string of decimal digits, growing it on a carry out.
void increment(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  digits.insert(digits.begin(), '1');
}

std::string overflow_text(float value) {
  std::string text = number_text(value);
  if (!text.empty() && text[0] == ' ') text.erase(0, 1);
  return "%" + text;
}

}  // namespace

std::string format_number_field(float value, const NumberField& field) {
  if (!std::isfinite(value)) return overflow_text(value);

  // The exact decimal expansion of the single (a float has at most 149
  // decimals, which "%.160f" prints exactly with glibc).
  char buffer[256];
  std::snprintf(buffer, sizeof buffer, "%.160f", std::fabs(static_cast<double>(value)));
  const std::string exact = buffer;
  const std::size_t point = exact.find('.');
  std::string digits = exact.substr(0, point) + exact.substr(point + 1, field.decimals);
  if (exact[point + 1 + field.decimals] >= '5') increment(digits);

  const std::size_t int_len = digits.size() - field.decimals;
  std::string int_part = digits.substr(0, int_len);
  const std::string fraction = digits.substr(int_len);
  while (!int_part.empty() && int_part[0] == '0') int_part.erase(0, 1);

  const bool zero = int_part.empty() && fraction.find_first_not_of('0') == std::string::npos;
  const bool negative = std::signbit(value) && !zero;
  const int needed = static_cast<int>(int_part.size()) + (negative ? 1 : 0);
  if (needed > field.places) return overflow_text(value);
  if (int_part.empty() && needed < field.places) int_part = "0";

  std::string text = negative ? "-" : "";
  text += int_part;
  if (field.point) text += "." + fraction;
  const int width = field.places + (field.point ? 1 : 0) + field.decimals;
  const int pad = width - static_cast<int>(text.size());
  return std::string(pad > 0 ? pad : 0, ' ') + text;
}

std::vector<FormatPiece> parse_format(std::string_view format) {
  std::vector<FormatPiece> pieces;
  std::size_t i = 0;
  auto literal = [&pieces](char c) {
    if (pieces.empty() || !std::holds_alternative<std::string>(pieces.back())) pieces.emplace_back(std::string());
    std::get<std::string>(pieces.back()) += c;
  };
  while (i < format.size()) {
    const char c = format[i];
    if (c == '@') {
      pieces.emplace_back(TextField{});
      ++i;
      continue;
    }
    const bool starts_number = c == '#' || (c == '.' && i + 1 < format.size() && format[i + 1] == '#');
    if (!starts_number) {
      literal(c);
      ++i;
      continue;
    }
    NumberField field;
    field.point = false;
    while (i < format.size() && format[i] == '#') ++field.places, ++i;
    if (i < format.size() && format[i] == '.') {
      field.point = true;
      ++i;
      while (i < format.size() && format[i] == '#') ++field.decimals, ++i;
    }
    pieces.emplace_back(field);
  }
  return pieces;
}

}  // namespace rt
