// The frame's tables of velmora and drasin.
#pragma once

#include <string_view>

#include "frame/run_program.hpp"

namespace open_channel {

// The program of this name ("velmora" or "drasin"); false when there is none.
bool find_program(std::string_view name, frame::Program* program);

}  // namespace open_channel
