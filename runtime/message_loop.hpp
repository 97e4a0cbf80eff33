// The window-message side of the main loop: processing waiting messages,
// pauses that keep the windows live, and the end of the program.
#pragma once

#include <atomic>

namespace rt {

// Processes every waiting window message. Ends the program (throws
// ProgramEnd) once its main window has been closed.
void process_messages();

// Waits the given milliseconds while processing window messages.
void pause(int milliseconds);

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

}  // namespace rt
