// The runtime's start: the window system, the Japanese faces, Qt's own texts
// in Japanese, the keyboard and input-method watch, and the program's form
// descriptions.
#pragma once

#include <string>

#include "runtime/runtime_error.hpp"

namespace rt {

class Application {
 public:
  // `program_name` names the program's form descriptions (forms/<name>.json)
  // and its single-copy lock.
  Application(int& argc, char** argv, const std::string& program_name);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  static const std::string& program_name();

 private:
  struct Impl;
  Impl* impl_;
};

// The runtime's report of an untrapped runtime error: a message box with the
// message, the module and the line.
void report_runtime_error(const RuntimeError& error);

}  // namespace rt
