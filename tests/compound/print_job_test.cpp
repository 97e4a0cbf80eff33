// FJY, the print driver of the compound sheet, with the print dialog
// answered in advance: three pages in one job under the program's document
// name, behind the hourglass, the same pages the page procedures draw on
// their own; a cancel prints and says nothing; a job that cannot start says
// so once and draws no page.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>

#include "compound/print_command.hpp"
#include "compound/sheet_pages.hpp"
#include "compound_sheet_support.hpp"
#include "frame/print_driver.hpp"
#include "print_job_fixture.hpp"
#include "recorded_page.hpp"
#include "runtime/printer/print_dialog_route.hpp"

namespace {

using namespace compound_sheet_test;
using sheet_test::record_page;
using testing_support::hourglass_shown;

class CompoundPrintJob : public testing_support::PrintJobTest {};

// The recording of one page as the job has it: between its "page N" line
// and the next "end page".
std::string page_of(const std::string& dump, int n) {
  const std::string start = "page " + std::to_string(n) + "\n";
  const auto from = dump.find(start);
  if (from == std::string::npos) return {};
  const auto to = dump.find("end page\n", from);
  return dump.substr(from + start.size(), to - from - start.size());
}

// A page recorded alone, without its page boundaries.
std::string alone(PageProcedure page, MainChannel channel, const CompoundSheet& sheet) {
  const std::string dump = record_page(page, channel, sheet).dump();
  return page_of(dump, 1);
}

TEST_F(CompoundPrintJob, ThreePagesInOneJobUnderTheProgramsDocumentName) {
  struct Case {
    MainChannel channel;
    const char* document;
  };
  for (const Case& c : {Case{kQuorvel, "台形水路複断面"}, Case{kMestra, "矩形水路複断面"}}) {
    const CompoundSheet sheet = solved_sheet(c.channel);
    auto recorder = std::make_shared<rt::Recorder>();
    rt::answer_next_print_dialog(rt::PrintDialogAnswer::record_into(recorder));
    compound::FJY(main_form, c.channel, sheet);
    EXPECT_FALSE(hourglass_shown());
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(recorder->pages(), 3) << c.document;
    const std::string dump = recorder->dump();
    EXPECT_EQ(dump.rfind(std::string("document \"") + c.document + "\"\npage 1\n", 0), 0u) << dump.substr(0, 80);
    EXPECT_EQ(page_of(dump, 1), alone(compound::PAGE1, c.channel, sheet));
    EXPECT_EQ(page_of(dump, 2), alone(compound::PAGE2, c.channel, sheet));
    EXPECT_EQ(page_of(dump, 3), alone(compound::PAGE3, c.channel, sheet));
    EXPECT_EQ(dump.substr(dump.size() - 22), "end page\nend document\n");
  }
}

TEST_F(CompoundPrintJob, HourglassWhileEveryPageIsDrawn) {
  rt::answer_next_print_dialog(rt::PrintDialogAnswer::record_into(std::make_shared<rt::Recorder>()));
  int pages_behind_hourglass = 0;
  const frame::PageProcedure page = [&](rt::Printer&) { pages_behind_hourglass += hourglass_shown(); };
  frame::print_pages(main_form, "台形水路複断面", {page, page, page});
  EXPECT_EQ(pages_behind_hourglass, 3);
  EXPECT_FALSE(hourglass_shown());
}

TEST_F(CompoundPrintJob, CancelPrintsNothingAndSaysNothing) {
  rt::answer_next_print_dialog(rt::PrintDialogAnswer::cancel());
  int pages_drawn = 0;
  const frame::PageProcedure page = [&](rt::Printer&) { ++pages_drawn; };
  frame::print_pages(main_form, "矩形水路複断面", {page, page, page});
  EXPECT_EQ(pages_drawn, 0);
  EXPECT_TRUE(boxes.empty());
  EXPECT_FALSE(hourglass_shown());
  EXPECT_EQ(rt::pending_print_dialog_answers(), 0u);
}

TEST_F(CompoundPrintJob, AJobThatCannotStartSaysSoOnceAndDrawsNoPage) {
  QTemporaryDir dir;
  const std::string pdf = dir.path().toStdString() + "/missing-folder/sheet.pdf";
  rt::answer_next_print_dialog(rt::PrintDialogAnswer::print_to_pdf(pdf));
  int pages_drawn = 0;
  const frame::PageProcedure page = [&](rt::Printer&) { ++pages_drawn; };
  frame::print_pages(main_form, "台形水路複断面", {page, page, page});
  EXPECT_EQ(pages_drawn, 0);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].first, "印刷");
  EXPECT_FALSE(hourglass_shown());
}

}  // namespace
