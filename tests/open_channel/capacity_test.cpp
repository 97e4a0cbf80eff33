// Every solution carries at least Q: the back-calculated discharge of the
// unrounded values is never below the discharge asked for.
#include <gtest/gtest.h>

#include "open_channel/solvers/section_solutions.hpp"
#include "realistic_channels.hpp"

namespace {

using frame::SolveStatus;
using open_channel::DepthSearch;

constexpr int kChannels = 400;
constexpr auto kProgramSearch = DepthSearch::plain_then_bracketed;

TEST(Capacity, TrapezoidUniformCarriesQ) {
  for (const auto& c : open_channel_test::realistic_trapezoids(kChannels, 11)) {
    open_channel::TrapezoidUniformFlow flow;
    ASSERT_EQ(open_channel::solve_trapezoid_uniform(c, kProgramSearch, flow), SolveStatus::solved);
    EXPECT_GE(flow.QD.value(), c.Q.value()) << "Q " << c.Q.value() << " B " << c.B.value();
  }
}

TEST(Capacity, TrapezoidCriticalCarriesQ) {
  for (const auto& c : open_channel_test::realistic_trapezoids(kChannels, 12)) {
    open_channel::TrapezoidCriticalFlow flow;
    ASSERT_EQ(open_channel::solve_trapezoid_critical(c, kProgramSearch, flow), SolveStatus::solved);
    EXPECT_GE(flow.QDc.value(), c.Q.value()) << "Q " << c.Q.value() << " B " << c.B.value();
  }
}

TEST(Capacity, RectangleUniformCarriesQ) {
  for (const auto& c : open_channel_test::realistic_rectangles(kChannels, 13)) {
    open_channel::RectangleUniformFlow flow;
    ASSERT_EQ(open_channel::solve_rectangle_uniform(c, kProgramSearch, flow), SolveStatus::solved);
    EXPECT_GE(flow.QD.value(), c.Q.value()) << "Q " << c.Q.value() << " B " << c.B.value();
  }
}

TEST(Capacity, RectangleCriticalCarriesQ) {
  for (const auto& c : open_channel_test::realistic_rectangles(kChannels, 14)) {
    open_channel::RectangleCriticalFlow flow;
    ASSERT_EQ(open_channel::solve_rectangle_critical(c, flow), SolveStatus::solved);
    EXPECT_GE(flow.QDc.value(), c.Q.value()) << "Q " << c.Q.value() << " B " << c.B.value();
  }
}

}  // namespace
