// Key presses sent to the X server through XTest with the timing of a
// person's hands: each key is held for `hold` and followed by `gap`.
#pragma once

#include <X11/Xlib.h>

#include <chrono>
#include <string>

namespace xtest {

using std::chrono::milliseconds;

struct Timing {
  milliseconds hold{15};
  milliseconds gap{40};
};

class Keyboard {
 public:
  explicit Keyboard(Display* display, Timing timing = {}) : display_(display), timing_(timing) {}

  void press(KeySym key);
  void release(KeySym key);
  // A press held for the timing's hold, then the gap.
  void tap(KeySym key);
  // A key held down for this long (auto-repeat runs meanwhile), then the gap.
  void hold(KeySym key, milliseconds how_long);
  // Ctrl+A, Alt+E and the like: the modifier is held around the key's tap.
  void chord(KeySym modifier, KeySym key);
  // Types digits, lower-case letters, '.', '-' and blanks one tap each.
  void type(const std::string& text);
  // Selects what the focused edit holds and types `text` over it.
  void retype(const std::string& text);
  // A click of the left mouse button at this point of the screen.
  void click(int x, int y);

 private:
  void send(KeySym key, bool down);
  void wait(milliseconds how_long);

  Display* display_;
  Timing timing_;
};

}  // namespace xtest
