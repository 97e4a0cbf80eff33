// desk_measure BEFORE_DIR AFTER_DIR: measures, side by side on real X
// servers, what a person at the desk meets of two builds of the programs:
// the CPU a program uses while it waits for input, how long a menu command
// waits after 計算 has taken the focus off the fields, which key taps are
// still seen, and how long the process lives on after 終了 at the end of a
// whole case worked with the input method on. Run by tools/measure-desk.sh;
// not a test.
#include <X11/keysym.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <thread>

#include "input_method.hpp"
#include "program_under_x.hpp"
#include "unprivileged.hpp"
#include "whole_case.hpp"
#include "x_keyboard.hpp"
#include "x_server.hpp"

namespace {

using namespace std::chrono_literals;
using namespace xtest;

struct Build {
  std::string label;
  std::string dir;
};

double now_ns() {
  timespec t{};
  clock_gettime(CLOCK_REALTIME, &t);
  return static_cast<double>(t.tv_sec) * 1e9 + static_cast<double>(t.tv_nsec);
}

void idle_cpu(const std::vector<Build>& builds) {
  std::printf("\nIdle CPU, focus in the first field, 10 s, %% of one core:\n%-8s", "program");
  for (const Build& b : builds) std::printf(" %10s", b.label.c_str());
  std::printf("\n");
  // Every program of every build at once, each on its own X server.
  std::vector<std::unique_ptr<XServer>> servers;
  std::vector<std::unique_ptr<ProgramUnderX>> programs;
  for (const std::string& name : all_programs()) {
    for (const Build& b : builds) {
      servers.push_back(std::make_unique<XServer>());
      programs.push_back(std::make_unique<ProgramUnderX>(*servers.back(), name, std::map<std::string, std::string>{}, b.dir));
    }
  }
  std::this_thread::sleep_for(1s);
  std::vector<std::chrono::nanoseconds> before;
  for (auto& p : programs) before.push_back(p->process().cpu_time());
  const auto start = std::chrono::steady_clock::now();
  std::this_thread::sleep_for(10s);
  const double elapsed = std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count();
  size_t i = 0;
  for (const std::string& name : all_programs()) {
    std::printf("%-8s", name.c_str());
    for (size_t b = 0; b < builds.size(); ++b, ++i) {
      const double used = static_cast<double>((programs[i]->process().cpu_time() - before[i]).count());
      std::printf(" %10.3f", 100.0 * used / elapsed);
    }
    std::printf("\n");
  }
}

enum class Before { nothing, calculate, picture_click };

// From the key press of a menu command (終了, Alt+E) to the moment its
// procedure wrote the saved-input file.
double command_latency_ms(const Build& b, Before before) {
  XServer server;
  ProgramUnderX quorvel(server, "quorvel", {}, b.dir);
  Keyboard k(server.display());
  std::this_thread::sleep_for(500ms);
  if (before == Before::calculate) k.chord(XK_Alt_L, XK_c);
  if (before == Before::picture_click) {
    // Into quorvel's sketch (PICTURE1 at 25, 22, 975 x 785 in 0.1 mm,
    // below the menu bar): the focus leaves the fields.
    const auto [x, y] = server.origin_of(quorvel.main_window());
    k.click(x + 150, y + 150);
  }
  std::this_thread::sleep_for(500ms);
  k.press(XK_Alt_L);
  std::this_thread::sleep_for(40ms);
  const double pressed = now_ns();
  k.tap(XK_e);
  k.release(XK_Alt_L);
  quorvel.wait_end(10s);
  struct stat st{};
  if (::stat(quorvel.folder().file("LOM_FV.DTA").c_str(), &st) != 0) return -1;
  const double written = static_cast<double>(st.st_mtim.tv_sec) * 1e9 + static_cast<double>(st.st_mtim.tv_nsec);
  return (written - pressed) / 1e6;
}

void command_latency(const std::vector<Build>& builds) {
  std::printf("\nquorvel: key press of 終了 to its save, ms (median, max of 7 runs):\n");
  const std::pair<Before, const char*> cases[] = {
      {Before::nothing, "focus in field 1"}, {Before::calculate, "after 計算"}, {Before::picture_click, "focus on the sketch"}};
  for (const auto& [before, what] : cases) {
    std::printf("%-22s", what);
    for (const Build& b : builds) {
      std::vector<double> runs;
      for (int i = 0; i < 7; ++i) runs.push_back(command_latency_ms(b, before));
      std::sort(runs.begin(), runs.end());
      std::printf("  %s %6.1f %6.1f", b.label.c_str(), runs[3], runs.back());
    }
    std::printf("\n");
  }
}

// Four Enter taps of this length in velmora, then a 9 typed where the focus
// ended: the field holding it tells how many taps moved.
int taps_seen(const Build& b, std::chrono::milliseconds tap) {
  XServer server;
  ProgramUnderX velmora(server, "velmora", {}, b.dir);
  std::this_thread::sleep_for(300ms);
  Keyboard taps(server.display(), {tap, 150ms});
  for (int i = 0; i < 4; ++i) taps.tap(XK_Return);
  Keyboard k(server.display());
  k.retype("9");
  k.chord(XK_Alt_L, XK_e);
  velmora.wait_end(10s);
  const auto saved = velmora.saved_numbers();
  for (size_t i = 0; i < saved.size(); ++i) {
    if (saved[i] == "9") return static_cast<int>(i);
  }
  return -1;
}

void shortest_tap(const std::vector<Build>& builds) {
  std::printf("\nvelmora: Enter taps seen of 8, by the tap's length:\n%-8s", "tap ms");
  for (const Build& b : builds) std::printf(" %10s", b.label.c_str());
  std::printf("\n");
  for (const int ms : {1, 3, 5, 10, 15, 30, 50, 80}) {
    std::printf("%-8d", ms);
    for (const Build& b : builds) {
      const int seen = taps_seen(b, std::chrono::milliseconds(ms)) + taps_seen(b, std::chrono::milliseconds(ms));
      std::printf(" %10d", seen);
    }
    std::printf("\n");
  }
}

// From the key press of 終了 to the main window's going and to the end of
// the process, after a whole case in quorvel under fcitx5 with mozc; and
// whether the program warned on its way out.
struct QuitTimes {
  double gone_ms = -1;
  double ended_ms = -1;
  bool warned = false;
};

QuitTimes quit_after_a_whole_case(const Build& b) {
  XServer server;
  Unprivileged as;
  InputMethod input_method(server, as);
  if (!input_method.problem().empty()) return {};
  ProgramUnderX quorvel(server, "quorvel", input_method.environment(), b.dir, &as);
  std::this_thread::sleep_for(300ms);
  if (!work_a_whole_case(server, quorvel, input_method).empty()) return {};
  const pid_t pid = quorvel.process().pid();
  const Window main_window = quorvel.main_window();
  Keyboard k(server.display());
  k.press(XK_Alt_L);
  std::this_thread::sleep_for(40ms);
  const double pressed = now_ns();
  k.press(XK_e);
  QuitTimes t;
  while (now_ns() - pressed < 30e9) {
    const double now = now_ns();
    if (!quorvel.process().running()) {
      t.ended_ms = (now - pressed) / 1e6;
      if (t.gone_ms < 0) t.gone_ms = t.ended_ms;
      break;
    }
    const std::vector<Window> open = server.windows_of(pid);
    if (t.gone_ms < 0 && std::find(open.begin(), open.end(), main_window) == open.end())
      t.gone_ms = (now - pressed) / 1e6;
    std::this_thread::sleep_for(1ms);
  }
  k.release(XK_e);
  k.release(XK_Alt_L);
  const std::string printed = quorvel.folder().read("program.log");
  t.warned = printed.find("QObject::") != std::string::npos;
  return t;
}

void quit_after_a_whole_case(const std::vector<Build>& builds) {
  if (!input_method_available()) {
    std::printf("\n終了 after a whole case: not measured, fcitx5 with mozc is not installed\n");
    return;
  }
  std::printf("\nquorvel under fcitx5 with mozc, after a whole case (typing, a converted title, 計算,\n"
              "printing, the about box, a message box), from the key press of 終了, ms\n"
              "(median, max of 7 sessions; sessions that warned on their way out):\n");
  for (const Build& b : builds) {
    std::vector<double> gone, ended, after_gone;
    int warned = 0;
    for (int i = 0; i < 7; ++i) {
      const QuitTimes t = quit_after_a_whole_case(b);
      if (t.ended_ms < 0) continue;
      gone.push_back(t.gone_ms);
      ended.push_back(t.ended_ms);
      after_gone.push_back(t.ended_ms - t.gone_ms);
      warned += t.warned ? 1 : 0;
    }
    std::printf("%-7s", b.label.c_str());
    for (auto [what, runs] : {std::pair{"window gone", &gone}, {"process ended", &ended}, {"ended after gone", &after_gone}}) {
      std::sort(runs->begin(), runs->end());
      if (runs->empty()) std::printf("  %s     -      -", what);
      else std::printf("  %s %6.1f %6.1f", what, (*runs)[runs->size() / 2], runs->back());
    }
    std::printf("  warned %d of %zu\n", warned, ended.size());
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::pair<std::string, void (*)(const std::vector<Build>&)>> measurements = {
      {"idle", idle_cpu}, {"latency", command_latency}, {"taps", shortest_tap}, {"quit", quit_after_a_whole_case}};
  if (argc < 3 || !x_server_available()) {
    std::fprintf(stderr,
                 "usage: desk_measure BEFORE_DIR AFTER_DIR [idle|latency|taps|quit...] (needs Xvfb and openbox)\n");
    return 2;
  }
  const std::vector<Build> builds = {{"before", std::filesystem::absolute(argv[1]).string()},
                                     {"after", std::filesystem::absolute(argv[2]).string()}};
  const std::vector<std::string> chosen(argv + 3, argv + argc);  // all when none is named
  for (const auto& [name, measure] : measurements) {
    if (chosen.empty() || std::find(chosen.begin(), chosen.end(), name) != chosen.end()) measure(builds);
  }
  return 0;
}
