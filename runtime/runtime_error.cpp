#include "runtime/runtime_error.hpp"

#include <string_view>

namespace rt {

namespace {

std::string module_of(std::string_view file) {
  const auto slash = file.find_last_of('/');
  if (slash != std::string_view::npos) file.remove_prefix(slash + 1);
  const auto dot = file.find('.');
  if (dot != std::string_view::npos) file = file.substr(0, dot);
  return std::string(file);
}

}  // namespace

RuntimeError::RuntimeError(const std::string& message, std::source_location where)
    : std::runtime_error(message), module_(module_of(where.file_name())), line_(static_cast<int>(where.line())) {}

RuntimeError::RuntimeError(const std::string& message, ErrorKind kind, std::source_location where)
    : RuntimeError(message, where) {
  kind_ = kind;
}

RuntimeError::RuntimeError(const std::string& message, std::string module, int line)
    : std::runtime_error(message), module_(std::move(module)), line_(line) {}

}  // namespace rt
