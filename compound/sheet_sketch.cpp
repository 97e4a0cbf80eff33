#include "compound/sheet_sketch.hpp"

#include <string>
#include <string_view>
#include <vector>

#include "compound/section_drawing.hpp"
#include "frame/number_display.hpp"

namespace compound {

namespace {

constexpr Origin kValuesOrigin{600, 1200};
constexpr Origin kWettedLengthsOrigin{700, 1950};
constexpr rt::TextAngle kTurned = rt::TextAngle::QuarterTurn;

// The depths at the right of page 1's figure, further out than the
// window's to leave room for the values: extension lines at the water
// level, the berm edges, the wall tops and the bed, and the dimension lines
// of h2, h3 and h1 and of H.
const std::vector<Segment> kDepthLines = {{590, 30, 930, 30},   {530, 90, 850, 90},  {400, 100, 850, 100},
                                          {350, 300, 930, 300}, {840, 30, 840, 300}, {920, 30, 920, 300}};

// A label's fixed text followed by its value with three decimals.
std::string valued(std::string_view text, Single value) { return std::string(text) + frame::CHR_TO_STR(value); }

// Size 8 for the labels, the outline with the thick pen, the rest thin.
void draw_outline(rt::Printer& p, Origin o, const SectionShape& shape) {
  p.set_font_size(kSketchLabelSize);
  p.set_pen_width(10);
  draw_segments(p, o, shape.outline);
  p.set_pen_width(1);
}

}  // namespace

void draw_values_sketch(rt::Printer& p, MainChannel channel, const CompoundSheet& s) {
  const Origin o = kValuesOrigin;
  const SectionShape& shape = section_shape(channel);
  draw_outline(p, o, shape);
  draw_segments(p, o, shape.bed_width);
  draw_segments(p, o, shape.left_berm_width);
  draw_segments(p, o, shape.right_berm_width);
  draw_segments(p, o, kDepthLines);
  draw_area_division(p, o, DividerContinuations::none, nullptr);
  draw_water_surface(p, o);

  std::vector<SketchText> labels = {
      {valued("B=", s.B), 180, 385},
      {valued("w=", s.w), -50, 385},
      {valued("w=", s.w), 390, 385},
      {valued("H=", s.H), 885, 220, kTurned},
      {valued("h1=", s.h1), 800, 250, kTurned},
      {valued("h2=", s.h2), 800, 80, kTurned},
      {valued("h3=", s.h3), 850, 112, kTurned},
      {"①", 210, -185},
      {valued("W1=", s.W1), 180, -150},
      {"②", -35, -185},
      {valued("W2=", s.W2), -85, -150},
      {"③", 460, -185},
      {valued("W3=", s.W3), 410, -150},
  };
  if (channel == MainChannel::trapezoid) labels.push_back({valued("1:m=    1:", s.m), 0, 180});
  labels.insert(labels.end(), {
                                  {valued("m1=", s.m1), -50, 45},
                                  {valued("m1=", s.m1), 400, 45},
                                  {valued("1:m2=1:", s.m2), -110, -20},
                                  {valued("1:m3=1:", s.m3), 390, -20},
                                  {valued("n1=", s.n1), 180, 310},
                                  {valued("n2=", s.n2), -50, 110},
                                  {valued("n2=", s.n2), 385, 110},
                                  {valued("n3=", s.n3), -280, -10},
                                  {valued("n4=", s.n4), 610, -10},
                              });
  for (const SketchText& label : labels) draw_text(p, o, label);
}

void draw_wetted_lengths_sketch(rt::Printer& p, MainChannel channel) {
  const Origin o = kWettedLengthsOrigin;
  draw_outline(p, o, section_shape(channel));
  const std::array<SketchText, 3> widths = {SketchText{"W1", 210, -150}, SketchText{"W2", -35, -150},
                                            SketchText{"W3", 460, -150}};
  draw_area_division(p, o, DividerContinuations::none, &widths);
  draw_water_surface(p, o);

  // The walls' wetted length L1 sits beside each wall; the rectangle's
  // vertical walls put it closer to them.
  const bool trapezoid = channel == MainChannel::trapezoid;
  const SketchText names[] = {{"L1", trapezoid ? 45.0 : 30.0, 180},
                              {"L1", trapezoid ? 385.0 : 400.0, 180},
                              {"L3", -150, 45},
                              {"L4", 580, 45},
                              {"B", 220, 310},
                              {"L2", -20, 110},
                              {"L2", 425, 110}};
  for (const SketchText& name : names) draw_text(p, o, name);
}

}  // namespace compound
