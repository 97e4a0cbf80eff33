// The print driver that every print command of every program calls: one
// print job of one page, drawn by the sheet's page procedure, or of several
// pages, each drawn by its own.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/forms.hpp"
#include "runtime/printer/printer.hpp"

namespace frame {

// Draws one page of a calculation sheet on the printer object of the job.
using PageProcedure = std::function<void(rt::Printer&)>;

// Title of the message box that says a print job failed.
inline constexpr std::string_view kPrintFailedTitle = "印刷";

// Creates the print job and shows the print dialog; a cancel ends here,
// printing nothing, saying nothing and leaving the pointer as it was. On OK
// the main window shows the hourglass while the document `document_name`
// ("台形断面") is started, one page is started, `page` draws it, and the page,
// the document and the job are ended; then the pointer is normal again.
//
// A printer or a job that fails (it cannot be started, or cannot be
// finished) is said in a message box owned by the main window, titled
// "印刷", with the stop icon; the program goes on with its inputs and results
// as they were. A job that the user aborted while it was sent ends quietly.
void print_one_page(rt::Form& main_form, std::string_view document_name, const PageProcedure& page);

// The print driver of a one-page sheet: print_one_page with the page
// procedure `page` drawing the values `sheet` on the job's printer object.
template <class Sheet>
void print_sheet(rt::Form& main_form, std::string_view document_name, void (*page)(rt::Printer&, const Sheet&),
                 const Sheet& sheet) {
  print_one_page(main_form, document_name, [page, &sheet](rt::Printer& p) { page(p, sheet); });
}

// The same print job with one page for each procedure of `pages`, in their
// order, each page started before its procedure draws it and ended after;
// cancel, hourglass and failures as print_one_page.
void print_pages(rt::Form& main_form, std::string_view document_name, const std::vector<PageProcedure>& pages);

// The text of that message box for the failure the print job reported.
std::string print_failed_text(const std::string& why);

}  // namespace frame
