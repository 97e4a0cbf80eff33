#include "x_keyboard.hpp"

#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <thread>

namespace xtest {

void Keyboard::send(KeySym key, bool down) {
  XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, key), down ? True : False, CurrentTime);
  // The server has the event before the time is measured from it.
  XSync(display_, False);
}

void Keyboard::wait(milliseconds how_long) { std::this_thread::sleep_for(how_long); }

void Keyboard::press(KeySym key) { send(key, true); }
void Keyboard::release(KeySym key) { send(key, false); }

void Keyboard::tap(KeySym key) { hold(key, timing_.hold); }

void Keyboard::hold(KeySym key, milliseconds how_long) {
  press(key);
  wait(how_long);
  release(key);
  wait(timing_.gap);
}

void Keyboard::chord(KeySym modifier, KeySym key) {
  press(modifier);
  wait(timing_.gap);
  tap(key);
  release(modifier);
  wait(timing_.gap);
}

void Keyboard::type(const std::string& text) {
  for (const char c : text) {
    KeySym key = NoSymbol;
    if (c == '.') key = XK_period;
    else if (c == '-') key = XK_minus;
    else if (c == ' ') key = XK_space;
    else key = XStringToKeysym(std::string(1, c).c_str());
    if (key != NoSymbol) tap(key);
  }
}

void Keyboard::click(int x, int y) {
  XTestFakeMotionEvent(display_, -1, x, y, CurrentTime);
  XSync(display_, False);
  wait(timing_.gap);
  XTestFakeButtonEvent(display_, 1, True, CurrentTime);
  XSync(display_, False);
  wait(timing_.hold);
  XTestFakeButtonEvent(display_, 1, False, CurrentTime);
  XSync(display_, False);
  wait(timing_.gap);
}

void Keyboard::retype(const std::string& text) {
  chord(XK_Control_L, XK_a);
  type(text);
}

}  // namespace xtest
