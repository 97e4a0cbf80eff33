// The fixture of the X server suites: a fresh X server for each test, and
// a skip when the machine has none to offer.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "program_under_x.hpp"
#include "x_keyboard.hpp"
#include "x_server.hpp"

namespace xtest {

class OnXServer : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!x_server_available()) GTEST_SKIP() << "Xvfb or openbox is not installed";
    server_ = std::make_unique<XServer>();
    ASSERT_EQ(server_->problem(), "");
  }

  // Starts the program (as `as`, when given) and waits, as a person does
  // before typing, until its window is active and shows the focus in its
  // first field.
  std::unique_ptr<ProgramUnderX> start(const std::string& program, std::map<std::string, std::string> env = {},
                                       const Unprivileged* as = nullptr) {
    auto p = std::make_unique<ProgramUnderX>(*server_, program, std::move(env), "", as);
    if (p->started() && !p->wait_focus_shown()) ADD_FAILURE() << program << " showed the focus in no field";
    return p;
  }

  XServer& server() { return *server_; }
  Keyboard keys(Timing timing = {}) { return Keyboard(server_->display(), timing); }

 private:
  std::unique_ptr<XServer> server_;
};

}  // namespace xtest
