#include "drive_checks.hpp"

#include <gtest/gtest.h>

#include "drive_run.hpp"

namespace testing_support {

std::string focus_after(const std::string& program, const std::string& script) {
  TempDir dir;
  return drive(dir, program, script + "dump\n").dump().at("focus");
}

void expect_refused_calculation(const std::string& program, const std::string& script, const std::string& message,
                                const std::string& used_label) {
  TempDir dir;
  const auto run = drive(dir, program, script + "menu CALC\ndump\n");
  ASSERT_EQ(run.message_boxes().size(), 1u) << program << ": " << script;
  EXPECT_EQ(run.message_boxes()[0], message) << program << ": " << script;
  EXPECT_EQ(run.dump().at("menu PRNT"), "grey") << program << ": " << script;
  EXPECT_EQ(run.dump().at(used_label), "0.000") << program << ": " << script;
}

}  // namespace testing_support
