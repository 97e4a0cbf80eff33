// The ﾍﾙﾌﾟ menu: the about box, the help file and the contact box.
#include <filesystem>

#include "frame/frame_texts.hpp"
#include "frame/main_module.hpp"
#include "runtime/services.hpp"

namespace frame {

void MainModule::VER_ON() {
  if (about_form.is_open()) return;
  // Opened without an owner: the main window stays usable meanwhile.
  about_form = rt::Form::load("FORM2");
  about_version_box = about_form.control(table_.about_version_label);
  about_version_box.set_text(version_text);
  about_notice_box = about_form.control(table_.about_notice_label);
  about_notice_box.set_text(notice_text);
}

void MainModule::BUTTON1_ON() {
  about_version_box = rt::Control();
  about_notice_box = rt::Control();
  about_form.close();
}

// The help file is opened by the desktop with its viewer, not waited for.
// When it is missing, or the desktop's opener finds no viewer for it, the
// opener's failure comes back as the event TOPIC_FAILED, and the program
// says so in a message box and goes on.
void MainModule::TOPIC_ON() { rt::open_document(texts::kHelpFile, "TOPIC_FAILED"); }

void MainModule::TOPIC_FAILED() {
  const bool missing = !std::filesystem::is_regular_file(texts::kHelpFile);
  rt::message_box(&main_form, missing ? texts::cannot_open_help() : texts::no_help_viewer(), texts::kHelpTitle,
                  rt::MessageIcon::stop);
}

void MainModule::FAQ_ON() {
  if (contact_form.is_open()) return;
  contact_form = rt::Form::load("FORM3", &main_form);
}

void MainModule::BUTTON2_ON() { contact_form.close(); }

}  // namespace frame
