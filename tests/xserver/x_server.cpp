#include "x_server.hpp"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace xtest {

namespace {

using namespace std::chrono_literals;

bool on_path(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::string rest = path ? path : "/usr/bin:/bin";
  while (!rest.empty()) {
    const auto colon = rest.find(':');
    const std::string folder = rest.substr(0, colon);
    if (::access((folder + "/" + program).c_str(), X_OK) == 0) return true;
    if (colon == std::string::npos) break;
    rest = rest.substr(colon + 1);
  }
  return false;
}

std::vector<unsigned long> long_property(Display* d, Window w, const char* name, Atom type) {
  Atom actual = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  std::vector<unsigned long> values;
  if (XGetWindowProperty(d, w, XInternAtom(d, name, False), 0, 4096, False, type, &actual, &format, &count, &after,
                         &data) == Success &&
      data && format == 32) {
    const auto* longs = reinterpret_cast<unsigned long*>(data);
    values.assign(longs, longs + count);
  }
  if (data) XFree(data);
  return values;
}

// A lost window between listing and reading it is no error of the test's.
int ignore_x_errors(Display*, XErrorEvent*) { return 0; }

}  // namespace

bool x_server_available() { return on_path("Xvfb") && on_path("openbox"); }

XServer::XServer() {
  if (!x_server_available()) {
    problem_ = "Xvfb or openbox is not installed";
    return;
  }
  // Xvfb picks a free display itself and writes its number when it is ready.
  int ready[2];
  if (::pipe(ready) != 0) {
    problem_ = "no pipe";
    return;
  }
  const std::map<std::string, std::string> env = home_environment(home_.path().string());
  xvfb_ = ChildProcess({"Xvfb", "-displayfd", std::to_string(ready[1]), "-screen", "0", "1600x1200x24",
                        "-nolisten", "tcp", "-noreset"},
                       env, "", "", ready[1]);
  ::close(ready[1]);
  std::string number;
  char c = 0;
  while (::read(ready[0], &c, 1) == 1 && c != '\n') number += c;
  ::close(ready[0]);
  if (number.empty()) {
    problem_ = "Xvfb did not start";
    return;
  }
  display_name_ = ":" + number;
  XSetErrorHandler(ignore_x_errors);
  display_ = XOpenDisplay(display_name_.c_str());
  if (!display_) {
    problem_ = "cannot open " + display_name_;
    return;
  }
  std::map<std::string, std::string> wm_env = env;
  wm_env["DISPLAY"] = display_name_;
  window_manager_ = ChildProcess({"openbox", "--sm-disable"}, wm_env, "");
  const Window root = DefaultRootWindow(display_);
  const auto deadline = std::chrono::steady_clock::now() + kLongestWait;
  while (long_property(display_, root, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW).empty()) {
    if (std::chrono::steady_clock::now() > deadline) {
      problem_ = "the window manager did not start";
      return;
    }
    std::this_thread::sleep_for(10ms);
  }
}

XServer::~XServer() {
  window_manager_.stop();
  if (display_) XCloseDisplay(display_);
  xvfb_.stop();
}

std::vector<Window> XServer::windows_of(pid_t pid) const {
  std::vector<Window> found;
  for (unsigned long w : long_property(display_, DefaultRootWindow(display_), "_NET_CLIENT_LIST", XA_WINDOW)) {
    const auto owner = long_property(display_, w, "_NET_WM_PID", XA_CARDINAL);
    if (!owner.empty() && static_cast<pid_t>(owner[0]) == pid) found.push_back(w);
  }
  return found;
}

std::string XServer::title_of(Window w) const {
  Atom actual = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  std::string title;
  if (XGetWindowProperty(display_, w, XInternAtom(display_, "_NET_WM_NAME", False), 0, 1024, False,
                         XInternAtom(display_, "UTF8_STRING", False), &actual, &format, &count, &after,
                         &data) == Success &&
      data) {
    title.assign(reinterpret_cast<char*>(data), count);
  }
  if (data) XFree(data);
  return title;
}

std::pair<int, int> XServer::origin_of(Window w) const {
  int x = 0, y = 0;
  Window child = None;
  XTranslateCoordinates(display_, w, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
  return {x, y};
}

Window XServer::active_window() const {
  const auto active = long_property(display_, DefaultRootWindow(display_), "_NET_ACTIVE_WINDOW", XA_WINDOW);
  return active.empty() ? None : active[0];
}

namespace {

// Polls `found` until it gives a window or the time is up.
template <class Find>
Window poll_window(std::chrono::milliseconds timeout, Find found) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  do {
    if (const Window w = found(); w != None) return w;
    std::this_thread::sleep_for(5ms);
  } while (std::chrono::steady_clock::now() < deadline);
  return None;
}

}  // namespace

Window XServer::wait_active(pid_t pid, const std::string& title, std::chrono::milliseconds timeout) const {
  return poll_window(timeout, [&]() -> Window {
    const Window active = active_window();
    for (Window w : windows_of(pid)) {
      if (w == active && title_of(w) == title) return w;
    }
    return None;
  });
}

Window XServer::wait_active_other(pid_t pid, const std::string& title, std::chrono::milliseconds timeout) const {
  return poll_window(timeout, [&]() -> Window {
    const Window active = active_window();
    for (Window w : windows_of(pid)) {
      if (w == active && title_of(w) != title) return w;
    }
    return None;
  });
}

std::optional<Box> XServer::focus_shown_in(Window w) const {
  XWindowAttributes a;
  if (!XGetWindowAttributes(display_, w, &a)) return std::nullopt;
  XImage* image = XGetImage(display_, w, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
  if (!image) return std::nullopt;
  std::optional<Box> box;
  for (int y = 0; y < a.height; ++y) {
    for (int x = 0; x < a.width; ++x) {
      const unsigned long pixel = XGetPixel(image, x, y);  // 0xRRGGBB on the 24-bit screen
      const int red = (pixel >> 16) & 0xff, green = (pixel >> 8) & 0xff, blue = pixel & 0xff;
      if (blue < red + 60 || blue < green + 20) continue;
      if (!box) box = Box{x, y, x, y};
      box->left = std::min(box->left, x);
      box->top = std::min(box->top, y);
      box->right = std::max(box->right, x);
      box->bottom = std::max(box->bottom, y);
    }
  }
  XDestroyImage(image);
  return box;
}

bool XServer::wait_gone(pid_t pid, Window gone, std::chrono::milliseconds timeout) const {
  return poll_window(timeout, [&]() -> Window {
           for (Window w : windows_of(pid)) {
             if (w == gone) return None;
           }
           return DefaultRootWindow(display_);
         }) != None;
}

}  // namespace xtest
