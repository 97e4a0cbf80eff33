#include "runtime/printer/recorder.hpp"

#include <cstdio>

namespace rt {

PrintStatus Recorder::begin_document(std::string_view name) {
  ops_.emplace_back(DocumentStart{std::string(name)});
  return {};
}

void Recorder::begin_page() { ops_.emplace_back(PageStart{++pages_}); }
void Recorder::end_page() { ops_.emplace_back(PageEnd{}); }

PrintStatus Recorder::end_document() {
  ops_.emplace_back(DocumentEnd{});
  return {};
}

void Recorder::text(const TextOp& op) { ops_.emplace_back(op); }
void Recorder::line(const LineOp& op) { ops_.emplace_back(op); }
void Recorder::circle(const CircleOp& op) { ops_.emplace_back(op); }
void Recorder::arc(const ArcOp& op) { ops_.emplace_back(op); }

void Recorder::clear() {
  ops_.clear();
  pages_ = 0;
}

template <typename T>
std::vector<T> Recorder::all() const {
  std::vector<T> found;
  for (const RecordedOp& op : ops_)
    if (const T* t = std::get_if<T>(&op)) found.push_back(*t);
  return found;
}

std::vector<TextOp> Recorder::texts() const { return all<TextOp>(); }
std::vector<LineOp> Recorder::lines() const { return all<LineOp>(); }
std::vector<CircleOp> Recorder::circles() const { return all<CircleOp>(); }
std::vector<ArcOp> Recorder::arcs() const { return all<ArcOp>(); }

const TextOp* Recorder::find_text(std::string_view text) const {
  for (const RecordedOp& op : ops_)
    if (const auto* t = std::get_if<TextOp>(&op); t && t->text == text) return t;
  return nullptr;
}

namespace {

std::string num(double v) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%g", v);
  return buffer;
}

std::string point(Point p) { return num(p.x) + "," + num(p.y); }

std::string colour(Colour c) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", c.r, c.g, c.b);
  return buffer;
}

std::string pen(const Pen& p) {
  static const char* const kStyles[] = {"", " dash", " dot", " dashdot", " dashdotdot"};
  std::string text = " w" + num(p.width) + kStyles[static_cast<int>(p.style)];
  if (p.colour != kBlack) text += " " + colour(p.colour);
  return text;
}

std::string font(const FontSpec& f) {
  std::string text = "\"" + f.face + "\" " + num(f.points) + "pt";
  if (f.style.bold) text += " bold";
  if (f.style.italic) text += " italic";
  if (f.style.underline) text += " underline";
  if (f.style.strikeout) text += " strikeout";
  return text;
}

struct Describe {
  std::string operator()(const DocumentStart& d) const { return "document \"" + d.name + "\""; }
  std::string operator()(const DocumentEnd&) const { return "end document"; }
  std::string operator()(const PageStart& p) const { return "page " + std::to_string(p.page); }
  std::string operator()(const PageEnd&) const { return "end page"; }
  std::string operator()(const TextOp& t) const {
    std::string text = "text " + point(t.at) + " " + font(t.font) + " h" + num(t.cell_height);
    if (t.quarter_turns != 0) text += " turned" + (t.quarter_turns == 1 ? "" : std::to_string(t.quarter_turns));
    if (t.colour != kBlack) text += " " + colour(t.colour);
    return text + " \"" + t.text + "\"";
  }
  std::string operator()(const LineOp& l) const { return "line " + point(l.from) + " " + point(l.to) + pen(l.pen); }
  std::string operator()(const CircleOp& c) const {
    return "circle " + point(c.centre) + " r" + num(c.radius) + pen(c.pen);
  }
  std::string operator()(const ArcOp& a) const {
    return "arc " + point(a.centre) + " r" + num(a.radius) + " " + num(a.start) + ".." + num(a.end) + pen(a.pen);
  }
};

}  // namespace

std::string describe(const RecordedOp& op) { return std::visit(Describe{}, op); }

std::string Recorder::dump() const {
  std::string text;
  for (const RecordedOp& op : ops_) text += describe(op) + "\n";
  return text;
}

}  // namespace rt
