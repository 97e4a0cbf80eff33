// The lock that copies of the programs, of any user, take while they
// replace one file, so that two saves of one record run one after the other
// instead of into each other.
//
// It is an advisory lock on a file of its own beside the file (its name
// with ".lock" added), never on the file itself: each save renames a new
// file over that one. The lock file is opened without following a link and
// is kept afterwards, empty.
//
// A lock that cannot be had does not stop the save: a folder where the lock
// file cannot be made, something other than a plain file under its name, or
// a copy that holds it longer than the patience given. The save then goes
// on as it would alone.
#pragma once

#include <chrono>
#include <string>

namespace rt {

class FileLock {
 public:
  // Takes the lock of `path`'s replacements, waiting while another process
  // holds it.
  explicit FileLock(const std::string& path, std::chrono::milliseconds patience = std::chrono::seconds(10));
  ~FileLock();  // releases it
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  bool held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

}  // namespace rt
