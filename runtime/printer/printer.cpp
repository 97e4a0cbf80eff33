#include "runtime/printer/printer.hpp"

#include <algorithm>
#include <variant>

#include "runtime/number_text.hpp"
#include "runtime/runtime_error.hpp"
#include "runtime/printer/number_field.hpp"
#include "runtime/printer/text_cells.hpp"

namespace rt {

Printer::Printer(DrawTarget& target) : target_(target) {}

PrintStatus Printer::start_document(std::string_view name) {
  position_ = {};
  return target_.begin_document(name);
}

void Printer::start_page() {
  position_ = {};
  target_.begin_page();
}

void Printer::end_page() { target_.end_page(); }

void Printer::new_page() {
  end_page();
  start_page();
}

PrintStatus Printer::end_document() { return target_.end_document(); }

void Printer::set_map_mode(MapMode mode) { map_mode_ = mode; }

void Printer::set_font(const FontSpec& font) { font_ = font; }
void Printer::set_font_face(std::string face) { font_.face = std::move(face); }
void Printer::set_font_size(double points) { font_.points = points; }
void Printer::set_font_style(const FontStyle& style) { font_.style = style; }

double Printer::text_width(std::string_view text) const { return cell_count(text) * cell_width(); }

void Printer::print_text(const std::string& text) {
  if (text.empty()) return;
  target_.text(TextOp{position_, text, font_, line_height(), 0, text_colour_});
  position_.x += text_width(text);
}

void Printer::end_statement(LineEnd end) {
  if (end == LineEnd::Continue) return;
  position_.x = 0;
  position_.y += line_height();
}

void Printer::print(std::initializer_list<PrintItem> items, LineEnd end) {
  print(std::vector<PrintItem>(items), end);
}

void Printer::print(const std::vector<PrintItem>& items, LineEnd end) {
  for (const PrintItem& item : items) print_text(item.is_text() ? item.text() : number_text(item.number()) + " ");
  end_statement(end);
}

void Printer::print_using(std::string_view format, std::initializer_list<PrintItem> items, LineEnd end,
                          std::source_location where) {
  print_using(format, std::vector<PrintItem>(items), end, where);
}

void Printer::print_using(std::string_view format, const std::vector<PrintItem>& items, LineEnd end,
                          std::source_location where) {
  const std::vector<FormatPiece> pieces = parse_format(format);
  const bool has_field = std::any_of(pieces.begin(), pieces.end(), [](const FormatPiece& p) {
    return !std::holds_alternative<std::string>(p);
  });
  if (!items.empty() && !has_field)
    throw RuntimeError("書式に欄がありません: " + std::string(format), where);

  std::size_t next = 0;  // the next piece of the format
  for (const PrintItem& item : items) {
    // Literal text up to the next field, starting the format again at its end.
    for (;; next = (next + 1) % pieces.size()) {
      const FormatPiece& piece = pieces[next];
      if (const auto* literal = std::get_if<std::string>(&piece)) {
        print_text(*literal);
        continue;
      }
      break;
    }
    const FormatPiece& field = pieces[next];
    if (std::holds_alternative<TextField>(field)) {
      if (!item.is_text()) throw RuntimeError("型が一致しません: " + std::string(format), where);
      print_text(item.text());
    } else {
      if (item.is_text()) throw RuntimeError("型が一致しません: " + std::string(format), where);
      print_text(format_number_field(item.number(), std::get<NumberField>(field)));
    }
    next = (next + 1) % pieces.size();
  }
  // Literal text that follows the last field used, up to the next field.
  if (!items.empty()) {
    for (; next != 0 && std::holds_alternative<std::string>(pieces[next]); next = (next + 1) % pieces.size())
      print_text(std::get<std::string>(pieces[next]));
  }
  end_statement(end);
}

void Printer::set_pen_width(double width) { pen_.width = width; }
void Printer::set_line_style(LineStyle style) { pen_.style = style; }
void Printer::set_pen_colour(Colour colour) { pen_.colour = colour; }
void Printer::set_text_colour(Colour colour) { text_colour_ = colour; }

void Printer::line(double x1, double y1, double x2, double y2) {
  target_.line(LineOp{{x1, y1}, {x2, y2}, pen_});
  position_ = {x2, y2};
}

void Printer::line_to(double x, double y) { line(position_.x, position_.y, x, y); }

void Printer::line_relative(double dx, double dy) { line_to(position_.x + dx, position_.y + dy); }

void Printer::move_to(double x, double y) { position_ = {x, y}; }

void Printer::draw_text(double x, double y, std::string_view text, TextAngle angle) {
  if (!text.empty())
    target_.text(TextOp{{x, y}, std::string(text), font_, line_height(), static_cast<int>(angle), text_colour_});
  position_ = {x, y};
}

void Printer::circle(double cx, double cy, double radius) { target_.circle(CircleOp{{cx, cy}, radius, pen_}); }

void Printer::arc(double cx, double cy, double radius, double start, double end) {
  target_.arc(ArcOp{{cx, cy}, radius, start, end, pen_});
}

}  // namespace rt
