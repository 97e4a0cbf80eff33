// The programs the driver can run, by name.
#pragma once

#include <string>

#include "frame/run_program.hpp"

namespace drive {

bool find_program(const std::string& name, frame::Program* program);

}  // namespace drive
