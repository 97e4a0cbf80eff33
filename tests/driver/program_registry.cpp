#include "program_registry.hpp"

#include "open_channel/program_tables.hpp"

namespace drive {

bool find_program(const std::string& name, frame::Program* program) {
  return open_channel::find_program(name, program);
}

}  // namespace drive
