#include "input_method.hpp"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <thread>

namespace xtest {

namespace {

using namespace std::chrono_literals;

bool installed(const char* path) { return ::access(path, X_OK) == 0 || ::access(path, R_OK) == 0; }

// One group of two: the plain keyboard and mozc, mozc chosen; every new
// input context starts with it on.
void write_profile(const std::filesystem::path& home) {
  const auto folder = home / ".config" / "fcitx5";
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "profile") << "[Groups/0]\nName=Default\nDefault Layout=us\nDefaultIM=mozc\n\n"
                                       "[Groups/0/Items/0]\nName=keyboard-us\nLayout=\n\n"
                                       "[Groups/0/Items/1]\nName=mozc\nLayout=\n\n"
                                       "[GroupOrder]\n0=Default\n";
  std::ofstream(folder / "config") << "[Behavior]\nActiveByDefault=True\nShareInputState=No\n";
}

std::vector<std::string> as_user(const Unprivileged& as, std::vector<std::string> command) {
  std::vector<std::string> full = as.prefix();
  full.insert(full.end(), command.begin(), command.end());
  return full;
}

}  // namespace

bool input_method_available() {
  return installed("/usr/bin/fcitx5") && installed("/usr/bin/dbus-daemon") && installed("/usr/bin/dbus-send") &&
         installed("/usr/lib/mozc/mozc_server") &&
         installed("/usr/lib/x86_64-linux-gnu/qt6/plugins/platforminputcontexts/libfcitx5platforminputcontextplugin.so");
}

InputMethod::InputMethod(const XServer& server, const Unprivileged& as) : as_(as) {
  const std::string home = home_.path().string();
  write_profile(home_.path());
  as.give(home);
  bus_ = "unix:path=" + home + "/bus";
  env_ = home_environment(home);
  env_.insert({{"XDG_RUNTIME_DIR", home},
              {"DISPLAY", server.display_name()},
              {"DBUS_SESSION_BUS_ADDRESS", bus_},
              {"LANG", "C.UTF-8"}});
  // The bus writes its address once it takes connections (its socket file
  // is there a moment earlier, and fcitx5 gives up on a bus it cannot reach).
  int ready[2];
  if (::pipe(ready) != 0) {
    problem_ = "no pipe";
    return;
  }
  bus_daemon_ = ChildProcess(as_user(as, {"dbus-daemon", "--session", "--nofork", "--address=" + bus_,
                                          "--print-address=" + std::to_string(ready[1])}),
                             env_, home, home + "/bus.log", ready[1]);
  ::close(ready[1]);
  std::string address;
  char c = 0;
  while (::read(ready[0], &c, 1) == 1 && c != '\n') address += c;
  ::close(ready[0]);
  if (address.empty()) {
    problem_ = "the session bus did not start:\n" + home_.read("bus.log");
    return;
  }
  const auto deadline = std::chrono::steady_clock::now() + kLongestWait;
  fcitx_ = ChildProcess(as_user(as, {"fcitx5", "--disable=wayland,waylandim"}), env_, home, home + "/fcitx5.log");
  // Ready once it owns its name on the bus. Asking fcitx5 itself before
  // then would have the bus start a second fcitx5 for the question, and one
  // of the two give up.
  for (;;) {
    const std::string owned = ask({"--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                                   "org.freedesktop.DBus.NameHasOwner", "string:org.fcitx.Fcitx5"});
    if (owned.find("boolean true") != std::string::npos) break;
    if (std::chrono::steady_clock::now() > deadline || !fcitx_.running()) {
      problem_ = "fcitx5 did not start:\n" + home_.read("fcitx5.log");
      return;
    }
    std::this_thread::sleep_for(50ms);
  }
}

InputMethod::~InputMethod() {
  fcitx_.stop();
  bus_daemon_.stop();
}

std::string InputMethod::ask(const std::vector<std::string>& call) const {
  std::vector<std::string> command = {"dbus-send", "--session", "--print-reply"};
  command.insert(command.end(), call.begin(), call.end());
  std::filesystem::remove(home_.file("answer.txt"));
  ChildProcess asking(as_user(as_, command), env_, home_.path().string(), home_.file("answer.txt"));
  asking.wait(kLongestWait);
  return home_.read("answer.txt");
}

bool InputMethod::wait_composing() const {
  const auto deadline = std::chrono::steady_clock::now() + kLongestWait;
  do {
    // The state of the input context last focused: 2 is on.
    const std::string state = ask({"--dest=org.fcitx.Fcitx5", "/controller", "org.fcitx.Fcitx.Controller1.State"});
    if (state.find("int32 2") != std::string::npos) return true;
    std::this_thread::sleep_for(20ms);
  } while (std::chrono::steady_clock::now() < deadline);
  return false;
}

std::map<std::string, std::string> InputMethod::environment() const {
  return {{"QT_IM_MODULE", "fcitx"}, {"XMODIFIERS", "@im=fcitx"}, {"DBUS_SESSION_BUS_ADDRESS", bus_},
          {"LANG", "C.UTF-8"}};
}

}  // namespace xtest
