// The data of velmora and drasin: inputs as the edits set them, the working
// copies the calculation used, every result for Q and 1.2·Q, in one place
// under the names the programs use. drasin has no side slope.
#pragma once

#include <string>

#include "runtime/number.hpp"

namespace open_channel {

using rt::Single;

struct Model {
  // Inputs, stored by the edits' change events and by the saved-input file.
  Single q_discharge;
  Single slope_inv;
  Single bottom_width;
  Single manning_n;
  Single side_slope;
  Single fb_plus;
  Single fb_star;
  std::string sheet_title;
};

Model& model();

}  // namespace open_channel
