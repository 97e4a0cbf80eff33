// The printer object of the programs: the drawing surface that a print
// driver creates for one job and hands to its page procedures, and that a
// picture box draws its sketch on. It keeps the state that the programs'
// statements rely on (page units, font, pen, colours and the print
// position) and turns every statement into resolved operations for its
// backend: a Qt painter for paper, PDF and picture boxes, or the recorder of
// the tests.
//
// Page units are tenths of a millimetre, x to the right, y downward, (0, 0)
// at the top-left corner of the printable area. The print position, where
// the next printed text starts, and the current drawing point are one point:
// printing, lines, drawn texts and moves all set it.
//
// Text is laid out in fixed-pitch cells: one cell per cp932 byte, half the
// character height wide; the character height of a font of s points is
// s · 254 / 72 rounded, and it is also the line height (39 at 11 pt, 42 at
// 12 pt, 28 at 8 pt). Advances always follow the cells; only the drawing of
// a proportional face ("ＭＳ Ｐゴシック") uses the face's own widths.
#pragma once

#include <initializer_list>
#include <source_location>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/printer/draw_ops.hpp"
#include "runtime/printer/draw_target.hpp"
#include "runtime/printer/print_item.hpp"

namespace rt {

// Whether a print statement ends its line (the position returns to x = 0
// and moves down one line height of the font in use) or continues it (the
// position stays just after the last item).
enum class LineEnd { Break, Continue };

// The one mapping the programs use: 0.1 mm per unit, y downward.
enum class MapMode { TenthMillimetre };

// Orientation of a drawn text.
enum class TextAngle { Level = 0, QuarterTurn = 1 };

class Printer {
 public:
  explicit Printer(DrawTarget& target);

  // Document and page control, as a print driver uses them. A new page
  // starts with the print position at (0, 0); font, pen and colours carry
  // over. end_document reports the first failure of the job.
  PrintStatus start_document(std::string_view name);
  void start_page();
  void end_page();
  void new_page();  // end the page and start the next one
  PrintStatus end_document();

  void set_map_mode(MapMode mode);
  MapMode map_mode() const { return map_mode_; }

  // Font: the whole record, or one part of it. The line height follows the
  // font from the moment it is set.
  void set_font(const FontSpec& font);
  void set_font_face(std::string face);
  void set_font_size(double points);
  void set_font_style(const FontStyle& style);
  const FontSpec& font() const { return font_; }
  double line_height() const { return cell_height_of(font_.points); }
  double cell_width() const { return line_height() / 2; }
  // Width of a text in the current font, by the cell model.
  double text_width(std::string_view text) const;

  // A print statement: the items one after the other from the print
  // position, without separators. Texts print as they are; a number without
  // a format prints as its number text followed by a blank. No items print
  // an empty line.
  void print(std::initializer_list<PrintItem> items = {}, LineEnd end = LineEnd::Break);
  void print(const std::vector<PrintItem>& items, LineEnd end = LineEnd::Break);
  // A print statement through a format text ("@@#####.###@"): each field
  // takes the next item ("@" a text, "#...#.#..." a number); when the items
  // outnumber the fields, the format starts again from its beginning. A
  // number given to "@", a text given to a number field, or items with a
  // format that has no field, is a runtime error (rt::RuntimeError) of the
  // calling statement.
  void print_using(std::string_view format, std::initializer_list<PrintItem> items,
                   LineEnd end = LineEnd::Break,
                   std::source_location where = std::source_location::current());
  void print_using(std::string_view format, const std::vector<PrintItem>& items,
                   LineEnd end = LineEnd::Break,
                   std::source_location where = std::source_location::current());

  // Pen and colours for the following lines, circles, arcs and texts.
  void set_pen_width(double width);
  void set_line_style(LineStyle style);
  void set_pen_colour(Colour colour);
  void set_text_colour(Colour colour);
  const Pen& pen() const { return pen_; }
  Colour text_colour() const { return text_colour_; }

  // A segment from (x1, y1) to (x2, y2); its end becomes the print position.
  void line(double x1, double y1, double x2, double y2);
  // A segment from the print position to (x, y), or by the step (dx, dy).
  void line_to(double x, double y);
  void line_relative(double dx, double dy);
  void move_to(double x, double y);
  // One text with the top-left corner of its first cell at (x, y), level or
  // turned a quarter turn counter-clockwise (reading upward); the print
  // position is (x, y) afterwards.
  void draw_text(double x, double y, std::string_view text, TextAngle angle = TextAngle::Level);
  // Outlines, not filled; the print position does not move.
  void circle(double cx, double cy, double radius);
  // Angles in fractions of a full turn from +x towards +y; the arc runs
  // from `start` the way the angle grows until `end`.
  void arc(double cx, double cy, double radius, double start, double end);

  Point position() const { return position_; }

 private:
  void print_text(const std::string& text);
  void end_statement(LineEnd end);

  DrawTarget& target_;
  MapMode map_mode_ = MapMode::TenthMillimetre;
  FontSpec font_{"ＭＳ ゴシック", 10, {}};
  Pen pen_;
  Colour text_colour_ = kBlack;
  Point position_;
};

}  // namespace rt
