#include "drive_run.hpp"

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>

namespace testing_support {

std::vector<std::string> DriveResult::message_boxes() const {
  std::vector<std::string> boxes;
  for (const std::string& l : lines) {
    if (l.rfind("msgbox ", 0) == 0) boxes.push_back(l.substr(7));
  }
  return boxes;
}

std::map<std::string, std::string> DriveResult::dump(int n) const {
  std::vector<std::map<std::string, std::string>> dumps;
  bool in_dump = false;
  for (const std::string& l : lines) {
    if (l.rfind("MAINFORM=", 0) == 0) {
      dumps.emplace_back();
      in_dump = true;
    }
    if (!in_dump) continue;
    if (l.rfind("menu ", 0) == 0 && l.find(" is grey") == std::string::npos) {
      const auto sp = l.rfind(' ');
      dumps.back()[l.substr(0, sp)] = l.substr(sp + 1);
    } else if (const auto eq = l.find('='); eq != std::string::npos) {
      dumps.back()[l.substr(0, eq)] = l.substr(eq + 1);
    }
    if (l.rfind("focus=", 0) == 0) in_dump = false;
  }
  if (dumps.empty()) return {};
  const int index = n < 0 ? static_cast<int>(dumps.size()) + n : n;
  return index >= 0 && index < static_cast<int>(dumps.size()) ? dumps[index] : std::map<std::string, std::string>{};
}

bool DriveResult::printed(const std::string& line) const {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

DriveResult drive(const TempDir& dir, const std::string& program, const std::string& script, bool as_nobody) {
  dir.write("script.txt", script);
  std::filesystem::permissions(dir.path(),
                               as_nobody ? std::filesystem::perms::all : std::filesystem::perms::owner_all);
  std::string user;
  if (const passwd* nobody = as_nobody ? ::getpwnam("nobody") : nullptr) {
    user = "setpriv --reuid=" + std::to_string(nobody->pw_uid) + " --regid=" + std::to_string(nobody->pw_gid) +
           " --clear-groups ";
  }
  const std::string command = "cd '" + dir.path().string() + "' && XDG_RUNTIME_DIR='" + dir.path().string() +
                              "' QT_QPA_PLATFORM=offscreen " + user + "'" DRIVE_PATH "' " + program +
                              " script.txt 2>drive-stderr.txt";
  DriveResult result;
  FILE* out = ::popen(command.c_str(), "r");
  if (!out) return result;
  std::string text;
  char buf[4096];
  for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, out)) > 0;) text.append(buf, n);
  const int status = ::pclose(out);
  result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  // In the sanitized tree a finding of UndefinedBehaviorSanitizer is on the
  // program's stderr only (beside AddressSanitizer it writes no report
  // file): it fails the test, whatever the test looks at.
  const std::string errors = dir.read("drive-stderr.txt");
  if (errors.find("runtime error:") != std::string::npos || errors.find("Sanitizer:") != std::string::npos) {
    ADD_FAILURE() << "drive " << program << " reported:\n" << errors;
  }
  std::istringstream lines(text);
  for (std::string l; std::getline(lines, l);) result.lines.push_back(l);
  return result;
}

}  // namespace testing_support
