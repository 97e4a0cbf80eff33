// A Japanese input method on the test's X server: fcitx5 with mozc, on a
// session bus of its own, set to compose in hiragana from the start in
// every field that takes input-method text.
#pragma once

#include <map>
#include <string>

#include "child_process.hpp"
#include "temp_dir.hpp"
#include "unprivileged.hpp"
#include "x_server.hpp"

namespace xtest {

class InputMethod {
 public:
  InputMethod(const XServer& server, const Unprivileged& as);
  ~InputMethod();
  InputMethod(const InputMethod&) = delete;
  InputMethod& operator=(const InputMethod&) = delete;

  // Why it could not start (empty when it runs).
  const std::string& problem() const { return problem_; }
  // What a program needs in its environment to use it.
  std::map<std::string, std::string> environment() const;

 private:
  testing_support::TempDir home_;
  std::string bus_;
  ChildProcess bus_daemon_;
  ChildProcess fcitx_;
  std::string problem_;
};

// Whether fcitx5, its mozc engine and its Qt 6 module are installed.
bool input_method_available();

}  // namespace xtest
