// A Japanese input method on the test's X server: fcitx5 with mozc, on a
// session bus of its own, set to compose in hiragana from the start in
// every field that takes input-method text.
#pragma once

#include <map>
#include <string>
#include <vector>

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
  // Waits until the input context with the focus composes (mozc on), as a
  // person waits to see the input method on before typing into a field;
  // false when it never does. A window's input context comes into being
  // when a field that takes input-method text first has the focus, a
  // moment after the focus shows there.
  bool wait_composing() const;

 private:
  // The bus's answer to a method call, as dbus-send prints it.
  std::string ask(const std::vector<std::string>& call) const;

  testing_support::TempDir home_;
  const Unprivileged& as_;
  std::map<std::string, std::string> env_;
  std::string bus_;
  ChildProcess bus_daemon_;
  ChildProcess fcitx_;
  std::string problem_;
};

// Whether fcitx5, its mozc engine and its Qt 6 module are installed.
bool input_method_available();

}  // namespace xtest
