#include "runtime/file_lock.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

namespace rt {

namespace {

// O_NONBLOCK: a named pipe under the lock's name must not hang the open.
constexpr int kOpenFlags = O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;

int open_lock_file(const std::string& name) {
  int fd = ::open(name.c_str(), O_RDWR | kOpenFlags, 0666);
  // Another user's lock file that we may only read locks as well.
  if (fd < 0 && errno == EACCES) fd = ::open(name.c_str(), O_RDONLY | kOpenFlags, 0666);
  if (fd < 0) return -1;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

FileLock::FileLock(const std::string& path, std::chrono::milliseconds patience) {
  const int fd = open_lock_file(path + ".lock");
  if (fd < 0) return;
  const auto give_up = std::chrono::steady_clock::now() + patience;
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= give_up) {
      ::close(fd);
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  fd_ = fd;
}

FileLock::~FileLock() {
  // Closing the descriptor releases the lock.
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace rt
