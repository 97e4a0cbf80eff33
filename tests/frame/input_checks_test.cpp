// The checks and texts every calculate command shares.
#include <gtest/gtest.h>

#include <cmath>

#include "frame/input_checks.hpp"
#include "frame/number_display.hpp"

namespace {

using frame::InputCheck;
using frame::Rule;

TEST(FlowState, RoundedFroudeNumbersOnEitherSideOfOne) {
  EXPECT_EQ(frame::flow_state_text(frame::RC45(0.999f, 3)), "<1 常　流");
  EXPECT_EQ(frame::flow_state_text(frame::RC45(1.0f, 3)), "=1 限界流");
  EXPECT_EQ(frame::flow_state_text(frame::RC45(0.9995f, 3)), "=1 限界流");
  EXPECT_EQ(frame::flow_state_text(frame::RC45(1.001f, 3)), ">1 射　流");
}

TEST(InputChecks, FirstFailureInOrderWithItsRule) {
  const frame::Single inf = static_cast<rt::Ext>(HUGE_VAL);
  EXPECT_EQ(*frame::first_input_error({{0.0f, Rule::positive, "Q"}, {-1.0f, Rule::positive, "I"}}),
            "[ Q > 0 ] にしてください");
  EXPECT_EQ(*frame::first_input_error({{1.0f, Rule::positive, "Q"}, {-0.001f, Rule::not_negative, "Fb+"}}),
            "[ Fb+ ≧ 0 ] にしてください");
  EXPECT_FALSE(frame::first_input_error({{1.0f, Rule::positive, "Q"}, {0.0f, Rule::not_negative, "Fb*"}}));
  // An out-of-range value is named even under a rule it would pass.
  EXPECT_EQ(*frame::first_input_error({{1.0f, Rule::positive, "Q"}, {inf, Rule::not_negative, "Fb+"}}),
            "[ Fb+ ] の値が範囲外です");
  EXPECT_EQ(*frame::first_input_error({{0.0f, Rule::positive, "Q"}, {inf, Rule::positive, "I"}}),
            "[ Q > 0 ] にしてください");
}

}  // namespace
