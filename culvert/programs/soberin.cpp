// soberin: flow capacity of a circular pipe culvert.
#include "culvert/program_tables.hpp"

int main(int argc, char** argv) {
  frame::Program program;
  culvert::find_program("soberin", &program);
  return frame::run_program(argc, argv, "soberin", program);
}
