// The window-message side of the main loop: processing waiting messages,
// pauses that keep the windows live, the loop's sleep while nothing happens,
// and the end of the program.
#pragma once

#include <atomic>

namespace rt {

// Processes every waiting window message. Ends the program (throws
// ProgramEnd) once its main window has been closed.
void process_messages();

// Waits the given milliseconds while processing window messages. A pause
// ends early when the main loop has something to act on that this pause
// would only delay: a queued event, a key press it has not read, or a focus
// change that makes the rest of its pass look at the wrong field.
void pause(int milliseconds);

// The end of one pass of the main loop. When nothing the loop acts on has
// arrived since the previous pass ended (no key press or release of Enter,
// Up or Down, no focus change, no queued event), the next pass would see
// just what this one saw: the loop then sleeps until such a message
// arrives, keeping the windows live meanwhile. Otherwise it returns at once.
void sleep_until_input();

// Ends the program with this exit code (the end statement).
[[noreturn]] void end_program(int exit_code);

// Asked by the main window's close box: the program ends at its next wait.
void request_end();

// Counters the test driver watches to know when the program has caught up
// with what it did (written on the program's thread, read from the driver's).
struct LoopActivity {
  std::atomic<long> passes{0};          // passes of the main loop (event_queued calls)
  std::atomic<long> procedures_run{0};  // event procedures finished
  std::atomic<bool> procedure_running{false};
  std::atomic<long> key_reads_down{0};  // reads of Enter, Up or Down that found it held
};
LoopActivity& loop_activity();

// No event is queued and none is running.
bool events_idle();

// On the program's thread: the main loop is asleep in sleep_until_input and
// nothing it acts on has arrived since it fell asleep, so it has seen
// everything there is to see.
bool loop_asleep_and_caught_up();

}  // namespace rt
