// A program waiting for input on a real X server uses next to no CPU: the
// main loop sleeps until a key, a focus change or an event comes.
#include <X11/keysym.h>

#include <cstdio>
#include <thread>

#include "x_fixture.hpp"

namespace xtest {
namespace {

using namespace std::chrono_literals;

class IdleCpu : public OnXServer, public ::testing::WithParamInterface<std::string> {};

TEST_P(IdleCpu, StaysUnderOnePercentWithTheFocusInAField) {
  auto program = start(GetParam());
  ASSERT_TRUE(program->started());
  std::this_thread::sleep_for(1s);
  const auto before = program->process().cpu_time();
  const auto start = std::chrono::steady_clock::now();
  std::this_thread::sleep_for(10s);
  const auto used = program->process().cpu_time() - before;
  const auto elapsed = std::chrono::steady_clock::now() - start;
  const double percent = 100.0 * static_cast<double>(used.count()) /
                         static_cast<double>(std::chrono::duration_cast<std::chrono::nanoseconds>(elapsed).count());
  std::printf("idle CPU of %s: %.3f %% of one core over 10 s\n", GetParam().c_str(), percent);
  RecordProperty("idle_cpu_percent", std::to_string(percent));
  EXPECT_LT(percent, 1.0);
  ASSERT_TRUE(program->process().running()) << "the program is still there";
}

INSTANTIATE_TEST_SUITE_P(EveryProgram, IdleCpu, ::testing::ValuesIn(all_programs()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace xtest
