// The start-up code of every program and its keyboard navigation loop.
#include <algorithm>
#include <cctype>

#include "frame/main_module.hpp"
#include "runtime/application.hpp"
#include "runtime/events.hpp"
#include "runtime/keyboard.hpp"
#include "runtime/message_loop.hpp"
#include "runtime/services.hpp"

namespace frame {

namespace {

constexpr int kNone = -1;
constexpr int kNext = 0;
constexpr int kPrevious = 100;

}  // namespace

MainModule::MainModule(ProgramTable table) : table_(std::move(table)) {}

void MainModule::main_program() {
  version_text = table_.version_text;
  notice_text = table_.notice_text;

  // Single-copy test: a second copy says so and ends, reading and writing
  // nothing.
  if (rt::another_copy_running(rt::Application::program_name())) {
    std::string dup_start_text = "すでに「" + table_.caption + "」が起動されています。" + "\r\n";
    dup_start_text += "重複起動できないため、このプロセスは終了します。";
    rt::message_box(&main_form, dup_start_text, "プログラムの重複起動", rt::MessageIcon::stop);
    rt::end_program(0);
  }

  main_form.set_scale_mode(1);
  field_count = static_cast<int>(table_.field_names.size());
  current_field = 0;
  field_names.assign(1, "");
  field_names.insert(field_names.end(), table_.field_names.begin(), table_.field_names.end());
  field_objects.assign(field_count + 1, rt::Control());
  field_hwnds.assign(field_count + 1, 0);
  for (int i = 1; i <= field_count; ++i) field_objects[i] = main_form.control(field_names[i]);

  // The first queued event is MAINFORM_START: it loads the inputs, fills the
  // fields, puts the focus on field 1 and stores the fields' handles.
  rt::wait_and_run_one_event();

  for (;;) {
    key_check();
    if (nav_request != kNone) {
      if (nav_request == kNext) {
        INPDATA_ON();
        current_field = current_field + 1;
        if (current_field > field_count) current_field = 1;
      } else if (nav_request == kPrevious) {
        INPDATA_ON();
        current_field = current_field - 1;
        if (current_field < 1) current_field = 1;
      }
      field_objects[current_field].set_focus();
    }
    if (rt::event_queued()) rt::run_one_event();
    // A pass after which nothing has arrived would only repeat itself: the
    // loop sleeps until a key, a focus change or an event comes.
    rt::sleep_until_input();
  }
}

// Finds the entry field that has the focus and reads Enter, Up and Down. A
// key is waited out while it is held, so a move happens once per press,
// after the release; the runtime keeps a press until it has been read, so
// even the shortest press moves once. An Enter held while the field's input method reports an
// open composition is the key that confirms it: it is used up and moves
// nothing.
void MainModule::key_check() {
  nav_request = kNone;
  focused_hwnd = rt::focused_window();
  focus_field_found = 0;
  for (int i = 1; i <= field_count; ++i) {
    rt::pause(10);
    if (focused_hwnd != 0 && focused_hwnd == field_hwnds[i]) {
      focus_field_found = i;
      break;
    }
  }
  if (focus_field_found == 0) return;

  current_field = focus_field_found;
  ime_comp_len = rt::ime_composition_length(focused_hwnd);
  if (ime_comp_len != 0) {
    while (rt::key_down(rt::Key::enter)) rt::pause(1);
  }
  while (rt::key_down(rt::Key::enter)) {
    nav_request = kNext;
    rt::pause(1);
  }
  while (rt::key_down(rt::Key::up)) {
    nav_request = kPrevious;
    rt::pause(1);
  }
  while (rt::key_down(rt::Key::down)) {
    nav_request = kNext;
    rt::pause(1);
  }
}

void MainModule::register_procedures() {
  rt::register_procedure("MAINFORM_START", [this] { MAINFORM_START(); });
  rt::register_procedure("MAINFORM_SETFOCUS", [this] { MAINFORM_SETFOCUS(); });
  rt::register_procedure("INPDATA_ON", [this] { INPDATA_ON(); });
  rt::register_procedure("PEND_ON", [this] { PEND_ON(); });
  rt::register_procedure("VER_ON", [this] { VER_ON(); });
  rt::register_procedure("BUTTON1_ON", [this] { BUTTON1_ON(); });
  rt::register_procedure("TOPIC_ON", [this] { TOPIC_ON(); });
  rt::register_procedure("TOPIC_FAILED", [this] { TOPIC_FAILED(); });
  rt::register_procedure("FAQ_ON", [this] { FAQ_ON(); });
  rt::register_procedure("BUTTON2_ON", [this] { BUTTON2_ON(); });
  bind_change_events();
}

}  // namespace frame
