// The saved-input record as the programs write it, for the tests that give
// a program a file or read back the one it wrote.
#pragma once

#include <string>
#include <vector>

namespace testing_support {

// Number texts in 14-column zones (each followed by at least one blank),
// then the title in cp932 and CR LF.
std::string saved_record(const std::vector<std::string>& numbers, const std::string& title);

}  // namespace testing_support
