// mestra: compound-section channel with a rectangular main channel.
#include "compound/program_tables.hpp"

int main(int argc, char** argv) {
  frame::Program program;
  compound::find_program("mestra", &program);
  return frame::run_program(argc, argv, "mestra", program);
}
