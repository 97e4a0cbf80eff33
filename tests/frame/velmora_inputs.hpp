// velmora's saved inputs as the frame's tests hand them to IO_FILE: the
// variables and the list of file name, numbers with their defaults and
// title.
#pragma once

#include <string>

#include "frame/io_file.hpp"

namespace testing_support {

inline const std::string kDefaultTitle = "SP0.00～SP1000.00 右側道路側溝";

// velmora's list: Q, I, B, n, m, Fb+, Fb*, title.
struct VelmoraInputs {
  frame::Single q, i, b, n, m, fb_plus, fb_star;
  std::string title;
  frame::SavedInputs list() {
    return {"LOM_V.DTA",
            {{&q, 0.06f}, {&i, 200.0f}, {&b, 0.3f}, {&n, 0.016f}, {&m, 0.3f}, {&fb_plus, 0.1f}, {&fb_star, 0.07f}},
            &title,
            kDefaultTitle};
  }
};

}  // namespace testing_support
