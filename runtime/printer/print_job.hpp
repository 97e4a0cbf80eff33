// One print job, as a print driver runs it: create the job (the printer
// object, A4 portrait on the default printer), show the print dialog, and on
// OK draw the document through printer():
//
//   rt::PrintJob job;
//   if (job.show_print_dialog() == rt::DialogAnswer::Cancelled) return;
//   rt::Printer& p = job.printer();
//   p.start_document("台形断面");
//   p.start_page();  JY_PAGE1(p, ...);  p.end_page();
//   rt::PrintStatus s = p.end_document();   // !s.ok(): show s.message
//
// The job is released when the object goes; a job left unfinished (a page
// procedure that threw) is abandoned. Printing to a file writes a PDF whose
// title is the document name. Test drivers answer the dialog beforehand
// through print_dialog_route.hpp.
#pragma once

#include <memory>

#include "runtime/printer/printer.hpp"

namespace rt {

enum class DialogAnswer { Ok, Cancelled };

class PrintJob {
 public:
  PrintJob();
  ~PrintJob();
  PrintJob(const PrintJob&) = delete;
  PrintJob& operator=(const PrintJob&) = delete;

  // The print dialog, owned by the active window; or the answer a test
  // driver queued for it.
  DialogAnswer show_print_dialog();

  // The printer object of this job.
  Printer& printer();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace rt
