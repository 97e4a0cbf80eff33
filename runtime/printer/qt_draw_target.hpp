// The Qt backend of the printer object: draws the resolved operations on an
// active QPainter, one unit being 0.1 mm of the painter's device (a page of
// a QPrinter or QPdfWriter, a QImage or QPixmap of a picture box).
// Runtime-internal: program code reaches it only through rt::Printer.
#pragma once

#include <QPainter>
#include <QTransform>

#include "runtime/printer/draw_target.hpp"

namespace rt {

class QtPainterTarget : public DrawTarget {
 public:
  // The scale comes from the device's logical resolution (dots per inch
  // / 254), on top of the painter's transform at construction.
  explicit QtPainterTarget(QPainter& painter);
  // The same with an explicit number of device pixels per 0.1 mm.
  QtPainterTarget(QPainter& painter, double pixels_per_unit);

  // A painter has no documents or pages: these do nothing.
  PrintStatus begin_document(std::string_view name) override;
  void begin_page() override;
  void end_page() override;
  PrintStatus end_document() override;

  void text(const TextOp& op) override;
  void line(const LineOp& op) override;
  void circle(const CircleOp& op) override;
  void arc(const ArcOp& op) override;

 private:
  void use_pen(const Pen& pen);

  QPainter& painter_;
  QTransform base_;
};

}  // namespace rt
