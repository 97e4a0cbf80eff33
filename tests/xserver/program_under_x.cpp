#include <gtest/gtest.h>  // before any X header: gtest has its own None

#include "program_under_x.hpp"

#include <sstream>
#include <stdexcept>

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
  main_window_ = server_.wait_active(process_.pid(), facts_.caption, 20s);
}

ProgramUnderX::~ProgramUnderX() {
  process_.stop();
  const std::string printed = folder_.read("program.log");
  for (const char* report : {"runtime error:", "ERROR: AddressSanitizer", "ERROR: LeakSanitizer"}) {
    if (printed.find(report) != std::string::npos) ADD_FAILURE() << facts_.name << " printed:\n" << printed;
  }
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
