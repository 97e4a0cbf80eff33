// Helpers of the culvert window tests: the saved-input record as the
// programs write it, and comparing a dump with the labels a case expects.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "drive_run.hpp"
#include "runtime/cp932.hpp"

namespace culvert_window {

using Labels = std::map<std::string, std::string>;

// Number texts in 14-column zones (each followed by at least one blank),
// then the title in cp932 and CR LF.
inline std::string record(const std::vector<std::string>& numbers, const std::string& title) {
  std::string r;
  for (const std::string& n : numbers) {
    std::string zone = n + " ";
    zone.resize(((zone.size() - 1) / 14 + 1) * 14, ' ');
    r += zone;
  }
  return r + rt::cp932::from_utf8(title).bytes + "\r\n";
}

inline void expect_labels(const Labels& dump, const Labels& expected, const std::string& context) {
  for (const auto& [name, text] : expected) {
    ASSERT_TRUE(dump.count(name)) << context << ": " << name;
    EXPECT_EQ(dump.at(name), text) << context << ": " << name;
  }
}

// Every value and text that 計算 can leave on display: none may read as an
// infinity or an undefined number.
inline void expect_no_bad_numbers(const Labels& dump, const std::string& context) {
  for (const auto& [name, text] : dump) {
    for (const char* bad : {"nan", "inf", "NaN", "INF", "Inf"}) {
      EXPECT_EQ(text.find(bad), std::string::npos) << context << ": " << name << "=" << text;
    }
  }
}

}  // namespace culvert_window
