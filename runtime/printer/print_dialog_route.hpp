// Answers for the print dialog, set by a test driver before a print command
// runs: the next print dialog takes the oldest answer instead of asking the
// user, and prints to a PDF file, into a recorder, or is cancelled. With no
// answer waiting, the real dialog is shown.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

#include "runtime/printer/recorder.hpp"

namespace rt {

struct PrintDialogAnswer {
  enum class Kind { Cancel, PrintToPdf, Record };
  Kind kind = Kind::Cancel;
  std::string pdf_path;               // PrintToPdf
  std::shared_ptr<Recorder> recorder;  // Record

  static PrintDialogAnswer cancel() { return {}; }
  static PrintDialogAnswer print_to_pdf(std::string path) { return {Kind::PrintToPdf, std::move(path), nullptr}; }
  static PrintDialogAnswer record_into(std::shared_ptr<Recorder> recorder) {
    return {Kind::Record, {}, std::move(recorder)};
  }
};

// Queues an answer for the next print dialog.
void answer_next_print_dialog(PrintDialogAnswer answer);
// The oldest waiting answer, taken off the queue; none when the queue is empty.
std::optional<PrintDialogAnswer> take_print_dialog_answer();
std::size_t pending_print_dialog_answers();
void clear_print_dialog_answers();

}  // namespace rt
