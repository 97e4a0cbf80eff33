#include <gtest/gtest.h>  // before any X header: gtest has its own None

#include "program_under_x.hpp"

#include <functional>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace xtest {

namespace {

using namespace std::chrono_literals;

const std::vector<ProgramFacts>& table() {
  static const std::vector<ProgramFacts> facts = {
      {"velmora", "Kelbrin(台形断面)", "LOM_V.DTA", 7},  {"drasin", "Kelbrin(矩形断面)", "LOM_U.DTA", 6},
      {"quorvel", "Morvath(台形断面)", "LOM_FV.DTA", 15}, {"mestra", "Morvath(矩形断面)", "LOM_FU.DTA", 14},
      {"palwick", "Kelbrin(管渠断面)", "LOM_O.DTA", 4},  {"soberin", "Pravoth(管渠断面)", "LOM_O_RYU.DTA", 4},
  };
  return facts;
}

}  // namespace

const ProgramFacts& facts_of(const std::string& program) {
  for (const ProgramFacts& f : table()) {
    if (f.name == program) return f;
  }
  throw std::invalid_argument("no program " + program);
}

const std::vector<std::string>& all_programs() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> n;
    for (const ProgramFacts& f : table()) n.push_back(f.name);
    return n;
  }();
  return names;
}

ProgramUnderX::ProgramUnderX(const XServer& server, const std::string& program, std::map<std::string, std::string> env,
                             const std::string& programs_dir, const Unprivileged* as)
    : server_(server), facts_(facts_of(program)) {
  const std::string folder = folder_.path().string();
  // The real window system, not the headless one the other suites pin; no
  // input method unless the test asks for one.
  std::map<std::string, std::string> all = home_environment(folder);
  all.insert({{"DISPLAY", server.display_name()}, {"QT_QPA_PLATFORM", "xcb"}, {"XDG_RUNTIME_DIR", folder},
              {"QT_IM_MODULE", ""}, {"XMODIFIERS", ""}});
  for (const auto& [k, v] : env) all[k] = v;
  const std::string dir = programs_dir.empty() ? std::string(PROGRAMS_DIR) : programs_dir;
  std::vector<std::string> command = as ? as->prefix() : std::vector<std::string>{};
  command.push_back(dir + "/" + program);
  if (as) as->give(folder);
  process_ = ChildProcess(command, all, folder, folder + "/program.log");
  main_window_ = server_.wait_active(process_.pid(), facts_.caption, kLongestWait);
}

ProgramUnderX::~ProgramUnderX() {
  process_.stop();
  const std::string printed = folder_.read("program.log");
  for (const char* report : {"runtime error:", "ERROR: AddressSanitizer", "ERROR: LeakSanitizer"}) {
    if (printed.find(report) != std::string::npos) ADD_FAILURE() << facts_.name << " printed:\n" << printed;
  }
}

namespace {

// Polls the focus the window shows until `wanted` accepts it or the longest
// wait is over.
std::optional<Box> poll_focus(const XServer& server, Window main_window,
                              const std::function<bool(const Box&)>& wanted) {
  const auto deadline = std::chrono::steady_clock::now() + kLongestWait;
  do {
    if (server.active_window() == main_window) {
      if (const std::optional<Box> box = server.focus_shown_in(main_window); box && wanted(*box)) return box;
    }
    std::this_thread::sleep_for(10ms);
  } while (std::chrono::steady_clock::now() < deadline);
  return std::nullopt;
}

}  // namespace

std::optional<Box> ProgramUnderX::wait_focus_shown() const {
  return poll_focus(server_, main_window_, [](const Box&) { return true; });
}

std::optional<Box> ProgramUnderX::wait_focus_moved(const Box& from) const {
  return poll_focus(server_, main_window_, [&from](const Box& now) { return now != from; });
}

std::optional<Box> ProgramUnderX::wait_focus_at(const Box& field) const {
  return poll_focus(server_, main_window_, [&field](const Box& now) { return now == field; });
}

std::vector<std::string> ProgramUnderX::saved_numbers() const {
  std::istringstream in(folder_.read(facts_.saved_inputs));
  std::vector<std::string> numbers;
  std::string token;
  for (int i = 0; i < facts_.numbers && in >> token; ++i) numbers.push_back(token);
  return numbers;
}

std::string ProgramUnderX::saved_title() const {
  std::istringstream in(folder_.read(facts_.saved_inputs));
  std::string token;
  for (int i = 0; i < facts_.numbers; ++i) in >> token;
  std::string title;
  std::getline(in >> std::ws, title);
  while (!title.empty() && (title.back() == '\r' || title.back() == '\n')) title.pop_back();
  return title;
}

}  // namespace xtest
