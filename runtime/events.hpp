// The event queue: window events (a menu command, an edit's change, a button
// press, a form's start or focus) are queued by the name of the procedure
// that serves them (CALC_ON, EDIT1_CHANGE, MAINFORM_START) and run one at a
// time, to completion and never nested, when the program's main loop asks.
#pragma once

#include <functional>
#include <string>

namespace rt {

// Registers the procedure that serves events of this name (matched without
// regard to case). Events without a procedure are not queued.
void register_procedure(const std::string& name, std::function<void()> procedure);

// Queues the event of this name, if a procedure serves it.
void queue_event(const std::string& name);

// Whether an event is waiting; counts one pass of the program's main loop.
bool event_queued();

// Runs the oldest queued event's procedure. Does nothing when none is queued.
void run_one_event();

// Waits, processing window messages, until one queued event has been run.
void wait_and_run_one_event();

// Drops every queued event (used when the program ends).
void clear_events();

}  // namespace rt
