#include "script.hpp"

#include <fstream>
#include <set>

namespace drive {

namespace {

const std::set<std::string> kVerbs = {"type",  "key",   "press", "release", "compose", "commit",
                                      "click", "menu",  "check", "dump",    "close",   "end",
                                      "wait",  "print-to", "cancel-print", "save-picture"};
const std::set<std::string> kWithoutTarget = {"dump", "close", "end", "cancel-print"};

}  // namespace

bool read_script(const std::string& path, std::vector<Action>* actions, std::string* error) {
  std::ifstream in(path);
  if (!in) {
    *error = "cannot read " + path;
    return false;
  }
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    Action a;
    a.line = number;
    const auto verb_end = line.find(' ');
    a.verb = line.substr(0, verb_end);
    if (verb_end != std::string::npos) {
      const std::string rest = line.substr(verb_end + 1);
      const auto target_end = rest.find(' ');
      a.target = rest.substr(0, target_end);
      if (target_end != std::string::npos) a.text = rest.substr(target_end + 1);
    }
    if (!kVerbs.count(a.verb) || (a.target.empty() && !kWithoutTarget.count(a.verb))) {
      *error = path + ":" + std::to_string(number) + ": cannot read: " + line;
      return false;
    }
    actions->push_back(a);
  }
  return true;
}

}  // namespace drive
