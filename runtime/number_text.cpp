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

// The characters of `t` as code points, each with its length in bytes of
// UTF-8; a byte that starts no whole sequence stands for itself.
struct CodePoint {
  char32_t value;
  std::size_t length;
};

CodePoint code_point_at(std::string_view t, std::size_t i) {
  const auto b = [&](std::size_t k) { return static_cast<unsigned char>(t[i + k]); };
  const auto follows = [&](std::size_t k) { return i + k < t.size() && (b(k) & 0xC0) == 0x80; };
  if (b(0) >= 0xC2 && b(0) <= 0xDF && follows(1)) return {char32_t((b(0) & 0x1F) << 6 | (b(1) & 0x3F)), 2};
  if (b(0) >= 0xE0 && b(0) <= 0xEF && follows(1) && follows(2)) {
    return {char32_t((b(0) & 0x0F) << 12 | (b(1) & 0x3F) << 6 | (b(2) & 0x3F)), 3};
  }
  return {b(0), 1};
}

// What a number typed with the input method on reads as: the full-width
// forms U+FF01 to U+FF5E ("４．５", "－１Ｅ３", "＆Ｈ１Ｆ") as their half-width
// characters, the ideographic space as a blank, the minus sign and the dashes
// that stand for one ("−０．５", U+2212, is how the input method commits
// -0.5) as "-", and the ideographic full stop ("。５" for .5, since the input
// method turns a point with no digit before it into "。") as the point. So
// the number read is the one the field shows; other text is kept.
char ascii_reading(char32_t c) {
  if (c >= 0xFF01 && c <= 0xFF5E) return static_cast<char>(c - 0xFF01 + 0x21);
  switch (c) {
    case 0x3000:  // ideographic space
      return ' ';
    case 0x2010:  // hyphen
    case 0x2011:  // non-breaking hyphen
    case 0x2012:  // figure dash
    case 0x2013:  // en dash
    case 0x2212:  // minus sign
    case 0xFE63:  // small hyphen-minus
      return '-';
    case 0x3002:  // ideographic full stop
    case 0xFF61:  // its half-width form
      return '.';
    default:
      return 0;
  }
}

std::string as_typed_number(std::string_view t) {
  std::string out;
  out.reserve(t.size());
  for (std::size_t i = 0; i < t.size();) {
    const CodePoint c = code_point_at(t, i);
    const char ascii = c.length > 1 ? ascii_reading(c.value) : 0;
    if (ascii) {
      out += ascii;
    } else {
      out.append(t.substr(i, c.length));
    }
    i += c.length;
  }
  return out;
}

}  // namespace

ValResult VAL(std::string_view text) {
  ValResult r;
  scan(as_typed_number(text), &r);
  return r;
}

std::size_t val_number_length(std::string_view text) { return scan(text, nullptr); }

}  // namespace rt
