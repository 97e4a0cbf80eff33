#include "runtime/number_text.hpp"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace rt {

namespace {

// Six significant digits of |x|, the sixth rounded by the seventh of the
// correctly rounded eight-digit decimal, trailing zeros removed. `exponent`
// is the decimal position of the first digit (value = d.ddd × 10^exponent).
struct SixDigits {
  std::string mantissa;
  int exponent = 0;
};

SixDigits six_digits(float magnitude) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.7e", static_cast<double>(magnitude));
  // buf holds "d.ddddddde±xx": eight digits, then the exponent.
  std::string digits;
  digits += buf[0];
  digits.append(buf + 2, 7);
  int exponent = std::atoi(std::strchr(buf, 'e') + 1);

  long kept = std::atol(digits.substr(0, 6).c_str());
  if (digits[6] >= '5') ++kept;
  if (kept == 1000000) {  // carry out of the first digit
    kept = 100000;
    ++exponent;
  }
  std::string mantissa = std::to_string(kept);
  while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();
  return {mantissa, exponent};
}

std::string two_digit_exponent(int exponent) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
  return buf;
}

}  // namespace

std::string number_text(float x) {
  if (std::isnan(x)) return " NaN";
  std::string text = std::signbit(x) && x != 0 ? "-" : " ";
  if (std::isinf(x)) return text + "INF";
  if (x == 0) return text + "0";

  const SixDigits d = six_digits(std::fabs(x));
  const std::string& m = d.mantissa;
  const int e = d.exponent;
  const int len = static_cast<int>(m.size());

  if (e >= 0 && e <= 5) {
    const int int_digits = e + 1;
    if (len > int_digits) return text + m.substr(0, int_digits) + "." + m.substr(int_digits);
    return text + m + std::string(int_digits - len, '0');
  }
  if (e < 0 && (-e - 1) + len <= 6) return text + "." + std::string(-e - 1, '0') + m;

  text += m.substr(0, 1);
  if (len > 1) text += "." + m.substr(1);
  return text + "E" + two_digit_exponent(e);
}

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_blank(char c) { return c == ' ' || c == '\t'; }

int digit_value(char c, int base) {
  int v = -1;
  if (is_digit(c)) v = c - '0';
  else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
  return v >= 0 && v < base ? v : -1;
}

// "&H..." or "&O...": whole numbers of the runtime's integer types. Up to
// four hexadecimal (six octal) digits read as a 16-bit value, so &HFFFF is
// -1; longer ones as 32-bit values; more is out of range.
std::size_t scan_radix(std::string_view t, std::size_t i, ValResult* out) {
  const int base = (t[i + 1] == 'H' || t[i + 1] == 'h') ? 16 : 8;
  std::size_t j = i + 2;
  std::uint64_t v = 0;
  int count = 0;
  bool too_long = false;
  for (; j < t.size() && digit_value(t[j], base) >= 0; ++j) {
    v = v * base + digit_value(t[j], base);
    if (v > 0xFFFFFFFFull) too_long = true;
    ++count;
  }
  if (count == 0) return 0;
  if (out) {
    const int short_digits = base == 16 ? 4 : 6;
    if (too_long) {
      out->out_of_range = true;
      out->value = HUGE_VAL;
    } else if (count <= short_digits && v <= 0xFFFF) {
      out->value = static_cast<std::int16_t>(static_cast<std::uint16_t>(v));
    } else {
      out->value = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    }
  }
  return j;
}

// Decimal number: [sign] digits [. digits] [E|D [sign] digits].
std::size_t scan_decimal(std::string_view t, std::size_t i, ValResult* out) {
  std::size_t j = i;
  std::string normal;
  if (j < t.size() && (t[j] == '+' || t[j] == '-')) normal += t[j++];
  const std::size_t mantissa_start = j;
  while (j < t.size() && is_digit(t[j])) normal += t[j++];
  bool have_digits = j > mantissa_start;
  if (j < t.size() && t[j] == '.') {
    std::size_t k = j + 1;
    while (k < t.size() && is_digit(t[k])) ++k;
    if (k > j + 1) have_digits = true;
    if (have_digits) {
      normal.append(t.substr(j, k - j));
      j = k;
    }
  }
  if (!have_digits) return 0;
  if (j < t.size() && (t[j] == 'E' || t[j] == 'e' || t[j] == 'D' || t[j] == 'd')) {
    std::size_t k = j + 1;
    if (k < t.size() && (t[k] == '+' || t[k] == '-')) ++k;
    const std::size_t exp_digits = k;
    while (k < t.size() && is_digit(t[k])) ++k;
    if (k > exp_digits) {
      normal += 'E';
      normal.append(t.substr(j + 1, k - j - 1));
      j = k;
    }
  }
  if (out) {
    const double v = std::strtod(normal.c_str(), nullptr);
    // A value beyond the single precision range keeps its sign as an
    // infinity, the mark of an out-of-range input.
    if (std::isinf(static_cast<float>(v))) {
      out->out_of_range = true;
      out->value = std::copysign(HUGE_VAL, v);
    } else {
      out->value = v;
    }
  }
  return j;
}

std::size_t scan(std::string_view t, ValResult* out) {
  std::size_t i = 0;
  while (i < t.size() && is_blank(t[i])) ++i;
  if (i >= t.size()) return 0;
  if (t[i] == '&' && i + 1 < t.size()) {
    const char r = t[i + 1];
    if (r == 'H' || r == 'h' || r == 'O' || r == 'o') return scan_radix(t, i, out);
    return 0;
  }
  return scan_decimal(t, i, out);
}

// A number typed with the input method on comes in full-width forms
// ("４．５", "－１Ｅ３", "＆Ｈ１Ｆ"): each full-width form of U+FF01 to U+FF5E
// becomes its half-width character and the ideographic space a blank, so
// that the number read is the one the field shows. Other text is kept.
std::string half_width_forms(std::string_view t) {
  std::string out;
  out.reserve(t.size());
  for (std::size_t i = 0; i < t.size(); ++i) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(t[i + k]); };
    if (i + 2 < t.size() && b(0) == 0xEF && (b(1) == 0xBC || b(1) == 0xBD) && b(2) >= 0x80 && b(2) <= 0xBF) {
      // U+FF00 + k, with k = (second byte - 0xBC) * 64 + third byte - 0x80.
      const int k = (b(1) - 0xBC) * 64 + (b(2) - 0x80);
      if (k >= 0x01 && k <= 0x5E) {
        out += static_cast<char>(0x20 + k);
        i += 2;
        continue;
      }
    }
    if (i + 2 < t.size() && b(0) == 0xE3 && b(1) == 0x80 && b(2) == 0x80) {
      out += ' ';
      i += 2;
      continue;
    }
    out += t[i];
  }
  return out;
}

}  // namespace

ValResult VAL(std::string_view text) {
  ValResult r;
  scan(half_width_forms(text), &r);
  return r;
}

std::size_t val_number_length(std::string_view text) { return scan(text, nullptr); }

}  // namespace rt
