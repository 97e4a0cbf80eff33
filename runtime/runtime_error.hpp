// Runtime errors and the end of the program.
//
// A runtime error carries its message and the module and line of the
// statement that raised it; the program's top level reports it and ends the
// program, unless the module traps it (the saved-input routine does).
#pragma once

#include <source_location>
#include <stdexcept>
#include <string>

namespace rt {

// What kind of failure an error is, where a trap must tell them apart: a
// file that is there and may not be read is someone's saved inputs, not a
// damaged or missing one.
enum class ErrorKind {
  other,
  file_unreadable,  // the file exists but cannot be opened or read (no permission, an I/O error)
};

class RuntimeError : public std::runtime_error {
 public:
  explicit RuntimeError(const std::string& message,
                        std::source_location where = std::source_location::current());
  RuntimeError(const std::string& message, ErrorKind kind,
               std::source_location where = std::source_location::current());
  RuntimeError(const std::string& message, std::string module, int line);

  // The module (source file name without folder and extension) and line.
  const std::string& module() const { return module_; }
  int line() const { return line_; }
  ErrorKind kind() const { return kind_; }

 private:
  std::string module_;
  int line_ = 0;
  ErrorKind kind_ = ErrorKind::other;
};

// Thrown to end the program: by the end statement, by a refused second copy,
// or when the main window has been closed. Caught only at the top level.
struct ProgramEnd {
  int exit_code = 0;
};

}  // namespace rt
