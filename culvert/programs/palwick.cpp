// palwick: partly full circular pipe culvert.
#include "culvert/program_tables.hpp"

int main(int argc, char** argv) {
  frame::Program program;
  culvert::find_program("palwick", &program);
  return frame::run_program(argc, argv, "palwick", program);
}
