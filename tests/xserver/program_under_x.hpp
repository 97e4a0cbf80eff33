// One of the six programs, run for real on the test's X server in a fresh
// folder of its own, and what it leaves there.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "child_process.hpp"
#include "temp_dir.hpp"
#include "unprivileged.hpp"
#include "x_server.hpp"

namespace xtest {

struct ProgramFacts {
  std::string name;          // velmora, ...
  std::string caption;       // its main window's title
  std::string saved_inputs;  // its saved-input file
  int numbers;               // numbers in that file before the title
};

const ProgramFacts& facts_of(const std::string& program);
const std::vector<std::string>& all_programs();

class ProgramUnderX {
 public:
  // Starts the program and waits until its main window is the active one.
  // `env` adds to the environment (an input method, say); `programs_dir`
  // holds the programs (this build's when empty); `as` runs it as an
  // ordinary user.
  ProgramUnderX(const XServer& server, const std::string& program, std::map<std::string, std::string> env = {},
                const std::string& programs_dir = "", const Unprivileged* as = nullptr);
  // Stops the program if it still runs; a sanitizer's report in what it
  // printed fails the test.
  ~ProgramUnderX();
  ProgramUnderX(const ProgramUnderX&) = delete;
  ProgramUnderX& operator=(const ProgramUnderX&) = delete;

  bool started() const { return main_window_ != None; }
  Window main_window() const { return main_window_; }
  const ProgramFacts& facts() const { return facts_; }
  ChildProcess& process() { return process_; }
  const testing_support::TempDir& folder() const { return folder_; }

  // Waits for the program to end by itself (終了, say); its exit code.
  std::optional<int> wait_end(std::chrono::milliseconds timeout = kLongestWait) { return process_.wait(timeout); }

  // What a person waits for before the next key: the main window active
  // and showing the focus in one of its fields (where, returned), after the
  // start or after a dialog has closed; after a key that moves the focus,
  // the focus shown in another field; after several, in the field they
  // lead to. Empty when it never comes.
  std::optional<Box> wait_focus_shown() const;
  std::optional<Box> wait_focus_moved(const Box& from) const;
  std::optional<Box> wait_focus_at(const Box& field) const;

  // The numbers and the title of its saved-input file, as texts.
  std::vector<std::string> saved_numbers() const;
  std::string saved_title() const;

 private:
  const XServer& server_;
  ProgramFacts facts_;
  testing_support::TempDir folder_;
  ChildProcess process_;
  Window main_window_ = None;
};

}  // namespace xtest
