// Print jobs as the print drivers run them, with the dialog answered in
// advance: a PDF holds the texts in the stand-in faces and the document
// name as its title; a cancelled dialog prints nothing; a failing job
// reports instead of crashing.
#include <gtest/gtest.h>

#include <QDir>
#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <QTemporaryDir>
#include <string>

#include "pdf_reader.hpp"
#include "runtime/printer/print_dialog_route.hpp"
#include "runtime/printer/print_job.hpp"

namespace {

using testing_support::pdf_fonts;
using testing_support::pdf_info;
using testing_support::pdf_text;

class PrintJobs : public testing::Test {
 protected:
  void SetUp() override {
    if (!testing_support::poppler_installed()) GTEST_SKIP() << "poppler-utils not installed";
    ASSERT_TRUE(dir.isValid());
    rt::clear_print_dialog_answers();
  }

  std::string path(const char* name) const { return QDir(dir.path()).filePath(name).toStdString(); }

  // A small sheet: a heading, a row with a number field and a raised unit,
  // a turned label.
  static rt::PrintStatus print_sheet(rt::Printer& p, const std::string& face, int pages) {
    if (rt::PrintStatus s = p.start_document("台形断面"); !s.ok()) return s;
    for (int page = 1; page <= pages; ++page) {
      p.start_page();
      p.set_map_mode(rt::MapMode::TenthMillimetre);
      p.set_font({face, 11, {}});
      p.print({std::string(12, ' '), "（１）計算条件"});
      p.print_using("@@#####.###@", {std::string(12, ' '), "　　［計画流量］   Q  =   ", 0.06f, " m"},
                    rt::LineEnd::Continue);
      p.set_font_size(8);
      p.print({"3"}, rt::LineEnd::Continue);
      p.set_font_size(11);
      p.print({"/s"});
      p.set_pen_width(10);
      p.circle(875, 1250, 200);
      p.draw_text(430, 1320, "D=0.500", rt::TextAngle::QuarterTurn);
      p.end_page();
    }
    return p.end_document();
  }

  QTemporaryDir dir;
};

TEST_F(PrintJobs, PdfHoldsTheTextInGothicWithTheDocumentTitle) {
  const std::string pdf = path("sheet.pdf");
  rt::answer_next_print_dialog(rt::PrintDialogAnswer::print_to_pdf(pdf));
  rt::PrintJob job;
  ASSERT_EQ(job.show_print_dialog(), rt::DialogAnswer::Ok);
  EXPECT_EQ(rt::pending_print_dialog_answers(), 0u);
  ASSERT_TRUE(print_sheet(job.printer(), "ＭＳ ゴシック", 1).ok());

  const std::string text = pdf_text(pdf);
  EXPECT_NE(text.find("（１）計算条件"), std::string::npos) << text;
  EXPECT_NE(text.find("［計画流量］ Q = 0.060 m"), std::string::npos) << text;
  EXPECT_NE(pdf_fonts(pdf).find("IPAGothic"), std::string::npos);
  const std::string info = pdf_info(pdf);
  EXPECT_NE(info.find("台形断面"), std::string::npos) << info;
  EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
}

TEST_F(PrintJobs, TextSitsAtItsPageUnitsFromThePrintableCorner) {
  const std::string pdf = path("bbox.pdf");
  rt::answer_next_print_dialog(rt::PrintDialogAnswer::print_to_pdf(pdf));
  rt::PrintJob job;
  ASSERT_EQ(job.show_print_dialog(), rt::DialogAnswer::Ok);
  ASSERT_TRUE(print_sheet(job.printer(), "ＭＳ ゴシック", 1).ok());
  // "（１）計算条件" starts 12 cells (234 units) right of the printable
  // corner, which lies 10 pt in from the paper's edge.
  const std::string boxes = testing_support::pdf_word_boxes(pdf);
  const std::size_t at = boxes.find(">（１）計算条件<");
  ASSERT_NE(at, std::string::npos) << boxes;
  const std::size_t x = boxes.rfind("xMin=\"", at);
  const double x_min = std::stod(boxes.substr(x + 6));
  EXPECT_NEAR(x_min, 10 + 234 * 72 / 254.0, 0.5);
}

TEST_F(PrintJobs, MinchoFaceEmbedsIpaMinchoAndPagesFollowEachOther) {
  const std::string pdf = path("mincho.pdf");
  rt::answer_next_print_dialog(rt::PrintDialogAnswer::print_to_pdf(pdf));
  rt::PrintJob job;
  ASSERT_EQ(job.show_print_dialog(), rt::DialogAnswer::Ok);
  ASSERT_TRUE(print_sheet(job.printer(), "ＭＳ 明朝", 3).ok());
  EXPECT_NE(pdf_fonts(pdf).find("IPAMincho"), std::string::npos);
  EXPECT_NE(pdf_info(pdf).find("Pages:           3"), std::string::npos);
}

TEST_F(PrintJobs, CancelledDialogPrintsNothing) {
  const std::string pdf = path("never.pdf");
  rt::answer_next_print_dialog(rt::PrintDialogAnswer::cancel());
  rt::PrintJob job;
  EXPECT_EQ(job.show_print_dialog(), rt::DialogAnswer::Cancelled);
  EXPECT_EQ(rt::pending_print_dialog_answers(), 0u);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(pdf)));
}

TEST_F(PrintJobs, RealDialogClosedByTheUserIsACancel) {
  // No answer waiting: the real print dialog opens, and is closed.
  QTimer::singleShot(0, [] {
    if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
  });
  rt::PrintJob job;
  EXPECT_EQ(job.show_print_dialog(), rt::DialogAnswer::Cancelled);
}

TEST_F(PrintJobs, AbandonedJobIsReleasedQuietly) {
  rt::answer_next_print_dialog(rt::PrintDialogAnswer::print_to_pdf(path("abandoned.pdf")));
  {
    rt::PrintJob job;
    ASSERT_EQ(job.show_print_dialog(), rt::DialogAnswer::Ok);
    ASSERT_TRUE(job.printer().start_document("台形断面").ok());
    job.printer().start_page();
    job.printer().print({"x"});
  }  // a page procedure that threw leaves the job here
  SUCCEED();
}

TEST_F(PrintJobs, UnwritableFileFailsWithAMessage) {
  const std::string pdf = path("missing-folder/sheet.pdf");
  rt::answer_next_print_dialog(rt::PrintDialogAnswer::print_to_pdf(pdf));
  rt::PrintJob job;
  ASSERT_EQ(job.show_print_dialog(), rt::DialogAnswer::Ok);
  const rt::PrintStatus started = job.printer().start_document("台形断面");
  EXPECT_EQ(started.code, rt::PrintStatus::Code::Failed);
  EXPECT_NE(started.message.find(pdf), std::string::npos) << started.message;
  // The page procedure may still run; it draws nothing and does not crash.
  job.printer().start_page();
  job.printer().print({"x"});
  job.printer().circle(10, 10, 5);
  job.printer().end_page();
  EXPECT_EQ(job.printer().end_document().code, rt::PrintStatus::Code::Failed);
}

TEST_F(PrintJobs, DialogCanRecordTheJob) {
  auto recorder = std::make_shared<rt::Recorder>();
  rt::answer_next_print_dialog(rt::PrintDialogAnswer::record_into(recorder));
  rt::PrintJob job;
  ASSERT_EQ(job.show_print_dialog(), rt::DialogAnswer::Ok);
  ASSERT_TRUE(print_sheet(job.printer(), "ＭＳ ゴシック", 2).ok());
  EXPECT_EQ(recorder->pages(), 2);
  ASSERT_NE(recorder->find_text("D=0.500"), nullptr);
  EXPECT_EQ(recorder->find_text("D=0.500")->quarter_turns, 1);
}

}  // namespace
