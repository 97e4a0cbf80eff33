// velmora and drasin as the frame sees them: the same frame, told apart by
// these tables.
#include "open_channel/program_tables.hpp"

#include "open_channel/calc_command.hpp"
#include "open_channel/model.hpp"
#include "open_channel/print_commands.hpp"
#include "open_channel/window_sketch.hpp"
#include "runtime/events.hpp"

namespace open_channel {

namespace {

using Names = std::vector<std::string>;
using frame::joined;
using frame::numbered_labels;

const std::string kDefaultTitle = "SP0.00～SP1000.00 右側道路側溝";
const Names kPrintOptions = {"check1", "check2", "check3", "check4"};

frame::ProgramTable velmora_table(Model& m) {
  frame::ProgramTable t;
  t.caption = "Kelbrin(台形断面)";
  t.version_text = "Version 1.60.04";
  t.notice_text = frame::kNoticeText;
  t.field_names = {"EDIT1", "EDIT2", "EDIT3", "EDIT4", "EDIT8", "EDIT5", "EDIT6", "EDIT7"};
  t.numbers = {
      {"EDIT1", &m.q_discharge, 0.06f}, {"EDIT2", &m.slope_inv, 200.0f}, {"EDIT3", &m.bottom_width, 0.3f},
      {"EDIT4", &m.manning_n, 0.016f},  {"EDIT8", &m.side_slope, 0.3f},  {"EDIT5", &m.fb_plus, 0.1f},
      {"EDIT6", &m.fb_star, 0.07f},
  };
  t.title_edit = "EDIT7";
  t.sheet_title = &m.sheet_title;
  t.default_title = kDefaultTitle;
  t.saved_inputs_file = "LOM_V.DTA";
  t.number_labels = joined({numbered_labels(23, 29),
                            numbered_labels(30, 34),
                            {"text79", "text80", "text35", "text36", "text45", "text46"},
                            numbered_labels(47, 50),
                            {"text76", "text51", "text52", "text63", "text64", "text84", "text85"}});
  t.text_labels = {"text41"};
  t.check_boxes = kPrintOptions;
  return t;
}

frame::ProgramTable drasin_table(Model& m) {
  frame::ProgramTable t;
  t.caption = "Kelbrin(矩形断面)";
  t.version_text = "Version 1.50.04";
  t.notice_text = frame::kNoticeText;
  t.field_names = {"EDIT1", "EDIT2", "EDIT3", "EDIT4", "EDIT5", "EDIT6", "EDIT7"};
  t.numbers = {
      {"EDIT1", &m.q_discharge, 0.06f}, {"EDIT2", &m.slope_inv, 200.0f}, {"EDIT3", &m.bottom_width, 0.3f},
      {"EDIT4", &m.manning_n, 0.016f},  {"EDIT5", &m.fb_plus, 0.1f},     {"EDIT6", &m.fb_star, 0.07f},
  };
  t.title_edit = "EDIT7";
  t.sheet_title = &m.sheet_title;
  t.default_title = kDefaultTitle;
  t.saved_inputs_file = "LOM_U.DTA";
  t.number_labels = joined({numbered_labels(23, 29),
                            {"text77", "text78"},
                            numbered_labels(30, 34),
                            {"text35", "text36", "text45", "text46"},
                            numbered_labels(47, 52),
                            {"text63", "text64", "text82", "text83"}});
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
  const bool velmora = name == "velmora";
  if (!velmora && name != "drasin") return false;
  program->table = velmora ? velmora_table(model()) : drasin_table(model());
  const CalcTable* calc = velmora ? &velmora_calc() : &drasin_calc();
  const SheetPages* pages = velmora ? &velmora_pages() : &drasin_pages();
  const GraphProcedure graph = velmora ? GRAPH_V : GRAPH_U;
  program->install = [calc, pages, graph](frame::MainModule& main) {
    rt::register_procedure("CALC_ON", [&main, calc] { CALC_ON(main, model(), *calc); });
    register_print_commands(main, model(), *pages);
    main.Graph = [&main, graph] { open_channel::Graph(main, graph); };
  };
  return true;
}

}  // namespace open_channel
