// What tells quorvel's section from mestra's: the shape of the main channel
// between the two berms. Everything the two programs draw and print
// differently follows from it.
#pragma once

namespace compound {

enum class MainChannel {
  trapezoid,  // quorvel: walls inclined 1:m
  rectangle,  // mestra: vertical walls, no wall slope
};

}  // namespace compound
