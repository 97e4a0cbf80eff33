// The main window's events: start, focus, the edits' change events, the
// input reset (入力 and every field move) and 終了.
#include <cctype>

#include "frame/frame_texts.hpp"
#include "frame/main_module.hpp"
#include "frame/number_display.hpp"
#include "runtime/events.hpp"
#include "runtime/message_loop.hpp"
#include "runtime/number_text.hpp"
#include "runtime/services.hpp"

namespace frame {

namespace {

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

rt::Control& MainModule::label(const std::string& name) { return labels_.at(lower(name)); }
rt::Control& MainModule::check(const std::string& name) { return checks_.at(lower(name)); }

SavedInputs MainModule::saved_inputs() {
  SavedInputs list{table_.saved_inputs_file, {}, table_.sheet_title, table_.default_title};
  for (const NumberField& f : table_.numbers) list.numbers.push_back({f.global, f.default_value});
  return list;
}

void MainModule::MAINFORM_START() {
  main_form.set_pointer(rt::Pointer::hourglass);
  for (const auto& names : {table_.number_labels, table_.text_labels}) {
    for (const std::string& name : names) labels_[lower(name)] = main_form.control(name);
  }
  for (const std::string& name : table_.check_boxes) checks_[lower(name)] = main_form.control(name);
  main_form.menu_item("PRNT").set_enabled(false);
  if (Graph) Graph();

  const IoResult loaded = IO_FILE(kLoad, saved_inputs());

  // The loaded numbers go into their edits cut to three decimals; their
  // change events, run later from the main loop, store VAL of that text.
  for (const NumberField& f : table_.numbers) {
    if (!f.edit.empty()) main_form.control(f.edit).set_text(CHR_TO_STR(*f.global));
  }
  main_form.control(table_.title_edit).set_text(*table_.sheet_title);
  main_form.set_caption(table_.caption);
  main_form.set_pointer(rt::Pointer::normal);
  field_objects[1].set_focus();
  for (int i = 1; i <= field_count; ++i) field_hwnds[i] = field_objects[i].hwnd();

  if (loaded != IoResult::done) {
    const std::string& file = table_.saved_inputs_file;
    rt::message_box(&main_form,
                    loaded == IoResult::cannot_read ? texts::cannot_read_saved(file) : texts::cannot_save_here(file),
                    texts::kSavedInputsTitle, rt::MessageIcon::stop);
  }
}

void MainModule::MAINFORM_SETFOCUS() {
  if (current_field > 0) field_objects[current_field].set_focus();
}

// Each edit's change event stores VAL of its text in its global; a number
// beyond the single range is held as out of range (an infinity of its
// sign), which the calculate command refuses by name.
void MainModule::bind_change_events() {
  for (const NumberField& f : table_.numbers) {
    if (f.edit.empty()) continue;
    const std::string edit = f.edit;
    Single* global = f.global;
    rt::register_procedure(edit + "_CHANGE", [this, edit, global] {
      const rt::ValResult v = rt::VAL(main_form.control(edit).text());
      *global = static_cast<rt::Ext>(v.value);
    });
  }
  const std::string title_edit = table_.title_edit;
  rt::register_procedure(title_edit + "_CHANGE",
                         [this, title_edit] { *table_.sheet_title = main_form.control(title_edit).text(); });
}

void MainModule::INPDATA_ON() {
  main_form.menu_item("PRNT").set_enabled(false);
  for (const std::string& name : table_.number_labels) label(name).set_text("0.000");
  for (const std::string& name : table_.text_labels) label(name).set_text("");
  rt::Control first_field = main_form.control(table_.field_names.front());
  first_field.set_focus();
}

void MainModule::PEND_ON() {
  main_form.set_pointer(rt::Pointer::hourglass);
  const IoResult saved = IO_FILE(kSave, saved_inputs());
  main_form.set_pointer(rt::Pointer::normal);
  if (saved == IoResult::cannot_write) {
    rt::message_box(&main_form, texts::could_not_save(table_.saved_inputs_file), texts::kSavedInputsTitle,
                    rt::MessageIcon::stop);
  }
  rt::end_program(0);
}

}  // namespace frame
