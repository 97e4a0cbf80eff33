#include "runtime/printer/print_job.hpp"

#include <QApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <optional>

#include "runtime/printer/print_dialog_route.hpp"
#include "runtime/printer/qt_draw_target.hpp"

namespace rt {

namespace {

std::string where(const QPrinter& printer) {
  if (printer.outputFormat() == QPrinter::PdfFormat)
    return "ファイル「" + printer.outputFileName().toStdString() + "」";
  return "プリンタ「" + printer.printerName().toStdString() + "」";
}

// The pages of a QPrinter: the painter is opened by the start of the
// document, which also starts the first page; every later page asks the
// printer for a new sheet.
class PrinterTarget : public DrawTarget {
 public:
  explicit PrinterTarget(QPrinter& printer) : printer_(printer) {}

  ~PrinterTarget() override {
    if (painter_.isActive()) {
      printer_.abort();
      painter_.end();
    }
  }

  PrintStatus begin_document(std::string_view name) override {
    if (painter_.isActive()) return fail("印刷中の文書があるため、新しい文書を開始できません。");
    printer_.setDocName(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    pages_ = 0;
    status_ = {};
    if (!painter_.begin(&printer_)) return fail(where(printer_) + "に印刷できません。");
    drawing_.emplace(painter_);
    return {};
  }

  void begin_page() override {
    if (!drawing_) return;
    if (pages_ > 0 && !printer_.newPage()) fail(where(printer_) + "で改ページできません。");
    ++pages_;
  }

  void end_page() override {}

  PrintStatus end_document() override {
    if (!painter_.isActive()) return status_;
    drawing_.reset();
    const bool ended = painter_.end();
    if (printer_.printerState() == QPrinter::Aborted) return {PrintStatus::Code::Aborted, {}};
    if ((!ended || printer_.printerState() == QPrinter::Error) && status_.ok())
      fail(where(printer_) + "への印刷を完了できませんでした。");
    return status_;
  }

  void text(const TextOp& op) override {
    if (drawing_) drawing_->text(op);
  }
  void line(const LineOp& op) override {
    if (drawing_) drawing_->line(op);
  }
  void circle(const CircleOp& op) override {
    if (drawing_) drawing_->circle(op);
  }
  void arc(const ArcOp& op) override {
    if (drawing_) drawing_->arc(op);
  }

 private:
  PrintStatus fail(std::string message) {
    if (status_.ok()) status_ = PrintStatus::failed(std::move(message));
    return status_;
  }

  QPrinter& printer_;
  QPainter painter_;
  std::optional<QtPainterTarget> drawing_;
  int pages_ = 0;
  PrintStatus status_;
};

// Passes every operation on to the backend chosen by the dialog.
class Forwarder : public DrawTarget {
 public:
  explicit Forwarder(DrawTarget* target) : target_(target) {}
  void set(DrawTarget* target) { target_ = target; }

  PrintStatus begin_document(std::string_view name) override { return target_->begin_document(name); }
  void begin_page() override { target_->begin_page(); }
  void end_page() override { target_->end_page(); }
  PrintStatus end_document() override { return target_->end_document(); }
  void text(const TextOp& op) override { target_->text(op); }
  void line(const LineOp& op) override { target_->line(op); }
  void circle(const CircleOp& op) override { target_->circle(op); }
  void arc(const ArcOp& op) override { target_->arc(op); }

 private:
  DrawTarget* target_;
};

}  // namespace

struct PrintJob::Impl {
  Impl() : qprinter(QPrinter::HighResolution), printer_target(qprinter), forwarder(&printer_target), printer(forwarder) {
    qprinter.setPageSize(QPageSize(QPageSize::A4));
    qprinter.setPageOrientation(QPageLayout::Portrait);
    qprinter.setFullPage(false);  // (0, 0) is the corner of the printable area
  }

  QPrinter qprinter;
  PrinterTarget printer_target;
  std::shared_ptr<Recorder> recorder;
  Forwarder forwarder;
  Printer printer;
};

PrintJob::PrintJob() : impl_(std::make_unique<Impl>()) {}

PrintJob::~PrintJob() = default;

DialogAnswer PrintJob::show_print_dialog() {
  if (std::optional<PrintDialogAnswer> answer = take_print_dialog_answer()) {
    switch (answer->kind) {
      case PrintDialogAnswer::Kind::Cancel:
        return DialogAnswer::Cancelled;
      case PrintDialogAnswer::Kind::PrintToPdf:
        impl_->qprinter.setOutputFormat(QPrinter::PdfFormat);
        impl_->qprinter.setOutputFileName(QString::fromStdString(answer->pdf_path));
        impl_->qprinter.setResolution(254);  // one device unit is 0.1 mm
        impl_->forwarder.set(&impl_->printer_target);
        return DialogAnswer::Ok;
      case PrintDialogAnswer::Kind::Record:
        impl_->recorder = answer->recorder ? answer->recorder : std::make_shared<Recorder>();
        impl_->forwarder.set(impl_->recorder.get());
        return DialogAnswer::Ok;
    }
  }
  QPrintDialog dialog(&impl_->qprinter, QApplication::activeWindow());
  return dialog.exec() == QDialog::Accepted ? DialogAnswer::Ok : DialogAnswer::Cancelled;
}

Printer& PrintJob::printer() { return impl_->printer; }

}  // namespace rt
