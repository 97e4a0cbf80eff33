// The frame's tables of palwick and soberin.
#pragma once

#include <string_view>

#include "frame/run_program.hpp"

namespace culvert {

// The program of this name ("palwick" or "soberin"); false when there is none.
bool find_program(std::string_view name, frame::Program* program);

}  // namespace culvert
