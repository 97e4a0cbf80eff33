#include "child_process.hpp"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

namespace xtest {

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::map<std::string, std::string>& env,
                           const std::string& folder, const std::string& log, int keep_fd) {
  pid_ = ::fork();
  if (pid_ != 0) return;
  // In the child: only async-signal-safe work until exec would be strict;
  // the test process is single-threaded when it starts children.
  ::setpgid(0, 0);
  if (!folder.empty() && ::chdir(folder.c_str()) != 0) ::_exit(126);
  for (const auto& [name, value] : env) {
    if (value.empty()) ::unsetenv(name.c_str());
    else ::setenv(name.c_str(), value.c_str(), 1);
  }
  const int out = ::open(log.empty() ? "/dev/null" : log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
  if (out >= 0) {
    ::dup2(out, 1);
    ::dup2(out, 2);
  }
  const int in = ::open("/dev/null", O_RDONLY);
  if (in >= 0) ::dup2(in, 0);
  for (int fd = 3; fd < 256; ++fd) {
    if (fd != keep_fd) ::close(fd);
  }
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  ::execvp(args[0], args.data());
  ::_exit(127);
}

std::map<std::string, std::string> home_environment(const std::string& home) {
  return {{"HOME", home},
          {"XDG_CONFIG_HOME", home + "/.config"},
          {"XDG_CACHE_HOME", home + "/.cache"},
          {"XDG_DATA_HOME", home + "/.local/share"},
          {"XDG_STATE_HOME", home + "/.local/state"}};
}

ChildProcess::~ChildProcess() { stop(); }

ChildProcess::ChildProcess(ChildProcess&& other) noexcept : pid_(other.pid_), exit_code_(other.exit_code_) {
  other.pid_ = -1;
}

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept {
  if (this != &other) {
    stop();
    pid_ = other.pid_;
    exit_code_ = other.exit_code_;
    other.pid_ = -1;
  }
  return *this;
}

bool ChildProcess::running() { return pid_ > 0 && !wait(std::chrono::milliseconds(0)); }

std::optional<int> ChildProcess::wait(std::chrono::milliseconds timeout) {
  if (exit_code_) return exit_code_;
  if (pid_ <= 0) return std::nullopt;
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {
      exit_code_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      return exit_code_;
    }
    if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
}

void ChildProcess::stop() {
  if (pid_ <= 0 || exit_code_) return;
  // The whole group: what the child started (a server of its own) goes too.
  ::kill(-pid_, SIGTERM);
  if (!wait(std::chrono::seconds(1))) {
    ::kill(-pid_, SIGKILL);
    ::kill(pid_, SIGKILL);
    wait(std::chrono::seconds(5));
  }
}

std::chrono::nanoseconds ChildProcess::cpu_time() const {
  long long total = 0;
  std::error_code ec;
  for (const auto& task : std::filesystem::directory_iterator("/proc/" + std::to_string(pid_) + "/task", ec)) {
    std::ifstream in(task.path() / "schedstat");
    long long on_cpu = 0;
    if (in >> on_cpu) total += on_cpu;
  }
  return std::chrono::nanoseconds(total);
}

long ChildProcess::wakeups() const {
  long total = 0;
  std::error_code ec;
  for (const auto& task : std::filesystem::directory_iterator("/proc/" + std::to_string(pid_) + "/task", ec)) {
    std::ifstream in(task.path() / "status");
    const std::string key = "voluntary_ctxt_switches:";
    for (std::string line; std::getline(in, line);) {
      if (line.rfind(key, 0) == 0) total += std::stol(line.substr(key.size()));
    }
  }
  return total;
}

}  // namespace xtest
