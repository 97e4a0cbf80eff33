// velmora: single-section open channel of trapezoidal shape.
#include "open_channel/program_tables.hpp"

int main(int argc, char** argv) {
  frame::Program program;
  open_channel::find_program("velmora", &program);
  return frame::run_program(argc, argv, "velmora", program);
}
