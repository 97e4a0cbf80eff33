#include "frame/number_display.hpp"

#include <cmath>
#include <cstdio>

#include "runtime/number_text.hpp"

namespace frame {

Single RC45(Single x, Single d) {
  const rt::Ext ten_to_the_d = rt::pow(10, d);  // exact: 1000 for d = 3
  const Single t = x * ten_to_the_d;
  // r := the integer part of t ± 0.5. t is a single: from 2^23 on it is a
  // whole number already, and below that t ± 0.5 is exact in a double, whose
  // conversion to a whole number cuts towards zero.
  Single r;
  const double td = t.value();
  if (!(std::fabs(td) < 0x1p23)) {
    r = t;
  } else if (t >= 0) {
    r = static_cast<rt::Ext>(static_cast<long long>(td + 0.5));
  } else {
    r = static_cast<rt::Ext>(static_cast<long long>(td - 0.5));
  }
  return r / ten_to_the_d;
}

namespace {

// Index (1-based) of the first "." among the first eight characters, or -1.
int point_position(const std::string& t) {
  const auto p = t.substr(0, 8).find('.');
  return p == std::string::npos ? -1 : static_cast<int>(p) + 1;
}

// Exact decimal expansion of x, cut after the third decimal. Sixty printed
// decimals are far more than a float's value needs to settle its first
// three, so the printer's rounding never reaches them.
std::string fixed_three_decimals(float x) {
  char buf[128];
  std::snprintf(buf, sizeof buf, "%.60f", std::fabs(static_cast<double>(x)));
  std::string s = buf;
  s.resize(s.find('.') + 4);
  return (x < 0 ? "-" : "") + s;
}

}  // namespace

std::string CHR_TO_STR(Single x) {
  std::string t = rt::number_text(x.value());
  if (t.find('E') != std::string::npos) return fixed_three_decimals(x.value());
  const bool negative = t[0] == '-';

  t = t.substr(1, 8);  // drop the sign column
  int p = point_position(t);
  if (p == 1) {
    t = ("0" + t).substr(0, 8);
  } else if (p == -1) {
    t += ".0000";
  }
  t += "0000";
  p = point_position(t);
  return (negative ? "-" : "") + t.substr(0, p + 3);
}

}  // namespace frame
