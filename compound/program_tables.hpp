// The frame's tables of quorvel and mestra.
#pragma once

#include <string_view>

#include "frame/run_program.hpp"

namespace compound {

// The program of this name ("quorvel" or "mestra"); false when there is none.
bool find_program(std::string_view name, frame::Program* program);

}  // namespace compound
