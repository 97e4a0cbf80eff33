// Golden files of whole recordings: a recorder's dump compared with the
// checked-in file <dir>/<name>.txt, one operation a line, so that a change
// shows in the diff.
#pragma once

#include <string>

namespace testing_support {

// Compares `dump` with `golden_dir`/`name`.txt; with UPDATE_GOLDEN set in the
// environment the file is written instead. Returns an empty text when they
// agree, else where they part.
std::string compare_with_golden(const std::string& golden_dir, const std::string& name, const std::string& dump);

}  // namespace testing_support
