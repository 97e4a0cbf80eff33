// quorvel and mestra as the frame sees them: the same frame and the same
// calculation, told apart by these tables. mestra has no wall slope, so it
// has no EDIT10 and no used value text25; its other controls keep their
// numbers.
#include "compound/program_tables.hpp"

#include "compound/calc_command.hpp"
#include "compound/model.hpp"
#include "compound/print_command.hpp"
#include "compound/window_sketch.hpp"
#include "runtime/events.hpp"

namespace compound {

namespace {

using Names = std::vector<std::string>;

const std::string kDefaultTitle = "SP0.00～SP1000.00";

struct Variant {
  bool has_wall_slope;
  const char* caption;
  const char* version;
  const char* file;
};

const Variant kQuorvel{true, "Morvath(台形断面)", "Version 1.33.04", "LOM_FV.DTA"};
const Variant kMestra{false, "Morvath(矩形断面)", "Version 1.33.10", "LOM_FU.DTA"};

frame::ProgramTable table_of(const Variant& v, Model& m) {
  frame::ProgramTable t;
  t.caption = v.caption;
  t.version_text = v.version;
  t.notice_text = frame::kNoticeText;

  // The saved-input list in record order, each number with its edit, and
  // the used-value labels in the same order.
  t.numbers = {{"EDIT1", &m.q_discharge, 3.45f},  {"EDIT2", &m.slope_inv, 200.0f},
               {"EDIT3", &m.bottom_width, 0.8f},  {"EDIT4", &m.wall_height, 0.8f},
               {"EDIT5", &m.step_width, 0.6f},    {"EDIT6", &m.manning_n1, 0.016f},
               {"EDIT7", &m.manning_n2, 0.03f},   {"EDIT8", &m.manning_n3, 0.03f},
               {"EDIT9", &m.manning_n4, 0.03f}};
  Names used = frame::numbered_labels(16, 24);
  if (v.has_wall_slope) {
    t.numbers.push_back({"EDIT10", &m.side_slope, 0.3f});
    used.push_back("text25");
  }
  const std::vector<frame::NumberField> rest = {{"EDIT11", &m.step_fall_pct, 5.0f},
                                                {"EDIT12", &m.left_bank_slope, 1.0f},
                                                {"EDIT13", &m.right_bank_slope, 1.0f},
                                                {"EDIT14", &m.fb_plus, 0.1f},
                                                {"EDIT15", &m.fb_star, 0.07f}};
  t.numbers.insert(t.numbers.end(), rest.begin(), rest.end());
  used = frame::joined({used, frame::numbered_labels(26, 30)});

  // The entry fields are the number edits in record order, then the title.
  for (const frame::NumberField& f : t.numbers) t.field_names.push_back(f.edit);
  t.field_names.push_back("EDIT16");

  t.title_edit = "EDIT16";
  t.sheet_title = &m.sheet_title;
  t.default_title = kDefaultTitle;
  t.saved_inputs_file = v.file;

  t.number_labels = frame::joined({used, {"text45", "text46", "text47", "text48", "text52", "text53", "text54"}});
  t.text_labels = {"text58", "text60"};
  t.check_boxes = {"check1", "check2", "check3"};
  t.about_version_label = "text62";
  t.about_notice_label = "text63";
  return t;
}

}  // namespace

Model& model() {
  static Model m{};
  return m;
}

bool find_program(std::string_view name, frame::Program* program) {
  const bool quorvel = name == "quorvel";
  if (!quorvel && name != "mestra") return false;
  program->table = table_of(quorvel ? kQuorvel : kMestra, model());
  const CalcTable* calc = quorvel ? &quorvel_calc() : &mestra_calc();
  const MainChannel channel = quorvel ? MainChannel::trapezoid : MainChannel::rectangle;
  program->install = [calc, channel](frame::MainModule& main) {
    rt::register_procedure("CALC_ON", [&main, calc] { CALC_ON(main, model(), *calc); });
    rt::register_procedure("PRNT_ON", [&main, channel] { PRNT_ON(main, model(), channel); });
    main.Graph = [&main, channel] { Graph(main, channel); };
  };
  return true;
}

}  // namespace compound
