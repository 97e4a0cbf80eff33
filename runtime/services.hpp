// Services of the desktop the programs call: message boxes, the single-copy
// lock, and opening a document with its associated viewer.
#pragma once

#include <string>

#include "runtime/forms.hpp"

namespace rt {

enum class MessageIcon { none, stop, information };

// A message box with one OK button, owned by `owner` when given (it then
// stays above it). Returns when the box is closed.
void message_box(const Form* owner, const std::string& text, const std::string& title, MessageIcon icon);

// Sounds the desktop's standard beep once.
void beep();

// The single-copy test: takes the system-wide lock named after the program
// and tells whether another copy already holds it. The lock is held until
// the process ends. A lock that cannot be created at all is a runtime error.
bool another_copy_running(const std::string& program_name);

// Asks the desktop to open the document (a name relative to the current
// directory) with the viewer associated with its contents, without waiting
// for the viewer. When the document is missing, or the desktop's opener
// cannot be started or ends saying it could not show the document, the
// event `failed_event` is queued: at once, or when the opener ends.
void open_document(const std::string& name, const std::string& failed_event);

}  // namespace rt
