#include "frame/print_driver.hpp"

#include <optional>

#include "runtime/printer/print_job.hpp"
#include "runtime/services.hpp"

namespace frame {

namespace {

// The hourglass from the moment the job is under way until it is released,
// also when a page procedure stops with a runtime error.
class Hourglass {
 public:
  explicit Hourglass(rt::Form& form) : form_(form) { form_.set_pointer(rt::Pointer::hourglass); }
  ~Hourglass() { form_.set_pointer(rt::Pointer::normal); }
  Hourglass(const Hourglass&) = delete;
  Hourglass& operator=(const Hourglass&) = delete;

 private:
  rt::Form& form_;
};

rt::PrintStatus run_job(rt::PrintJob& job, std::string_view document_name, const std::vector<PageProcedure>& pages) {
  rt::Printer& printer = job.printer();
  const rt::PrintStatus started = printer.start_document(document_name);
  if (started.ok()) {
    for (const PageProcedure& page : pages) {
      printer.start_page();
      if (page) page(printer);
      printer.end_page();
    }
  }
  // Ending also closes a document that could not start; the first failure
  // of the job is the one reported.
  const rt::PrintStatus ended = printer.end_document();
  return started.ok() ? ended : started;
}

}  // namespace

std::string print_failed_text(const std::string& why) {
  std::string text = "印刷できませんでした。";
  if (!why.empty()) text += "\r\n" + why;
  return text;
}

void print_one_page(rt::Form& main_form, std::string_view document_name, const PageProcedure& page) {
  print_pages(main_form, document_name, {page});
}

void print_pages(rt::Form& main_form, std::string_view document_name, const std::vector<PageProcedure>& pages) {
  rt::PrintStatus status;
  std::optional<Hourglass> hourglass;  // outlives the job: released first, then the normal pointer
  {
    rt::PrintJob job;
    if (job.show_print_dialog() == rt::DialogAnswer::Cancelled) return;
    hourglass.emplace(main_form);
    status = run_job(job, document_name, pages);
  }
  hourglass.reset();
  if (status.code == rt::PrintStatus::Code::Failed) {
    rt::message_box(&main_form, print_failed_text(status.message), std::string(kPrintFailedTitle),
                    rt::MessageIcon::stop);
  }
}

}  // namespace frame
