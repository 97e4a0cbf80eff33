// Keyboard moves between the entry fields of quorvel and mestra: mestra has
// no EDIT10, and both wrap from the title edit EDIT16 to EDIT1.
#include <gtest/gtest.h>

#include "drive_checks.hpp"

namespace {

using testing_support::focus_after;

struct Move {
  const char* program;
  const char* script;
  const char* focus;
};

// clang-format off
const Move kMoves[] = {
    {"mestra",  "click EDIT9\nkey Enter\n",  "EDIT11"},
    {"quorvel", "click EDIT9\nkey Enter\n",  "EDIT10"},
    {"quorvel", "click EDIT10\nkey Down\n",  "EDIT11"},
    {"mestra",  "click EDIT11\nkey Up\n",    "EDIT9"},
    {"mestra",  "click EDIT15\nkey Enter\n", "EDIT16"},
    {"quorvel", "click EDIT16\nkey Enter\n", "EDIT1"},
    {"mestra",  "click EDIT16\nkey Down\n",  "EDIT1"},
    {"quorvel", "key Up\n",                  "EDIT1"},
};
// clang-format on

TEST(CompoundNavigation, EnterUpAndDownFollowEachProgramsFieldOrder) {
  for (const Move& m : kMoves) EXPECT_EQ(focus_after(m.program, m.script), m.focus) << m.program << ": " << m.script;
}

}  // namespace
