// Starting a program: the runtime builds and shows the main window from its
// description, the frame and the program register their procedures, and the
// start-up code runs until the program ends.
#pragma once

#include <functional>
#include <string>

#include "frame/main_module.hpp"
#include "frame/program_table.hpp"

namespace frame {

struct Program {
  ProgramTable table;
  // Registers the program's own procedures (calculate and print commands)
  // and sets its sketch routine on the main module.
  std::function<void(MainModule&)> install;
};

// Runs the program; returns its exit code. An untrapped runtime error is
// reported by the runtime and ends the program with exit code 1.
int run_program(int& argc, char** argv, const std::string& program_name, const Program& program);

}  // namespace frame
