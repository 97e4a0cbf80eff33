#include "program_registry.hpp"

#include "compound/program_tables.hpp"
#include "culvert/program_tables.hpp"
#include "open_channel/program_tables.hpp"

namespace drive {

bool find_program(const std::string& name, frame::Program* program) {
  return open_channel::find_program(name, program) || compound::find_program(name, program) ||
         culvert::find_program(name, program);
}

}  // namespace drive
