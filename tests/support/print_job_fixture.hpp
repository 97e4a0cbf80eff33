// A fixture for print drivers run in-process: the print dialog is answered
// in advance (the answers are cleared before and after each test), and the
// message boxes the driver shows are collected instead of waiting for OK.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "runtime/forms.hpp"

namespace testing_support {

// Whether the main window shows the hourglass (the wait cursor) now.
bool hourglass_shown();

class PrintJobTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  rt::Form main_form;
  std::vector<std::pair<std::string, std::string>> boxes;  // title, text
};

}  // namespace testing_support
