#include "window_labels.hpp"

#include <gtest/gtest.h>

namespace testing_support {

void expect_labels(const Labels& dump, const Labels& expected, const std::string& context) {
  for (const auto& [name, text] : expected) {
    ASSERT_TRUE(dump.count(name)) << context << ": " << name;
    EXPECT_EQ(dump.at(name), text) << context << ": " << name;
  }
}

void expect_no_bad_numbers(const Labels& dump, const std::string& context) {
  for (const auto& [name, text] : dump) {
    for (const char* bad : {"nan", "inf", "NaN", "INF", "Inf"}) {
      EXPECT_EQ(text.find(bad), std::string::npos) << context << ": " << name << "=" << text;
    }
  }
}

Labels with(Labels labels, const Labels& changes) {
  for (const auto& [name, text] : changes) labels[name] = text;
  return labels;
}

Labels without(Labels labels, std::initializer_list<const char*> names) {
  for (const char* name : names) labels.erase(name);
  return labels;
}

}  // namespace testing_support
