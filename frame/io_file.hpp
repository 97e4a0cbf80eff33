// IO_FILE: the saved-input file of a program. One record in the current
// directory holds the input numbers in 14-column zones and then the title;
// it is loaded when the main window starts and written by 終了.
//
// Any failure of a load or a save puts the program's defaults into the
// caller's variables, replaces the file with them and repeats the load or
// save. When even the defaults cannot be written (a folder where the file
// cannot be created), the defaults stay in the variables and the caller is
// told, so that it can say so instead of ending the program.
#pragma once

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
  cannot_write,  // the file could not be written at all; the defaults are in the variables
};

constexpr float kLoad = -1.0f;
constexpr float kSave = 0.0f;

// mode -1 loads into the listed variables; any other mode saves them.
IoResult IO_FILE(Single mode, const SavedInputs& list);

// The record as it is written: number texts in 14-column zones, then the
// title in the file's code page and CR LF. A title that would not read back
// whole (a comma or colon, a leading quote, leading or trailing blanks) is
// written in double quotes; characters the code page cannot hold become "?".
// Exposed for the tests of the record's bytes.
std::string title_field_bytes(const std::string& title);

}  // namespace frame
