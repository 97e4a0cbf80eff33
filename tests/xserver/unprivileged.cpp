#include "unprivileged.hpp"

#include <pwd.h>
#include <unistd.h>

#include <filesystem>

namespace xtest {

Unprivileged::Unprivileged() {
  if (::geteuid() != 0) return;
  const passwd* nobody = ::getpwnam("nobody");
  if (!nobody) return;
  uid_ = nobody->pw_uid;
  gid_ = nobody->pw_gid;
  prefix_ = {"setpriv", "--reuid=" + std::to_string(uid_), "--regid=" + std::to_string(gid_), "--clear-groups", "--"};
}

void Unprivileged::give(const std::string& folder) const {
  if (prefix_.empty()) return;
  [[maybe_unused]] int ignored = ::chown(folder.c_str(), uid_, gid_);
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    ignored = ::chown(entry.path().c_str(), uid_, gid_);
  }
}

}  // namespace xtest
