// Inside the runtime: how the keyboard watch and the event queue tell the
// main loop that something it acts on has arrived, and what the loop asks of
// them before it pauses or sleeps.
#pragma once

namespace rt::detail {

// Something the main loop acts on has arrived (a key press or release, a
// focus change, a queued event, the end): a sleep ends, and a pause ends
// when the loop now has work waiting.
void wake_loop();

// A focus change: the loop's current pass looked at a field that may no
// longer have the focus, so its remaining pauses are skipped.
void note_focus_change();

// Waits, keeping the windows live, until something arrives (wake_loop) or
// at most the given milliseconds.
void wait_for_arrival(int milliseconds);

// The keyboard holds a press that no read has taken yet, and no other key
// is being waited out (keyboard.cpp).
bool key_press_waiting();

// An event is queued (events.cpp).
bool event_waiting();

}  // namespace rt::detail
