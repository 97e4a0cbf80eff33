// The main module that every program shares: the start-up code with its
// single-copy guard and keyboard navigation (main_program, key_check), the
// main window's events, and the about, help and contact boxes. A program
// hands it its table, registers its own procedures (the calculate and print
// commands, the sketch) and starts it.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "frame/io_file.hpp"
#include "frame/program_table.hpp"
#include "runtime/forms.hpp"

namespace frame {

class MainModule {
 public:
  explicit MainModule(ProgramTable table);

  // Registers the frame's event procedures with the runtime by name.
  void register_procedures();

  // The start-up code: runs once the main window is shown, never returns.
  [[noreturn]] void main_program();

  // The sketch routine `Graph` of the program, called by MAINFORM_START.
  std::function<void()> Graph;

  // Event procedures.
  void MAINFORM_START();
  void MAINFORM_SETFOCUS();
  void INPDATA_ON();
  void PEND_ON();
  void VER_ON();
  void BUTTON1_ON();
  void TOPIC_ON();
  void TOPIC_FAILED();
  void FAQ_ON();
  void BUTTON2_ON();

  // What the program's own procedures use.
  const ProgramTable& table() const { return table_; }
  rt::Form main_form;
  rt::Control& label(const std::string& name);  // bound by MAINFORM_START
  rt::Control& check(const std::string& name);

 private:
  void key_check();
  void bind_change_events();
  SavedInputs saved_inputs();

  ProgramTable table_;

  // Start-up and navigation state.
  std::string version_text;
  std::string notice_text;
  int field_count = 0;
  int current_field = 0;
  std::vector<std::string> field_names;     // 1-based, as the field table counts
  std::vector<rt::Control> field_objects;   // 1-based
  std::vector<rt::WindowHandle> field_hwnds;  // 1-based; 0 until MAINFORM_START has stored them
  int nav_request = -1;                     // -1 none, 0 next field, 100 previous field
  rt::WindowHandle focused_hwnd = 0;
  int focus_field_found = 0;
  int ime_comp_len = 0;

  // Control objects bound by MAINFORM_START, by lower-case name.
  std::map<std::string, rt::Control> labels_;
  std::map<std::string, rt::Control> checks_;

  // About and contact boxes while they are open.
  rt::Form about_form;
  rt::Control about_version_box;
  rt::Control about_notice_box;
  rt::Form contact_form;
};

// The print options ヘッダ印刷, タイトル印刷 and 明朝体印刷 as the check boxes
// check1 to check3 (bound at start) hold them now, into the program's
// opt_header, opt_title and opt_mincho; every print command reads them
// afresh before it calls its driver.
template <class Model>
void read_print_options(MainModule& main, Model& m) {
  m.opt_header = main.check("check1").value();
  m.opt_title = main.check("check2").value();
  m.opt_mincho = main.check("check3").value();
}

}  // namespace frame
