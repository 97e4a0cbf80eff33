// The print driver of every program, with the print dialog answered in
// advance: a cancel prints and says nothing; OK prints one page under the
// document name with the hourglass shown; a failing job says so in a message
// box and returns normally; a page that stops leaves the normal pointer.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "frame/print_driver.hpp"
#include "open_channel/velmora_sheets.hpp"
#include "print_job_fixture.hpp"
#include "runtime/printer/print_dialog_route.hpp"
#include "runtime/runtime_error.hpp"
#include "sheet_support.hpp"

namespace {

using testing_support::hourglass_shown;

class PrintDriver : public testing_support::PrintJobTest {};

TEST_F(PrintDriver, CancelPrintsNothingSaysNothingAndLeavesThePointer) {
  rt::answer_next_print_dialog(rt::PrintDialogAnswer::cancel());
  bool page_drawn = false;
  frame::print_one_page(main_form, "台形断面", [&](rt::Printer&) { page_drawn = true; });
  EXPECT_FALSE(page_drawn);
  EXPECT_TRUE(boxes.empty());
  EXPECT_FALSE(hourglass_shown());
  EXPECT_EQ(rt::pending_print_dialog_answers(), 0u);
}

TEST_F(PrintDriver, OkPrintsOnePageUnderTheDocumentNameBehindTheHourglass) {
  auto recorder = std::make_shared<rt::Recorder>();
  rt::answer_next_print_dialog(rt::PrintDialogAnswer::record_into(recorder));
  bool hourglass_while_drawing = false;
  frame::print_one_page(main_form, "矩形断面", [&](rt::Printer& p) {
    hourglass_while_drawing = hourglass_shown();
    p.print({"（１）計算条件"});
  });
  EXPECT_TRUE(hourglass_while_drawing);
  EXPECT_FALSE(hourglass_shown());
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(recorder->dump(),
            "document \"矩形断面\"\n"
            "page 1\n"
            "text 0,0 \"ＭＳ ゴシック\" 10pt h35 \"（１）計算条件\"\n"
            "end page\n"
            "end document\n");
}

TEST_F(PrintDriver, AFailingJobSaysSoAndTheProgramGoesOn) {
  QTemporaryDir dir;
  const std::string pdf = dir.path().toStdString() + "/missing-folder/sheet.pdf";
  rt::answer_next_print_dialog(rt::PrintDialogAnswer::print_to_pdf(pdf));
  bool page_drawn = false;
  frame::print_one_page(main_form, "台形断面", [&](rt::Printer&) { page_drawn = true; });
  EXPECT_FALSE(page_drawn) << "a document that did not start gets no page";
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].first, "印刷");
  EXPECT_EQ(boxes[0].second, "印刷できませんでした。\r\nファイル「" + pdf + "」に印刷できません。");
  EXPECT_FALSE(hourglass_shown());
}

TEST_F(PrintDriver, APageThatStopsWithARuntimeErrorLeavesTheNormalPointer) {
  rt::answer_next_print_dialog(rt::PrintDialogAnswer::record_into(std::make_shared<rt::Recorder>()));
  const auto stopping_page = [](rt::Printer&) { throw rt::RuntimeError("型が一致しません"); };
  EXPECT_THROW(frame::print_one_page(main_form, "台形断面", stopping_page), rt::RuntimeError);
  EXPECT_FALSE(hourglass_shown());
}

// One job after another: each writes its own PDF and leaves nothing behind
// that stops the next. How long a job takes is for the benchmarks.
TEST_F(PrintDriver, AVelmoraSheetPrintsToPdfJobAfterJob) {
  QTemporaryDir dir;
  const open_channel::UniformSheet sheet = sheet_test::velmora_default_sheet();
  for (int run = 0; run < 3; ++run) {
    const std::string pdf = dir.path().toStdString() + "/sheet" + std::to_string(run) + ".pdf";
    rt::answer_next_print_dialog(rt::PrintDialogAnswer::print_to_pdf(pdf));
    frame::print_one_page(main_form, "台形断面",
                          [&sheet](rt::Printer& p) { open_channel::velmora::JY_PAGE1(p, sheet); });
    EXPECT_TRUE(QFile::exists(QString::fromStdString(pdf))) << "job " << run + 1;
    EXPECT_FALSE(hourglass_shown());
  }
  EXPECT_TRUE(boxes.empty());
}

}  // namespace
