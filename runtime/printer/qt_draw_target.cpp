#include "runtime/printer/qt_draw_target.hpp"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainterPath>
#include <QPen>
#include <cmath>

#include "runtime/printer/font_faces.hpp"
#include "runtime/printer/qt_font.hpp"
#include "runtime/printer/text_cells.hpp"

namespace rt {

namespace {

double device_pixels_per_unit(const QPainter& painter) {
  const QPaintDevice* device = painter.device();
  return device ? device->logicalDpiX() / 254.0 : 1.0;
}

QColor qt_colour(Colour c) { return QColor(c.r, c.g, c.b); }

// Dash patterns in page units (0.1 mm); Qt counts them in pen widths.
QList<qreal> dash_pattern(LineStyle style, double width) {
  const double w = width > 1 ? width : 1;
  switch (style) {
    case LineStyle::Dash: return {24 / w, 8 / w};
    case LineStyle::Dot: return {4 / w, 4 / w};
    case LineStyle::DashDot: return {24 / w, 8 / w, 4 / w, 8 / w};
    case LineStyle::DashDotDot: return {24 / w, 8 / w, 4 / w, 8 / w, 4 / w, 8 / w};
    case LineStyle::Solid: break;
  }
  return {};
}

bool is_blank(const std::string& ch) { return ch == " " || ch == "\u3000"; }

}  // namespace

QtPainterTarget::QtPainterTarget(QPainter& painter) : QtPainterTarget(painter, device_pixels_per_unit(painter)) {}

QtPainterTarget::QtPainterTarget(QPainter& painter, double pixels_per_unit)
    : painter_(painter), base_(painter.worldTransform()) {
  base_.scale(pixels_per_unit, pixels_per_unit);
}

PrintStatus QtPainterTarget::begin_document(std::string_view) { return {}; }
void QtPainterTarget::begin_page() {}
void QtPainterTarget::end_page() {}
PrintStatus QtPainterTarget::end_document() { return {}; }

void QtPainterTarget::text(const TextOp& op) {
  const QFont font = qt_font(op.font, static_cast<int>(op.cell_height));
  painter_.save();
  painter_.setWorldTransform(base_);
  painter_.translate(op.at.x, op.at.y);
  painter_.rotate(-90.0 * op.quarter_turns);
  painter_.setRenderHint(QPainter::TextAntialiasing);
  painter_.setFont(font);
  painter_.setPen(qt_colour(op.colour));
  painter_.setBackgroundMode(Qt::TransparentMode);

  // Text is placed by the top of its cell: the baseline lies one ascent
  // below, which puts the em box of the IPA faces exactly in the cell.
  const double baseline = QFontMetricsF(font).ascent();
  if (is_proportional_face(op.font.face)) {
    painter_.drawText(QPointF(0, baseline), QString::fromStdString(op.text));
  } else {
    // Each character in its own cells, so that the columns hold whatever
    // widths the font found has. Blanks are skipped unless a line runs
    // through them.
    const bool draw_blanks = op.font.style.underline || op.font.style.strikeout;
    const double cell_width = op.cell_height / 2;
    for (const CellChar& c : cell_layout(op.text)) {
      if (is_blank(c.text) && !draw_blanks) continue;
      painter_.drawText(QPointF(c.first_cell * cell_width, baseline), QString::fromStdString(c.text));
    }
  }
  painter_.restore();
}

void QtPainterTarget::use_pen(const Pen& pen) {
  QPen qpen(qt_colour(pen.colour));
  qpen.setWidthF(pen.width > 0 ? pen.width : 0);  // 0: the device's thinnest line
  qpen.setCapStyle(Qt::RoundCap);
  qpen.setJoinStyle(Qt::RoundJoin);
  if (pen.style != LineStyle::Solid) qpen.setDashPattern(dash_pattern(pen.style, pen.width));
  painter_.setWorldTransform(base_);
  painter_.setRenderHint(QPainter::Antialiasing);
  painter_.setPen(qpen);
  painter_.setBrush(Qt::NoBrush);
}

void QtPainterTarget::line(const LineOp& op) {
  painter_.save();
  use_pen(op.pen);
  painter_.drawLine(QLineF(op.from.x, op.from.y, op.to.x, op.to.y));
  painter_.restore();
}

void QtPainterTarget::circle(const CircleOp& op) {
  painter_.save();
  use_pen(op.pen);
  painter_.drawEllipse(QPointF(op.centre.x, op.centre.y), op.radius, op.radius);
  painter_.restore();
}

void QtPainterTarget::arc(const ArcOp& op) {
  // Turns grow from +x towards +y, clockwise on the y-down page; Qt's
  // degrees grow counter-clockwise, so both angles change sign. Equal
  // angles give the full circle.
  double span = std::fmod(op.end - op.start, 1.0);
  if (span <= 0) span += 1.0;
  const QRectF box(op.centre.x - op.radius, op.centre.y - op.radius, 2 * op.radius, 2 * op.radius);
  QPainterPath path;
  path.arcMoveTo(box, -360.0 * op.start);
  path.arcTo(box, -360.0 * op.start, -360.0 * span);
  painter_.save();
  use_pen(op.pen);
  painter_.drawPath(path);
  painter_.restore();
}

}  // namespace rt
