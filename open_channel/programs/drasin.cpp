// drasin: single-section open channel of rectangular shape.
#include "open_channel/program_tables.hpp"

int main(int argc, char** argv) {
  frame::Program program;
  open_channel::find_program("drasin", &program);
  return frame::run_program(argc, argv, "drasin", program);
}
