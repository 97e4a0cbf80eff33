#include "golden_file.hpp"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace testing_support {

std::string compare_with_golden(const std::string& golden_dir, const std::string& name, const std::string& dump) {
  const std::string path = golden_dir + "/" + name + ".txt";
  if (std::getenv("UPDATE_GOLDEN")) {
    std::ofstream(path, std::ios::binary) << dump;
    return {};
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return "no golden file " + path + " (run with UPDATE_GOLDEN=1 to write it)";
  const std::string golden(std::istreambuf_iterator<char>(in), {});
  if (golden == dump) return {};
  std::istringstream want(golden), got(dump);
  std::string w, g;
  for (int line = 1;; ++line) {
    const bool more_w = static_cast<bool>(std::getline(want, w));
    const bool more_g = static_cast<bool>(std::getline(got, g));
    if (!more_w && !more_g) break;
    if (w != g || more_w != more_g) {
      return name + ".txt line " + std::to_string(line) + ":\n  golden:   " + (more_w ? w : "(end)") +
             "\n  recorded: " + (more_g ? g : "(end)");
    }
  }
  return name + ".txt differs";
}

}  // namespace testing_support
