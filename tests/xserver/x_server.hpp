// A real X server for one test: Xvfb with the openbox window manager, so
// that windows get real focus and activation, and keys sent through XTest
// travel the way a person's do (auto-repeat on, as desktops ship it).
#pragma once

#include <X11/Xlib.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "child_process.hpp"
#include "temp_dir.hpp"

namespace xtest {

// How long the tests wait for what a person waits for before the next key
// (a window, a dialog gone, the focus back in a field, the program's end):
// long enough that only a hang runs out of it, however busy the machine.
inline constexpr std::chrono::seconds kLongestWait{60};

// A rectangle of a window, in its pixels, edges included.
struct Box {
  int left, top, right, bottom;
  bool operator==(const Box&) const = default;
};

class XServer {
 public:
  XServer();  // starts both and waits until the window manager runs
  ~XServer();
  XServer(const XServer&) = delete;
  XServer& operator=(const XServer&) = delete;

  // Why the server could not start (empty when it runs).
  const std::string& problem() const { return problem_; }
  const std::string& display_name() const { return display_name_; }
  Display* display() const { return display_; }

  // The top-level windows the window manager manages, of the process `pid`.
  std::vector<Window> windows_of(pid_t pid) const;
  std::string title_of(Window w) const;
  Window active_window() const;
  // Where the window's inside (below its title bar) starts on the screen.
  std::pair<int, int> origin_of(Window w) const;
  // Waits until a window of `pid` with this title is the active one.
  Window wait_active(pid_t pid, const std::string& title, std::chrono::milliseconds timeout = kLongestWait) const;
  // Waits until a window of `pid` with another title is the active one (a
  // dialog, whatever its title is in the desktop's language).
  Window wait_active_other(pid_t pid, const std::string& title, std::chrono::milliseconds timeout = kLongestWait) const;
  // Waits until the window is no longer one of `pid`'s.
  bool wait_gone(pid_t pid, Window w, std::chrono::milliseconds timeout = kLongestWait) const;
  // Where the window shows the keyboard focus as a person sees it: the
  // outline the style draws around the focused field, in its highlight
  // blue, which none of the forms' own colours comes near. Empty while the
  // window shows no focus (it is not active, or has not been repainted
  // since it became active again).
  std::optional<Box> focus_shown_in(Window w) const;

 private:
  testing_support::TempDir home_;  // of the X server and the window manager
  ChildProcess xvfb_;
  ChildProcess window_manager_;
  Display* display_ = nullptr;
  std::string display_name_;
  std::string problem_;
};

// Whether Xvfb and openbox are installed (the tests are skipped without).
bool x_server_available();

}  // namespace xtest
