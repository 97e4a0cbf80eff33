// quorvel: compound-section channel with a trapezoidal main channel.
#include "compound/program_tables.hpp"

int main(int argc, char** argv) {
  frame::Program program;
  compound::find_program("quorvel", &program);
  return frame::run_program(argc, argv, "quorvel", program);
}
