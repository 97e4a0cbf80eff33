// A program waiting for input on a real X server sleeps: the main loop waits
// until a key, a focus change or an event comes, so the program wakes only
// for the caret's blink and what the desktop sends, however long it waits.
// What that costs in CPU depends on how busy the machine is; the figure is
// measured side by side by tools/measure-desk.sh.
#include <thread>

#include "x_fixture.hpp"

namespace xtest {
namespace {

using namespace std::chrono_literals;

class IdleCpu : public OnXServer, public ::testing::WithParamInterface<std::string> {};

TEST_P(IdleCpu, SleepsUntilInputWithTheFocusInAField) {
  auto program = start(GetParam());
  ASSERT_TRUE(program->started());
  const long wakeups_before = program->process().wakeups();
  const auto cpu_before = program->process().cpu_time();
  std::this_thread::sleep_for(10s);
  const long wakeups = program->process().wakeups() - wakeups_before;
  const auto cpu = program->process().cpu_time() - cpu_before;
  // A loop that looked at the keys every few milliseconds would wake
  // hundreds of times a second; one that never slept would use the whole
  // 10 s of a core.
  EXPECT_LT(wakeups, 10 * 30) << "wakes up over 30 times a second";
  EXPECT_LT(cpu, 2s) << "does not sleep";
  ASSERT_TRUE(program->process().running()) << "the program is still there";
}

INSTANTIATE_TEST_SUITE_P(EveryProgram, IdleCpu, ::testing::ValuesIn(all_programs()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace xtest
