#include "saved_record.hpp"

#include "runtime/cp932.hpp"

namespace testing_support {

std::string saved_record(const std::vector<std::string>& numbers, const std::string& title) {
  std::string r;
  for (const std::string& n : numbers) {
    std::string zone = n + " ";
    zone.resize(((zone.size() - 1) / 14 + 1) * 14, ' ');
    r += zone;
  }
  return r + rt::cp932::from_utf8(title).bytes + "\r\n";
}

}  // namespace testing_support
