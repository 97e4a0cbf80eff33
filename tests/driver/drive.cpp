// drive PROGRAM SCRIPT: runs a real program offscreen in the current
// directory and performs the script's actions on it, one a line, as a user
// would: typing, keys, input-method compositions, clicks, menu commands.
// Message boxes are answered OK and reported on stdout as
// "msgbox TITLE: TEXT"; `dump` prints every control of every open form as
// NAME=TEXT and every menu item as "menu NAME enabled|grey".
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "program_registry.hpp"
#include "runtime/driver_hooks.hpp"
#include "script.hpp"
#include "script_runner.hpp"

namespace {

// A message's line breaks are shown as "\n" so that each box is one line.
std::string one_line(std::string text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    if (text[i] == '\n' || text[i] == '\r') out += "\\n";
    else out += text[i];
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: drive PROGRAM SCRIPT\n");
    return 2;
  }
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  const std::string program_name = argv[1];
  std::vector<drive::Action> actions;
  std::string error;
  if (!drive::read_script(argv[2], &actions, &error)) {
    std::fprintf(stderr, "drive: %s\n", error.c_str());
    return 2;
  }
  frame::Program program;
  if (!drive::find_program(program_name, &program)) {
    std::fprintf(stderr, "drive: no program named %s\n", program_name.c_str());
    return 2;
  }
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);

  rt::driver::Hooks hooks;
  hooks.message_box = [](const std::string& title, const std::string& text) {
    std::printf("msgbox %s: %s\n", title.c_str(), one_line(text).c_str());
  };
  hooks.open_document = [](const std::string& path) { std::printf("open %s\n", path.c_str()); };
  hooks.beep = [] { std::printf("beep\n"); };
  rt::driver::set_hooks(hooks);

  drive::ScriptRunner runner(actions);
  std::thread script([&runner] { runner.run(); });

  int qt_argc = 1;
  char* qt_argv[] = {argv[0], nullptr};
  const int exit_code = frame::run_program(qt_argc, qt_argv, program_name, program);

  if (!runner.finished()) {
    // The program ended by itself (a refused second copy, a runtime error):
    // said on stdout, and the driver ends with the program's exit code.
    std::printf("ended %d\n", exit_code);
    std::fflush(nullptr);
    std::_Exit(exit_code);
  }
  script.join();
  if (runner.failed()) return 3;
  return exit_code;
}
