// IO_FILE: the saved-input file of a program. One record in the current
// directory holds the input numbers in 14-column zones and then the title;
// it is loaded when the main window starts and written by 終了.
//
// A save never leaves the file short or empty: the record is written to a
// new temporary file of its own beside it, flushed to disk and then renamed
// over the file, so that the file holds either the previous record or the
// new one, whole, whenever the program is killed or the machine stops. Two
// copies saving into one folder (two users, or one user logged in twice)
// save in turn: the second waits until the first has renamed its file, and
// the file then holds the inputs of the one that saved last. A save that
// fails keeps the previous file as it was and tells the caller.
//
// A load that finds no file, or a record it cannot read back (empty, cut
// short, a word where a number belongs, no plain file, far too long), puts
// the program's defaults into the caller's variables, replaces the file with
// them and repeats the load. When even the defaults cannot be written (a
// folder where the file cannot be created), the defaults stay in the
// variables and the caller is told, so that it can say so instead of ending
// the program. A file that is there but that this user may not open or read
// is left exactly as it is: the defaults go into the variables and the
// caller is told.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "runtime/number.hpp"

namespace frame {

using rt::Single;

struct SavedNumber {
  Single* value;
  Single default_value;
};

// A program's list: file name, numbers in record order, the title last.
struct SavedInputs {
  std::string file_name;
  std::vector<SavedNumber> numbers;
  std::string* title;
  std::string default_title;
};

enum class IoResult {
  done,          // loaded or saved (possibly the defaults, after a handled failure)
  cannot_read,   // the file is there but could not be opened or read; the defaults are in the variables
  cannot_write,  // the file could not be written at all; the defaults are in the variables
};

constexpr float kLoad = -1.0f;
constexpr float kSave = 0.0f;

// The steps that replace the file, in order.
enum class SaveStep {
  wait_for_other_saves,  // take the lock of the file's saves, waiting while another copy holds it
  open_temporary,        // open a new temporary file of this save's own as #1
  print_record,          // print the record to #1
  flush_to_disk,         // wait until the record is on the disk
  close_temporary,       // close #1
  move_over_file,        // rename it to the file's name, replacing the file
};

// Called before each step of every replacement of the file (a save, and the
// rewrite with the defaults after a failed load), for the tests: they stop
// the program there or make the step fail by throwing rt::RuntimeError.
using SaveStepHook = std::function<void(SaveStep next)>;

// mode -1 loads into the listed variables; any other mode saves them.
IoResult IO_FILE(Single mode, const SavedInputs& list, const SaveStepHook& before_step = nullptr);

// The record as it is written: number texts in 14-column zones, then the
// title in the file's code page and CR LF. A title that would not read back
// whole (a comma or colon, a leading quote, leading or trailing blanks) is
// written in double quotes; characters the code page cannot hold become "?".
// Exposed for the tests of the record's bytes.
std::string title_field_bytes(const std::string& title);

}  // namespace frame
