// palwick and soberin as the frame sees them: one pipe, two tools, told
// apart by these tables. Both keep Q, I, D, n and the title; soberin's Q has
// no edit and only travels between its file and the calculation.
#include "culvert/program_tables.hpp"

#include "culvert/calc_command.hpp"
#include "culvert/model.hpp"
#include "culvert/print_commands.hpp"
#include "culvert/window_sketch.hpp"
#include "runtime/events.hpp"

namespace culvert {

namespace {

const std::vector<std::string> kPrintOptions = {"check1", "check2", "check3"};

frame::ProgramTable palwick_table(Model& m) {
  frame::ProgramTable t;
  t.caption = "Kelbrin(管渠断面)";
  t.version_text = "Version 1.53.06";
  t.notice_text = frame::kNoticeText;
  t.field_names = {"EDIT1", "EDIT2", "EDIT3", "EDIT4", "EDIT7"};
  t.numbers = {
      {"EDIT1", &m.q_discharge, 0.3f},
      {"EDIT2", &m.slope_inv, 200.0f},
      {"EDIT3", &m.pipe_diameter, 0.6f},
      {"EDIT4", &m.manning_n, 0.016f},
  };
  t.title_edit = "EDIT7";
  t.sheet_title = &m.sheet_title;
  t.default_title = "SP0.00～SP1000.00 右側道路側溝";
  t.saved_inputs_file = "LOM_O.DTA";
  t.number_labels = {"text23", "text24", "text25", "text26", "text27", "text77", "text78",
                     "text30", "text31", "text32", "text33", "text34", "text35", "text36",
                     "text45", "text46", "text47", "text48", "text49", "text50"};
  // The flow state and the two red lines of an undersized pipe.
  t.text_labels = {"text41", "text28", "text29"};
  t.check_boxes = kPrintOptions;
  return t;
}

frame::ProgramTable soberin_table(Model& m) {
  frame::ProgramTable t;
  t.caption = "Pravoth(管渠断面)";
  t.version_text = "Version 1.13.06";
  t.notice_text = frame::kNoticeText;
  t.field_names = {"EDIT2", "EDIT3", "EDIT4", "EDIT7"};
  t.numbers = {
      {"", &m.q_discharge, 0.3f},
      {"EDIT2", &m.slope_inv, 200.0f},
      {"EDIT3", &m.pipe_diameter, 0.6f},
      {"EDIT4", &m.manning_n, 0.013f},
  };
  t.title_edit = "EDIT7";
  t.sheet_title = &m.sheet_title;
  t.default_title = "SP0.00 管渠流下能力";
  t.saved_inputs_file = "LOM_O_RYU.DTA";
  t.number_labels = {"text23", "text24", "text25", "text26", "text27", "text77",
                     "text35", "text45", "text48", "text49", "text50"};
  t.text_labels = {"text41"};
  t.check_boxes = kPrintOptions;
  return t;
}

}  // namespace

Model& model() {
  static Model m;
  return m;
}

bool find_program(std::string_view name, frame::Program* program) {
  if (name == "palwick") {
    program->table = palwick_table(model());
    program->install = [](frame::MainModule& main) {
      rt::register_procedure("CALC_ON", [&main] { palwick::CALC_ON(main, model()); });
      palwick::register_print_commands(main, model());
      main.Graph = [&main] { Graph(main, palwick::GRAPH_O); };
    };
    return true;
  }
  if (name == "soberin") {
    program->table = soberin_table(model());
    program->install = [](frame::MainModule& main) {
      rt::register_procedure("CALC_ON", [&main] { soberin::CALC_ON(main, model()); });
      soberin::register_print_commands(main, model());
      main.Graph = [&main] { Graph(main, soberin::GRAPH_O); };
    };
    return true;
  }
  return false;
}

}  // namespace culvert
