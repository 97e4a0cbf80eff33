#include "compound_sheet_support.hpp"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include "compound/calc_command.hpp"
#include "runtime/printer/printer.hpp"

namespace compound_sheet_test {

CompoundSheet solved_sheet(MainChannel channel, const std::function<void(compound::Model&)>& change) {
  compound::Model m{};
  m.q_discharge = 3.45f;
  m.slope_inv = 200.0f;
  m.bottom_width = 0.8f;
  m.wall_height = 0.8f;
  m.step_width = 0.6f;
  m.manning_n1 = 0.016f;
  m.manning_n2 = 0.03f;
  m.manning_n3 = 0.03f;
  m.manning_n4 = 0.03f;
  m.side_slope = channel == kQuorvel ? 0.3f : 0.0f;
  m.step_fall_pct = 5.0f;
  m.left_bank_slope = 1.0f;
  m.right_bank_slope = 1.0f;
  m.fb_plus = 0.1f;
  m.fb_star = 0.07f;
  if (change) change(m);
  const compound::CalcTable& calc = channel == kQuorvel ? compound::quorvel_calc() : compound::mestra_calc();
  calc.solve(m);
  return {compound::sheet_numbers(m), "SP0.00～SP1000.00", 0, 1, 0};
}

rt::Recorder record_page(PageProcedure page, MainChannel channel, const CompoundSheet& sheet) {
  rt::Recorder recorder;
  rt::Printer printer(recorder);
  printer.start_page();
  page(printer, channel, sheet);
  printer.end_page();
  return recorder;
}

std::string compare_with_golden(const std::string& name, const std::string& dump) {
  const std::string path = std::string(GOLDEN_DIR) + "/" + name + ".txt";
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

}  // namespace compound_sheet_test
